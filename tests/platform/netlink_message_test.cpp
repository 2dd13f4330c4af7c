#include "platform/linux/netlink_message.h"

#include <gtest/gtest.h>
#include <linux/rtnetlink.h>

#include <array>
#include <cstring>
#include <vector>

namespace meterly::platform::netlink {
namespace {

using ByteVector = std::vector<std::byte>;

// `bytes`, then a raw header (or a piece of one) with any length, true or not, then `payload`.
template <typename Header>
ByteVector Then(ByteVector bytes, const Header& header, const ByteVector& payload = {}) {
  const Bytes raw = ValueBytes(header);
  bytes.insert(bytes.end(), raw.begin(), raw.end());
  bytes.insert(bytes.end(), payload.begin(), payload.end());
  return bytes;
}

// The bytes of a literal without its terminating NUL; embedded NULs are kept.
template <std::size_t N>
ByteVector BytesOf(const char (&text)[N]) {
  ByteVector out(N - 1);
  std::memcpy(out.data(), text, N - 1);
  return out;
}

TEST(NetlinkMessageTest, LastAttributeMayLackItsPadding) {
  const ByteVector area = Then({}, nlattr{5, IFLA_OPERSTATE}, BytesOf("\x06"));  // 5 bytes, no padding after it
  AttributeCursor cursor(AsBytes(area));
  const auto read = cursor.Next();
  ASSERT_TRUE(read);
  EXPECT_EQ(read->payload.size(), 1u);
  EXPECT_FALSE(cursor.Next());
  EXPECT_FALSE(cursor.Malformed());
}

struct MalformedArea {
  const char* what;
  ByteVector bytes;
  std::size_t validBefore;  // attributes or messages that can still be read before the damage
};

// The walk hands out what comes before the damage, then stops inside the buffer for good.
template <typename Cursor>
void ExpectWalksStop(const std::vector<MalformedArea>& cases) {
  for (const MalformedArea& c : cases) {
    SCOPED_TRACE(c.what);
    Cursor cursor(AsBytes(c.bytes));
    std::size_t count = 0;
    while (cursor.Next()) ++count;
    EXPECT_EQ(count, c.validBefore);
    EXPECT_TRUE(cursor.Malformed());
    EXPECT_FALSE(cursor.Next()) << "stays at the end";
  }
}

TEST(NetlinkMessageTest, MalformedAttributesStopTheWalkInsideTheBuffer) {
  const ByteVector good = Then({}, nlattr{8, IFLA_MTU}, BytesOf("\x00\x05\x00\x00"));
  const auto after = [&](quint16 length) { return Then(good, nlattr{length, IFLA_IFNAME}, BytesOf("abcd")); };
  ExpectWalksStop<AttributeCursor>({
      {"zero length", after(0), 1},
      {"length shorter than the attribute header", after(3), 1},
      {"length past the end", after(64), 1},
      {"length one past the end", after(9), 1},
      {"header cut short", Then(good, quint16{8}), 1},
      {"nothing but a short header", ByteVector{std::byte{4}}, 0},
  });
}

TEST(NetlinkMessageTest, MalformedMessagesStopTheWalkInsideTheBuffer) {
  const ByteVector good = MessageBuilder(RTM_NEWLINK, NLM_F_MULTI).AppendStruct(ifinfomsg{}).bytes();
  const auto after = [&](quint32 length) { return Then(good, nlmsghdr{length, RTM_NEWLINK, 0, 0, 0}, ByteVector(16)); };
  ExpectWalksStop<MessageCursor>({
      {"zero length", after(0), 1},
      {"length shorter than the message header", after(15), 1},
      {"length past the end", after(4096), 1},
      {"length one past the end", after(33), 1},
      {"a few trailing bytes", Then(good, std::array<std::byte, 6>{}), 1},
  });
}

TEST(NetlinkMessageTest, TextEndsAtTheFirstNulOrAtTheEnd) {
  EXPECT_EQ(AttributeText(AsBytes(BytesOf("lo\0junk"))), QByteArray("lo"));
  EXPECT_EQ(AttributeText(AsBytes(BytesOf("no-terminator"))), QByteArray("no-terminator"));
  EXPECT_EQ(AttributeText(Bytes{}), QByteArray());
}

}  // namespace
}  // namespace meterly::platform::netlink
