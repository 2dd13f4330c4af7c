#include "core/traffic_sources.h"
#include "base/assertion.h"
#include "fakes/fake_platform.h"

#include "support/expect_assertion.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>

namespace meterly {
namespace {

namespace IfType = platform::IfType;

using Octets = std::pair<quint64, quint64>;

class TrafficSourcesTest : public ::testing::Test {
 protected:
  fakes::FakePlatform platform;
  TrafficSources sources{platform.interfaces, platform.addresses};

  // The received and sent octets of a source; nullopt when it cannot be read.
  std::optional<Octets> Sample(const QString& guid) {
    const TAdapterEntry* entry = sources.FindSelectedAdapter(guid);
    EXPECT_NE(entry, nullptr) << guid.toStdString();
    return entry ? octets(sources.SampleCounters(*entry)) : std::nullopt;
  }

  static std::optional<Octets> octets(const std::optional<CounterReading>& reading) {
    if (!reading) return std::nullopt;
    return Octets{reading->In, reading->Out};
  }
};

TEST_F(TrafficSourcesTest, UnreadableTableLeavesExactlyTheThreeAggregates) {
  platform.AddInterface(2, QStringLiteral("eth0"), IfType::Ethernet, 100, 100);
  platform.interfaces.failing = true;
  sources.BuildAdapterList();
  ASSERT_EQ(sources.Adapters().size(), 3u);
  EXPECT_EQ(sources.Adapters()[0].Description, QStringLiteral("All Connections"));
  EXPECT_EQ(sources.Adapters()[0].Guid, QStringLiteral("{4FC25329-DAFD-49A9-9B80-8F203252ADE0}"));
  EXPECT_EQ(sources.Adapters()[0].Kind, akAllConnections);
  EXPECT_EQ(sources.Adapters()[1].Description, QStringLiteral("All Ethernet Connections"));
  EXPECT_EQ(sources.Adapters()[1].Guid, QStringLiteral("{F8D02686-A619-4B1E-82EC-A67126A255E2}"));
  EXPECT_EQ(sources.Adapters()[1].Kind, akAllEthernet);
  EXPECT_EQ(sources.Adapters()[2].Description, QStringLiteral("All Dial-up Connections"));
  EXPECT_EQ(sources.Adapters()[2].Guid, QStringLiteral("{F6C34987-34D0-4633-89FC-075131B63695}"));
  EXPECT_EQ(sources.Adapters()[2].Kind, akAllDialup);
  EXPECT_EQ(Sample(AllConnectionsGuid), std::nullopt) << "the table cannot be read";
}

TEST_F(TrafficSourcesTest, ListsEveryInterfaceButLoopbackAndFirewire) {
  platform.AddInterface(1, QStringLiteral("lo"), IfType::SoftwareLoopback);
  platform.AddInterface(2, QStringLiteral("enp3s0"), IfType::Ethernet).description = QStringLiteral("Büro");
  platform.AddInterface(3, QStringLiteral("wlan0"), IfType::Wireless);
  platform.AddInterface(4, QStringLiteral("veth1"), IfType::Tunnel);
  platform.AddInterface(5, QStringLiteral("ppp0"), IfType::Ppp).physAddr.clear();
  platform.AddInterface(6, QStringLiteral("fw0"), IfType::Ieee1394);
  platform.AddInterface(7, QStringLiteral("ib0"), IfType::Other).physAddr = QByteArray(20, '\x7f');
  sources.BuildAdapterList();

  ASSERT_EQ(sources.Adapters().size(), 8u);
  const TAdapterEntry& ethernet = sources.Adapters()[3];
  EXPECT_EQ(ethernet.Description, QStringLiteral("Büro"));
  EXPECT_EQ(ethernet.Guid, QStringLiteral("enp3s0"));
  EXPECT_EQ(ethernet.IfIndex, 2u);
  EXPECT_EQ(ethernet.Kind, akInterface);
  EXPECT_EQ(ethernet.PhysAddr, (std::array<quint8, 8>{2, 0, 0, 0, 0, 2, 0, 0}));
  EXPECT_EQ(sources.Adapters()[4].Guid, QStringLiteral("wlan0"));
  EXPECT_EQ(sources.Adapters()[5].Guid, QStringLiteral("veth1"));  // a single source, never summed
  EXPECT_EQ(sources.Adapters()[6].PhysAddr, (std::array<quint8, 8>{}));
  EXPECT_EQ(sources.Adapters()[7].PhysAddr, (std::array<quint8, 8>{0x7f, 0x7f, 0x7f, 0x7f, 0x7f, 0x7f, 0x7f, 0x7f}));
}

TEST_F(TrafficSourcesTest, EachInterfaceKeepsTheLastAddressOfTheTable) {
  platform.AddInterface(2, QStringLiteral("eth0"), IfType::Ethernet);
  platform.AddInterface(3, QStringLiteral("eth1"), IfType::Ethernet);
  platform.addresses.table = {{2, 0xC0000201}, {9, 0x0A000001}, {2, 0xC0000202}};
  sources.BuildAdapterList();
  sources.UpdateAdapterAddresses();
  EXPECT_EQ(sources.Adapters()[3].IpAddress, 0xC0000202u);
  EXPECT_EQ(sources.Adapters()[4].IpAddress, 0u);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(sources.Adapters()[i].IpAddress, 0u);

  platform.addresses.failing = true;  // a failing table changes nothing
  sources.UpdateAdapterAddresses();
  EXPECT_EQ(sources.Adapters()[3].IpAddress, 0xC0000202u);
}

TEST_F(TrafficSourcesTest, SelectionIsTheLastEntryWithTheExactIdentifier) {
  platform.AddInterface(2, QStringLiteral("eth0"), IfType::Ethernet);
  platform.AddInterface(3, QStringLiteral("eth0"), IfType::Ethernet);
  sources.BuildAdapterList();
  EXPECT_EQ(sources.FindSelectedAdapter(QStringLiteral("eth0"))->IfIndex, 3u);
  EXPECT_EQ(sources.FindSelectedAdapter(QStringLiteral("ETH0")), nullptr);
  EXPECT_EQ(sources.FindSelectedAdapter(QString()), nullptr);
}

TEST_F(TrafficSourcesTest, OneInterfaceIsFoundAgainByItsNameAtEverySample) {
  platform.AddInterface(2, QStringLiteral("eth0"), IfType::Ethernet, 1000, 2000);
  sources.BuildAdapterList();
  const TAdapterEntry entry = *sources.FindSelectedAdapter(QStringLiteral("eth0"));
  const std::optional<CounterReading> first = sources.SampleCounters(entry);
  EXPECT_EQ(octets(first), (Octets{1000, 2000}));

  platform.interfaces.table[0].index = 17;  // re-created under another index
  platform.interfaces.AddTraffic(QStringLiteral("eth0"), 5, 6);
  const std::optional<CounterReading> second = sources.SampleCounters(entry);
  EXPECT_EQ(octets(second), (Octets{1005, 2006}));
  ASSERT_TRUE(first && second);
  EXPECT_NE(first->Instances, second->Instances) << "another instance: its counters are not comparable";

  platform.interfaces.table.clear();  // gone
  EXPECT_EQ(sources.SampleCounters(entry), std::nullopt);
}

TEST_F(TrafficSourcesTest, AggregatesSumTheirTypesIn64Bits) {
  platform.AddInterface(1, QStringLiteral("lo"), IfType::SoftwareLoopback, 1u << 20, 1u << 20);
  platform.AddInterface(2, QStringLiteral("eth0"), IfType::Ethernet, 0xFFFFFFF0ull, 10);
  platform.AddInterface(3, QStringLiteral("eth1"), IfType::Ethernet, 0x20, 20);
  platform.AddInterface(4, QStringLiteral("wlan0"), IfType::Wireless, 300, 30);
  platform.AddInterface(5, QStringLiteral("ppp0"), IfType::Ppp, 4000, 40);
  platform.AddInterface(6, QStringLiteral("sl0"), IfType::Slip, 50000, 50);
  platform.AddInterface(7, QStringLiteral("docker0"), IfType::Tunnel, 600000, 60);
  sources.BuildAdapterList();
  EXPECT_EQ(Sample(QStringLiteral("docker0")), (Octets{600000, 60}));
  EXPECT_EQ(Sample(AllEthernetGuid), (Octets{0x100000010ull, 30}));
  EXPECT_EQ(Sample(AllDialupGuid), (Octets{54000, 90}));
  EXPECT_EQ(Sample(AllConnectionsGuid), (Octets{0x100000010ull + 300 + 54000, 150}));
}

TEST_F(TrafficSourcesTest, AggregatesCountAnAdapterListedTwiceOnce) {
  platform.AddInterface(2, QStringLiteral("eth0"), IfType::Ethernet, 1000, 500);
  platform.AddInterface(3, QStringLiteral("eth0-copy"), IfType::Ethernet, 1000, 500).physAddr =
      platform.interfaces.table[0].physAddr;
  // Different adapters that happen to have equal counters and no hardware address.
  platform.AddInterface(4, QStringLiteral("ppp0"), IfType::Ppp, 70, 7).physAddr.clear();
  platform.AddInterface(5, QStringLiteral("ppp1"), IfType::Ppp, 70, 7).physAddr.clear();
  // Equal counters but another hardware address: both count.
  platform.AddInterface(6, QStringLiteral("eth2"), IfType::Ethernet, 1000, 500);
  sources.BuildAdapterList();
  EXPECT_EQ(Sample(AllEthernetGuid), (Octets{2000, 1000}));
  EXPECT_EQ(Sample(AllDialupGuid), (Octets{70, 7}));
  EXPECT_EQ(Sample(AllConnectionsGuid), (Octets{2070, 1007}));
}

TEST_F(TrafficSourcesTest, AnAggregateKnowsItsMembersAndReadsZerosWithoutAny) {
  platform.AddInterface(2, QStringLiteral("eth0"), IfType::Ethernet, 1000, 500);
  platform.AddInterface(3, QStringLiteral("wlan0"), IfType::Wireless, 10, 5);
  sources.BuildAdapterList();
  EXPECT_EQ(Sample(AllDialupGuid), (Octets{0, 0})) << "a real reading of nothing, not a failure";
  const std::optional<CounterReading> all = sources.SampleCounters(*sources.FindSelectedAdapter(AllConnectionsGuid));
  ASSERT_TRUE(all);
  EXPECT_EQ(all->Instances,
            (std::vector<InterfaceInstance>{{2, QStringLiteral("eth0")}, {3, QStringLiteral("wlan0")}}));

  platform.interfaces.failing = true;
  EXPECT_EQ(Sample(AllConnectionsGuid), std::nullopt);
}

TEST_F(TrafficSourcesTest, AnUnknownKindIsAnInternalError) {
  TAdapterEntry bogus;
  bogus.Kind = static_cast<TAdapterKind>(9);
  testing_support::ExpectAssertion("Main", [&] { sources.SampleCounters(bogus); });
}

}  // namespace
}  // namespace meterly
