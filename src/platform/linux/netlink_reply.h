#pragma once

#include "platform/linux/netlink_message.h"

#include <QtGlobal>

#include <functional>
#include <optional>

namespace meterly::platform::netlink {

struct ReplyStatus {
  enum class Outcome {
    Complete,     // every reply message was handed over
    Refused,      // the kernel answered with an error (error says which); the socket is fine
    Interrupted,  // the dump changed while it was read: its messages are not a consistent picture
    Broken,       // the socket failed, timed out or received garbage: close it
  };
  Outcome outcome = Outcome::Broken;
  int error = 0;
};

using MessageHandler = std::function<void(const Message&)>;

// Follows the reply to one request across the datagrams that carry it: all parts of a dump up
// to NLMSG_DONE, or the single answer to a plain request. Messages with another sequence number
// answer some earlier request and are skipped.
class ReplyReader {
 public:
  ReplyReader(quint32 sequence, MessageHandler onMessage) : sequence_(sequence), onMessage_(std::move(onMessage)) {}

  // Hands the datagram's reply messages over; the final status once the reply is complete,
  // nullopt while more datagrams are to come.
  std::optional<ReplyStatus> Feed(Bytes datagram);

 private:
  std::optional<ReplyStatus> Take(const Message& message);
  ReplyStatus finished() const;

  quint32 sequence_;
  MessageHandler onMessage_;
  bool interrupted_ = false;
};

}  // namespace meterly::platform::netlink
