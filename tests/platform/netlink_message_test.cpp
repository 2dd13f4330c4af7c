#include "platform/linux/netlink_message.h"

#include <gtest/gtest.h>
#include <linux/rtnetlink.h>

#include <cstring>
#include <vector>

namespace meterly::platform::netlink {
namespace {

using ByteVector = std::vector<std::byte>;

// Appends a raw attribute header with any length, true or not, followed by `payload`.
void appendRawAttribute(ByteVector& out, quint16 declaredLength, quint16 type, const ByteVector& payload = {}) {
  nlattr header{declaredLength, type};
  const auto* bytes = reinterpret_cast<const std::byte*>(&header);
  out.insert(out.end(), bytes, bytes + sizeof(header));
  out.insert(out.end(), payload.begin(), payload.end());
}

// Appends a raw message header with any length, followed by `payload`.
void appendRawMessage(ByteVector& out, quint32 declaredLength, quint16 type, const ByteVector& payload = {}) {
  nlmsghdr header{};
  header.nlmsg_len = declaredLength;
  header.nlmsg_type = type;
  const auto* bytes = reinterpret_cast<const std::byte*>(&header);
  out.insert(out.end(), bytes, bytes + sizeof(header));
  out.insert(out.end(), payload.begin(), payload.end());
}

// The bytes of a literal without its terminating NUL; embedded NULs are kept.
template <std::size_t N>
ByteVector bytesOf(const char (&text)[N]) {
  ByteVector out(N - 1);
  std::memcpy(out.data(), text, N - 1);
  return out;
}

std::vector<Attribute> readAll(AttributeCursor& cursor) {
  std::vector<Attribute> attributes;
  while (auto attribute = cursor.next()) attributes.push_back(*attribute);
  return attributes;
}

std::vector<Message> readAll(MessageCursor& cursor) {
  std::vector<Message> messages;
  while (auto message = cursor.next()) messages.push_back(*message);
  return messages;
}

TEST(NetlinkMessageTest, LastAttributeMayLackItsPadding) {
  ByteVector area;
  appendRawAttribute(area, 5, IFLA_OPERSTATE, bytesOf("\x06"));  // 5 bytes, no padding after it
  AttributeCursor cursor(asBytes(area));
  const auto read = readAll(cursor);
  EXPECT_FALSE(cursor.malformed());
  ASSERT_EQ(read.size(), 1u);
  EXPECT_EQ(read[0].payload.size(), 1u);
}

struct MalformedArea {
  const char* what;
  ByteVector bytes;
  std::size_t validBefore;  // attributes that can still be read before the damage
};

TEST(NetlinkMessageTest, MalformedAttributesStopTheWalkInsideTheBuffer) {
  ByteVector good;
  appendRawAttribute(good, 8, IFLA_MTU, bytesOf("\x00\x05\x00\x00"));

  std::vector<MalformedArea> cases;
  const auto add = [&](const char* what, quint16 length, const ByteVector& payload) {
    ByteVector bytes = good;
    appendRawAttribute(bytes, length, IFLA_IFNAME, payload);
    cases.push_back({what, bytes, 1});
  };
  add("zero length", 0, bytesOf("abcd"));
  add("length shorter than the attribute header", 3, bytesOf("abcd"));
  add("length past the end", 64, bytesOf("abcd"));
  add("length one past the end", 9, bytesOf("abcd"));
  ByteVector truncatedHeader = good;
  truncatedHeader.insert(truncatedHeader.end(), {std::byte{8}, std::byte{0}});
  cases.push_back({"header cut short", truncatedHeader, 1});
  cases.push_back({"nothing but a short header", ByteVector{std::byte{4}}, 0});

  for (const MalformedArea& c : cases) {
    AttributeCursor cursor(asBytes(c.bytes));
    EXPECT_EQ(readAll(cursor).size(), c.validBefore) << c.what;
    EXPECT_TRUE(cursor.malformed()) << c.what;
    EXPECT_FALSE(cursor.next()) << c.what << ": stays at the end";
  }
}

TEST(NetlinkMessageTest, MalformedMessagesStopTheWalkInsideTheBuffer) {
  const ByteVector good = MessageBuilder(RTM_NEWLINK, NLM_F_MULTI).appendStruct(ifinfomsg{}).bytes();

  std::vector<MalformedArea> cases;
  const auto add = [&](const char* what, quint32 length, const ByteVector& payload) {
    ByteVector bytes = good;
    appendRawMessage(bytes, length, RTM_NEWLINK, payload);
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
    MessageCursor cursor(asBytes(c.bytes));
    EXPECT_EQ(readAll(cursor).size(), c.validBefore) << c.what;
    EXPECT_TRUE(cursor.malformed()) << c.what;
  }
}

TEST(NetlinkMessageTest, TextEndsAtTheFirstNulOrAtTheEnd) {
  EXPECT_EQ(attributeText(asBytes(bytesOf("lo\0junk"))), QByteArray("lo"));
  EXPECT_EQ(attributeText(asBytes(bytesOf("no-terminator"))), QByteArray("no-terminator"));
  EXPECT_EQ(attributeText(Bytes{}), QByteArray());
}

}  // namespace
}  // namespace meterly::platform::netlink
