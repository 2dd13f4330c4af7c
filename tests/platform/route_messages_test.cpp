#include "platform/linux/route_messages.h"

#include <gtest/gtest.h>
#include <linux/if_arp.h>
#include <linux/if_link.h>
#include <linux/rtnetlink.h>
#include <sys/socket.h>

#include <cstring>
#include <vector>

namespace meterly::platform::netlink {
namespace {

using ByteVector = std::vector<std::byte>;

Bytes BytesOfText(const char* text, std::size_t size) { return Bytes(reinterpret_cast<const std::byte*>(text), size); }

// The payload of a message (what follows the netlink header).
Bytes PayloadOf(const ByteVector& message) { return AsBytes(message).subspan(NLMSG_ALIGN(sizeof(nlmsghdr))); }

// A link message for veth0: its header and name, then the given attributes in that order.
ByteVector LinkWith(std::initializer_list<std::pair<quint16, Bytes>> attributes = {}) {
  ifinfomsg header{};
  header.ifi_index = 3;
  header.ifi_type = ARPHRD_ETHER;
  MessageBuilder builder(RTM_NEWLINK, 0);
  builder.AppendStruct(header).AppendTextAttribute(IFLA_IFNAME, "veth0");
  for (const auto& [type, payload] : attributes) builder.AppendAttribute(type, payload);
  return builder.bytes();
}

rtnl_link_stats64 Stats64(quint64 received, quint64 sent) {
  rtnl_link_stats64 stats{};
  stats.rx_bytes = received;
  stats.tx_bytes = sent;
  stats.rx_packets = 1;  // neighbours of the byte counters must not leak into them
  stats.tx_packets = 2;
  stats.rx_errors = 3;
  return stats;
}

rtnl_link_stats Stats32(quint32 received, quint32 sent) {
  rtnl_link_stats stats{};
  stats.rx_bytes = received;
  stats.tx_bytes = sent;
  stats.rx_packets = 1;
  stats.rx_errors = 3;
  return stats;
}

// The other fields of a link are read by the kernel tests of the interface table.
TEST(RouteMessagesTest, CountersComeFromTheSixtyFourBitStatisticsWhereTheyAreGivenInEitherOrder) {
  const rtnl_link_stats64 stats64 = Stats64(5'000'000'000ULL, 20);
  const rtnl_link_stats stats32 = Stats32(4'000'000'000U, 9);
  const Bytes wide = ValueBytes(stats64);
  const Bytes narrow = ValueBytes(stats32);
  const struct {
    const char* what;
    ByteVector message;
    quint64 received;
    quint64 sent;
  } cases[] = {
      {"32-bit first", LinkWith({{IFLA_STATS, narrow}, {IFLA_STATS64, wide}}), 5'000'000'000ULL, 20},
      {"64-bit first", LinkWith({{IFLA_STATS64, wide}, {IFLA_STATS, narrow}}), 5'000'000'000ULL, 20},
      {"32-bit only", LinkWith({{IFLA_STATS, narrow}}), 4'000'000'000ULL, 9},
      {"an older kernel's shorter structure, which still holds the byte counters",
       LinkWith({{IFLA_STATS64, wide.first(offsetof(rtnl_link_stats64, rx_errors))}}), 5'000'000'000ULL, 20},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto link = DecodeLinkMessage(PayloadOf(c.message));
    ASSERT_TRUE(link && link->counters);
    EXPECT_EQ(link->counters->received, c.received);
    EXPECT_EQ(link->counters->sent, c.sent);
  }

  const auto none = DecodeLinkMessage(PayloadOf(LinkWith()));
  ASSERT_TRUE(none);
  EXPECT_FALSE(none->counters);
  EXPECT_TRUE(none->alias.isEmpty());
  EXPECT_TRUE(none->kind.isEmpty());
}

TEST(RouteMessagesTest, RejectsMalformedLinks) {
  const auto stats = Stats64(1, 2);
  const auto stats32 = Stats32(1, 2);
  ByteVector badNesting = EncodeAttribute(IFLA_INFO_KIND, BytesOfText("veth", 5));
  badNesting[0] = std::byte{200};  // nested length points past the outer attribute

  struct Case {
    const char* what;
    ByteVector message;
  };
  const Case cases[] = {
      {"statistics cut before tx_bytes",
       LinkWith({{IFLA_STATS64, ValueBytes(stats).first(offsetof(rtnl_link_stats64, tx_bytes) + 4)}})},
      {"32-bit statistics cut short", LinkWith({{IFLA_STATS, ValueBytes(stats32).first(12)}})},
      {"nested kind with a bad length", LinkWith({{IFLA_LINKINFO, AsBytes(badNesting)}})},
      {"no name", MessageBuilder(RTM_NEWLINK, 0).AppendStruct(ifinfomsg{}).bytes()},
  };
  for (const Case& c : cases) EXPECT_FALSE(DecodeLinkMessage(PayloadOf(c.message))) << c.what;

  const ByteVector good = LinkWith();
  EXPECT_FALSE(DecodeLinkMessage(PayloadOf(good).first(sizeof(ifinfomsg) - 1))) << "header cut short";
  EXPECT_FALSE(DecodeLinkMessage(PayloadOf(good).first(PayloadOf(good).size() - 4))) << "attribute cut short";
}

TEST(RouteMessagesTest, AddressPrefersTheLocalAddressAndRejectsDamage) {
  ifaddrmsg header{};
  header.ifa_family = AF_INET;
  header.ifa_index = 4;
  const char peer[] = {10, 0, 0, 2};
  const char local[] = {10, 0, 0, 1};
  const ByteVector pointToPoint = MessageBuilder(RTM_NEWADDR, NLM_F_MULTI)
                                      .AppendStruct(header)
                                      .AppendAttribute(IFA_ADDRESS, BytesOfText(peer, 4))
                                      .AppendAttribute(IFA_LOCAL, BytesOfText(local, 4))
                                      .bytes();
  const auto address = DecodeAddressMessage(PayloadOf(pointToPoint));
  ASSERT_TRUE(address);
  EXPECT_EQ(address->family, AF_INET);
  EXPECT_EQ(address->index, 4u);
  EXPECT_EQ(address->address, QByteArray(local, 4));

  const ByteVector addressOnly =
      MessageBuilder(RTM_NEWADDR, 0).AppendStruct(header).AppendAttribute(IFA_ADDRESS, BytesOfText(peer, 4)).bytes();
  EXPECT_EQ(DecodeAddressMessage(PayloadOf(addressOnly))->address, QByteArray(peer, 4));

  EXPECT_FALSE(DecodeAddressMessage(PayloadOf(addressOnly).first(sizeof(ifaddrmsg) - 1))) << "header cut short";
  EXPECT_FALSE(DecodeAddressMessage(PayloadOf(pointToPoint).first(PayloadOf(pointToPoint).size() - 2)))
      << "attribute cut short";
}

}  // namespace
}  // namespace meterly::platform::netlink
