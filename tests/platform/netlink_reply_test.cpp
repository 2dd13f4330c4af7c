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

ByteVector message(quint16 type, quint16 flags, quint32 sequence = kSequence, int index = 0) {
  ifinfomsg link{};
  link.ifi_index = index;
  ByteVector bytes = MessageBuilder(type, flags).appendStruct(link).bytes();
  writeValueAt(bytes, offsetof(nlmsghdr, nlmsg_seq), sequence);
  return bytes;
}

ByteVector messageWithCode(quint16 type, int code, quint32 sequence = kSequence) {
  ByteVector bytes = MessageBuilder(type, NLM_F_MULTI).appendStruct(code).bytes();
  writeValueAt(bytes, offsetof(nlmsghdr, nlmsg_seq), sequence);
  return bytes;
}

ByteVector linkPart(int index, quint16 extraFlags = 0) {
  return message(RTM_NEWLINK, NLM_F_MULTI | extraFlags, kSequence, index);
}
ByteVector done() { return message(NLMSG_DONE, NLM_F_MULTI); }

ByteVector datagram(std::initializer_list<ByteVector> messages) {
  ByteVector out;
  for (const ByteVector& m : messages) out.insert(out.end(), m.begin(), m.end());
  return out;
}

// Feeds datagrams to a reader and records which link indexes it handed over.
class ReplyReaderTest : public ::testing::Test {
 protected:
  std::optional<ReplyStatus> feed(const ByteVector& bytes) { return reader.feed(asBytes(bytes)); }

  std::vector<int> indexes;
  ReplyReader reader{kSequence,
                     [this](const Message& m) { indexes.push_back(readStruct<ifinfomsg>(m.payload)->ifi_index); }};
};

// A dump over many datagrams is read from the kernel in the interface table's tests.
TEST_F(ReplyReaderTest, SkipsWhatAnswersAnEarlierRequest) {
  const ByteVector stale =
      datagram({message(RTM_NEWLINK, NLM_F_MULTI, kSequence - 1, 99), message(NLMSG_DONE, NLM_F_MULTI, kSequence - 1),
                messageWithCode(NLMSG_ERROR, -EBUSY, kSequence - 1)});
  EXPECT_FALSE(feed(stale));
  const auto status = feed(datagram({message(NLMSG_NOOP, 0), linkPart(5), done()}));
  ASSERT_TRUE(status);
  EXPECT_EQ(status->outcome, Outcome::Complete);
  EXPECT_EQ(indexes, std::vector<int>{5});
}

struct EndCase {
  const char* what;
  ByteVector ending;
  Outcome outcome;
  int error;
};

TEST(ReplyReaderEndTest, ErrorsAndInterruptionsEndTheReply) {
  ByteVector truncatedError = MessageBuilder(NLMSG_ERROR, 0).bytes();
  writeValueAt(truncatedError, offsetof(nlmsghdr, nlmsg_seq), kSequence);
  ByteVector garbage = datagram({linkPart(1)});
  garbage.resize(garbage.size() + 3);

  const EndCase cases[] = {
      {"kernel refuses", datagram({messageWithCode(NLMSG_ERROR, -ENODEV)}), Outcome::Refused, ENODEV},
      {"acknowledgement", datagram({messageWithCode(NLMSG_ERROR, 0)}), Outcome::Complete, 0},
      {"single answer", datagram({message(RTM_NEWLINK, 0)}), Outcome::Complete, 0},
      {"error without its code", truncatedError, Outcome::Broken, EBADMSG},
      {"dump failed part-way", datagram({linkPart(1), messageWithCode(NLMSG_DONE, -EMSGSIZE)}), Outcome::Refused,
       EMSGSIZE},
      {"done with a zero result", datagram({linkPart(1), messageWithCode(NLMSG_DONE, 0)}), Outcome::Complete, 0},
      {"dump interrupted", datagram({linkPart(1, NLM_F_DUMP_INTR), linkPart(2), done()}), Outcome::Interrupted, 0},
      {"malformed datagram", garbage, Outcome::Broken, EBADMSG},
  };
  for (const EndCase& c : cases) {
    ReplyReader reader(kSequence, [](const Message&) {});
    const auto status = reader.feed(asBytes(c.ending));
    ASSERT_TRUE(status) << c.what;
    EXPECT_EQ(status->outcome, c.outcome) << c.what;
    EXPECT_EQ(status->error, c.error) << c.what;
  }
}

}  // namespace
}  // namespace meterly::platform::netlink
