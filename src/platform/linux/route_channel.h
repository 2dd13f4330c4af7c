#pragma once

#include "platform/linux/netlink_socket.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace meterly::platform::netlink {

// The request side of rtnetlink for a table object: one socket kept for the object's life,
// replaced by a fresh one when it breaks.
class RouteChannel {
 public:
  RouteChannel();

  // False while no socket could be opened; failure() says why.
  bool Available() const { return socket_.has_value(); }
  QString Failure() const { return failure_; }

  // Runs one request. A dump that the kernel reports as interrupted by a concurrent change is
  // read again (a few times at most); `restart` is called before every attempt so that the
  // caller can drop what the previous one collected. True when a complete reply was handled.
  bool run(const std::vector<std::byte>& request, const std::function<void()>& restart,
           const MessageHandler& onMessage);

 private:
  bool EnsureOpen();

  std::optional<Socket> socket_;
  QString failure_;
};

}  // namespace meterly::platform::netlink
