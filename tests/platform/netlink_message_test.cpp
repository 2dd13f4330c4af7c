#include "platform/linux/netlink_message.h"

#include <gtest/gtest.h>
#include <linux/rtnetlink.h>

#include <cstring>
#include <vector>

namespace meterly::platform::netlink {
namespace {

using ByteVector = std::vector<std::byte>;

// Appends a raw header (nlattr or nlmsghdr) with any length, true or not, followed by `payload`.
template <typename Header>
void AppendRaw(ByteVector& out, const Header& header, const ByteVector& payload = {}) {
  const Bytes bytes = ValueBytes(header);
  out.insert(out.end(), bytes.begin(), bytes.end());
  out.insert(out.end(), payload.begin(), payload.end());
}

// The bytes of a literal without its terminating NUL; embedded NULs are kept.
template <std::size_t N>
ByteVector BytesOf(const char (&text)[N]) {
  ByteVector out(N - 1);
  std::memcpy(out.data(), text, N - 1);
  return out;
}

// How many attributes or messages the cursor hands out before it stops.
template <typename Cursor>
std::size_t CountAll(Cursor& cursor) {
  std::size_t count = 0;
  while (cursor.Next()) ++count;
  return count;
}

TEST(NetlinkMessageTest, LastAttributeMayLackItsPadding) {
  ByteVector area;
  AppendRaw(area, nlattr{5, IFLA_OPERSTATE}, BytesOf("\x06"));  // 5 bytes, no padding after it
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
  std::size_t validBefore;  // attributes that can still be read before the damage
};

TEST(NetlinkMessageTest, MalformedAttributesStopTheWalkInsideTheBuffer) {
  ByteVector good;
  AppendRaw(good, nlattr{8, IFLA_MTU}, BytesOf("\x00\x05\x00\x00"));

  std::vector<MalformedArea> cases;
  const auto add = [&](const char* what, quint16 length, const ByteVector& payload) {
    ByteVector bytes = good;
    AppendRaw(bytes, nlattr{length, IFLA_IFNAME}, payload);
    cases.push_back({what, bytes, 1});
  };
  add("zero length", 0, BytesOf("abcd"));
  add("length shorter than the attribute header", 3, BytesOf("abcd"));
  add("length past the end", 64, BytesOf("abcd"));
  add("length one past the end", 9, BytesOf("abcd"));
  ByteVector truncatedHeader = good;
  truncatedHeader.insert(truncatedHeader.end(), {std::byte{8}, std::byte{0}});
  cases.push_back({"header cut short", truncatedHeader, 1});
  cases.push_back({"nothing but a short header", ByteVector{std::byte{4}}, 0});

  for (const MalformedArea& c : cases) {
    AttributeCursor cursor(AsBytes(c.bytes));
    EXPECT_EQ(CountAll(cursor), c.validBefore) << c.what;
    EXPECT_TRUE(cursor.Malformed()) << c.what;
    EXPECT_FALSE(cursor.Next()) << c.what << ": stays at the end";
  }
}

TEST(NetlinkMessageTest, MalformedMessagesStopTheWalkInsideTheBuffer) {
  const ByteVector good = MessageBuilder(RTM_NEWLINK, NLM_F_MULTI).AppendStruct(ifinfomsg{}).bytes();

  std::vector<MalformedArea> cases;
  const auto add = [&](const char* what, quint32 length, const ByteVector& payload) {
    ByteVector bytes = good;
    AppendRaw(bytes, nlmsghdr{length, RTM_NEWLINK, 0, 0, 0}, payload);
    cases.push_back({what, bytes, 1});
  };
  add("zero length", 0, ByteVector(16));
  add("length shorter than the message header", 15, ByteVector(16));
  add("length past the end", 4096, ByteVector(16));
  add("length one past the end", 33, ByteVector(16));
  ByteVector trailing = good;
  trailing.resize(trailing.size() + 6);
  cases.push_back({"a few trailing bytes", trailing, 1});

  for (const MalformedArea& c : cases) {
    MessageCursor cursor(AsBytes(c.bytes));
    EXPECT_EQ(CountAll(cursor), c.validBefore) << c.what;
    EXPECT_TRUE(cursor.Malformed()) << c.what;
  }
}

TEST(NetlinkMessageTest, TextEndsAtTheFirstNulOrAtTheEnd) {
  EXPECT_EQ(AttributeText(AsBytes(BytesOf("lo\0junk"))), QByteArray("lo"));
  EXPECT_EQ(AttributeText(AsBytes(BytesOf("no-terminator"))), QByteArray("no-terminator"));
  EXPECT_EQ(AttributeText(Bytes{}), QByteArray());
}

}  // namespace
}  // namespace meterly::platform::netlink
