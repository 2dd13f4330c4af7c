#include "platform/linux/netlink_reply.h"

#include <gtest/gtest.h>
#include <linux/rtnetlink.h>

#include <cerrno>
#include <cstddef>
#include <vector>

namespace meterly::platform::netlink {
namespace {

using ByteVector = std::vector<std::byte>;
using Outcome = ReplyStatus::Outcome;

constexpr quint32 kSequence = 42;

ByteVector WithSequence(ByteVector bytes, quint32 sequence = kSequence) {
  WriteValueAt(bytes, offsetof(nlmsghdr, nlmsg_seq), sequence);
  return bytes;
}

ByteVector message(quint16 type, quint16 flags, quint32 sequence = kSequence, int index = 0) {
  ifinfomsg link{};
  link.ifi_index = index;
  return WithSequence(MessageBuilder(type, flags).AppendStruct(link).bytes(), sequence);
}

ByteVector MessageWithCode(quint16 type, int code, quint32 sequence = kSequence) {
  return WithSequence(MessageBuilder(type, NLM_F_MULTI).AppendStruct(code).bytes(), sequence);
}

ByteVector LinkPart(int index, quint16 extraFlags = 0) {
  return message(RTM_NEWLINK, NLM_F_MULTI | extraFlags, kSequence, index);
}
ByteVector Done() { return message(NLMSG_DONE, NLM_F_MULTI); }

ByteVector datagram(std::initializer_list<ByteVector> messages) {
  ByteVector out;
  for (const ByteVector& m : messages) out.insert(out.end(), m.begin(), m.end());
  return out;
}

// A dump over many datagrams is read from the kernel in the interface table's tests.
TEST(ReplyReaderTest, SkipsWhatAnswersAnEarlierRequest) {
  std::vector<int> indexes;
  ReplyReader reader(kSequence,
                     [&](const Message& m) { indexes.push_back(ReadStruct<ifinfomsg>(m.payload)->ifi_index); });
  const ByteVector stale =
      datagram({message(RTM_NEWLINK, NLM_F_MULTI, kSequence - 1, 99), message(NLMSG_DONE, NLM_F_MULTI, kSequence - 1),
                MessageWithCode(NLMSG_ERROR, -EBUSY, kSequence - 1)});
  EXPECT_FALSE(reader.Feed(AsBytes(stale)));
  const auto status = reader.Feed(AsBytes(datagram({message(NLMSG_NOOP, 0), LinkPart(5), Done()})));
  ASSERT_TRUE(status);
  EXPECT_EQ(status->outcome, Outcome::Complete);
  EXPECT_EQ(indexes, std::vector<int>{5});
}

TEST(ReplyReaderTest, ErrorsAndInterruptionsEndTheReply) {
  const ByteVector truncatedError = WithSequence(MessageBuilder(NLMSG_ERROR, 0).bytes());
  ByteVector garbage = datagram({LinkPart(1)});
  garbage.resize(garbage.size() + 3);

  const struct {
    const char* what;
    ByteVector ending;
    Outcome outcome;
    int error;
  } cases[] = {
      {"kernel refuses", datagram({MessageWithCode(NLMSG_ERROR, -ENODEV)}), Outcome::Refused, ENODEV},
      {"acknowledgement", datagram({MessageWithCode(NLMSG_ERROR, 0)}), Outcome::Complete, 0},
      {"single answer", datagram({message(RTM_NEWLINK, 0)}), Outcome::Complete, 0},
      {"error without its code", truncatedError, Outcome::Broken, EBADMSG},
      {"dump failed part-way", datagram({LinkPart(1), MessageWithCode(NLMSG_DONE, -EMSGSIZE)}), Outcome::Refused,
       EMSGSIZE},
      {"done with a zero result", datagram({LinkPart(1), MessageWithCode(NLMSG_DONE, 0)}), Outcome::Complete, 0},
      {"dump interrupted", datagram({LinkPart(1, NLM_F_DUMP_INTR), LinkPart(2), Done()}), Outcome::Interrupted, 0},
      {"malformed datagram", garbage, Outcome::Broken, EBADMSG},
  };
  for (const auto& c : cases) {
    ReplyReader reader(kSequence, [](const Message&) {});
    const auto status = reader.Feed(AsBytes(c.ending));
    ASSERT_TRUE(status) << c.what;
    EXPECT_EQ(status->outcome, c.outcome) << c.what;
    EXPECT_EQ(status->error, c.error) << c.what;
  }
}

}  // namespace
}  // namespace meterly::platform::netlink
