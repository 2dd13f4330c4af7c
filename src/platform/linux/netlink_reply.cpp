#include "platform/linux/netlink_reply.h"

#include <cerrno>

namespace meterly::platform::netlink {

namespace {

ReplyStatus status(ReplyStatus::Outcome outcome, int error = 0) { return ReplyStatus{outcome, error}; }

ReplyStatus errorStatus(const Message& error) {
  const auto code = readStruct<int>(error.payload);
  if (!code) return status(ReplyStatus::Outcome::Broken, EBADMSG);
  if (*code == 0) return status(ReplyStatus::Outcome::Complete);  // an acknowledgement
  return status(ReplyStatus::Outcome::Refused, -*code);
}

}  // namespace

std::optional<ReplyStatus> ReplyReader::feed(Bytes datagram) {
  MessageCursor cursor(datagram);
  while (const auto message = cursor.next()) {
    if (message->header.nlmsg_seq != sequence_) continue;
    if (auto done = take(*message)) return done;
  }
  if (cursor.malformed()) return status(ReplyStatus::Outcome::Broken, EBADMSG);
  return std::nullopt;
}

std::optional<ReplyStatus> ReplyReader::take(const Message& message) {
  const nlmsghdr& header = message.header;
  if (header.nlmsg_flags & NLM_F_DUMP_INTR) interrupted_ = true;
  switch (header.nlmsg_type) {
    case NLMSG_NOOP:
      return std::nullopt;
    case NLMSG_DONE: {
      // It may carry the dump's own result: a negative errno when the dump failed part-way.
      const auto result = readStruct<int>(message.payload);
      if (result && *result < 0) return status(ReplyStatus::Outcome::Refused, -*result);
      return finished();
    }
    case NLMSG_ERROR:
      return errorStatus(message);
    case NLMSG_OVERRUN:
      return status(ReplyStatus::Outcome::Broken, ENOBUFS);
    default:
      onMessage_(message);
      if (header.nlmsg_flags & NLM_F_MULTI) return std::nullopt;
      return finished();
  }
}

ReplyStatus ReplyReader::finished() const {
  return status(interrupted_ ? ReplyStatus::Outcome::Interrupted : ReplyStatus::Outcome::Complete);
}

}  // namespace meterly::platform::netlink
