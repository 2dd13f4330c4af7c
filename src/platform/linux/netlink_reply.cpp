#include "platform/linux/netlink_reply.h"

#include <cerrno>

namespace meterly::platform::netlink {

namespace {

ReplyStatus status(ReplyStatus::Outcome outcome, int error = 0) { return ReplyStatus{outcome, error}; }

ReplyStatus ErrorStatus(const Message& error) {
  const auto code = ReadStruct<int>(error.payload);
  if (!code) return status(ReplyStatus::Outcome::Broken, EBADMSG);
  if (*code == 0) return status(ReplyStatus::Outcome::Complete);  // an acknowledgement
  return status(ReplyStatus::Outcome::Refused, -*code);
}

}  // namespace

std::optional<ReplyStatus> ReplyReader::Feed(Bytes datagram) {
  MessageCursor cursor(datagram);
  while (const auto message = cursor.Next()) {
    if (message->header.nlmsg_seq != sequence_) continue;
    if (auto done = Take(*message)) return done;
  }
  if (cursor.Malformed()) return status(ReplyStatus::Outcome::Broken, EBADMSG);
  return std::nullopt;
}

std::optional<ReplyStatus> ReplyReader::Take(const Message& message) {
  const nlmsghdr& header = message.header;
  if (header.nlmsg_flags & NLM_F_DUMP_INTR) interrupted_ = true;
  switch (header.nlmsg_type) {
    case NLMSG_NOOP:
      return std::nullopt;
    case NLMSG_DONE: {
      // It may carry the dump's own result: a negative errno when the dump failed part-way.
      const auto result = ReadStruct<int>(message.payload);
      if (result && *result < 0) return status(ReplyStatus::Outcome::Refused, -*result);
      return finished();
    }
    case NLMSG_ERROR:
      return ErrorStatus(message);
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
