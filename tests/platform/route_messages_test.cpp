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

MessageBuilder linkMessage(int index = 3, unsigned short type = ARPHRD_ETHER) {
  ifinfomsg header{};
  header.ifi_index = index;
  header.ifi_type = type;
  MessageBuilder builder(RTM_NEWLINK, 0);
  builder.AppendStruct(header).AppendTextAttribute(IFLA_IFNAME, "veth0");
  return builder;
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
TEST(RouteMessagesTest, SixtyFourBitCountersWinOverThirtyTwoBitOnesInEitherOrder) {
  const ByteVector statsFirst = linkMessage()
                                    .AppendAttribute(IFLA_STATS, ValueBytes(Stats32(1, 2)))
                                    .AppendAttribute(IFLA_STATS64, ValueBytes(Stats64(5'000'000'000ULL, 20)))
                                    .bytes();
  const ByteVector stats64First = linkMessage()
                                      .AppendAttribute(IFLA_STATS64, ValueBytes(Stats64(5'000'000'000ULL, 20)))
                                      .AppendAttribute(IFLA_STATS, ValueBytes(Stats32(1, 2)))
                                      .bytes();
  for (const ByteVector* message : {&statsFirst, &stats64First}) {
    const auto link = DecodeLinkMessage(PayloadOf(*message));
    ASSERT_TRUE(link && link->counters);
    EXPECT_EQ(link->counters->received, 5'000'000'000ULL);
    EXPECT_EQ(link->counters->sent, 20u);
  }
}

TEST(RouteMessagesTest, FallsBackOnThirtyTwoBitCountersAndToleratesShorterStructures) {
  const auto only32 = DecodeLinkMessage(
      PayloadOf(linkMessage().AppendAttribute(IFLA_STATS, ValueBytes(Stats32(4'000'000'000U, 9))).bytes()));
  ASSERT_TRUE(only32 && only32->counters);
  EXPECT_EQ(only32->counters->received, 4'000'000'000ULL);
  EXPECT_EQ(only32->counters->sent, 9u);

  // An older kernel's structure ends earlier; the byte counters are among its first fields.
  const auto full = Stats64(30, 40);
  const auto older = DecodeLinkMessage(
      PayloadOf(linkMessage()
                    .AppendAttribute(IFLA_STATS64, ValueBytes(full).first(offsetof(rtnl_link_stats64, rx_errors)))
                    .bytes()));
  ASSERT_TRUE(older && older->counters);
  EXPECT_EQ(older->counters->received, 30u);
  EXPECT_EQ(older->counters->sent, 40u);

  const auto none = DecodeLinkMessage(PayloadOf(linkMessage().bytes()));
  ASSERT_TRUE(none);
  EXPECT_FALSE(none->counters);
  EXPECT_TRUE(none->alias.isEmpty());
  EXPECT_TRUE(none->kind.isEmpty());
}

TEST(RouteMessagesTest, RejectsMalformedLinks) {
  const auto stats = Stats64(1, 2);
  ByteVector badNesting = EncodeAttribute(IFLA_INFO_KIND, BytesOfText("veth", 5));
  badNesting[0] = std::byte{200};  // nested length points past the outer attribute

  struct Case {
    const char* what;
    ByteVector message;
  };
  const Case cases[] = {
      {"statistics cut before tx_bytes",
       linkMessage()
           .AppendAttribute(IFLA_STATS64, ValueBytes(stats).first(offsetof(rtnl_link_stats64, tx_bytes) + 4))
           .bytes()},
      {"32-bit statistics cut short",
       linkMessage().AppendAttribute(IFLA_STATS, ValueBytes(Stats32(1, 2)).first(12)).bytes()},
      {"nested kind with a bad length", linkMessage().AppendAttribute(IFLA_LINKINFO, AsBytes(badNesting)).bytes()},
      {"no name", MessageBuilder(RTM_NEWLINK, 0).AppendStruct(ifinfomsg{}).bytes()},
  };
  for (const Case& c : cases) EXPECT_FALSE(DecodeLinkMessage(PayloadOf(c.message))) << c.what;

  const ByteVector good = linkMessage().bytes();
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
