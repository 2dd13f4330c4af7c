#include "platform/linux/linux_address_table.h"
#include "private_network.h"

namespace meterly::platform::kerneltest {
namespace {

bool contains(const std::vector<Ipv4AddressRow>& rows, quint32 ifIndex, quint32 address) {
  return std::any_of(rows.begin(), rows.end(),
                     [&](const Ipv4AddressRow& row) { return row.ifIndex == ifIndex && row.address == address; });
}

class LinuxAddressTableTest : public PrivateNetworkTest {
 protected:
  void SetUp() override {
    PrivateNetworkTest::SetUp();
    // A netlink socket belongs to the namespace it was opened in: open it in ours.
    if (!IsSkipped() && !HasFatalFailure()) table.emplace();
  }

  std::optional<LinuxAddressTable> table;
};

TEST_F(LinuxAddressTableTest, AddedAddressAppearsInHostOrderOnItsLink) {
  ASSERT_TRUE(table->available()) << table->failure().toStdString();
  const auto before = table->ipv4Addresses();
  ASSERT_TRUE(before);
  EXPECT_FALSE(contains(*before, indexOf(spare), 0xC0000201));

  ip({QStringLiteral("addr"), QStringLiteral("add"), QStringLiteral("192.0.2.1/24"), QStringLiteral("dev"), spare});
  ip({QStringLiteral("addr"), QStringLiteral("add"), QStringLiteral("198.51.100.7/32"), QStringLiteral("dev"),
      QStringLiteral("veth1")});

  const auto after = table->ipv4Addresses();
  ASSERT_TRUE(after);
  EXPECT_TRUE(contains(*after, indexOf(spare), 0xC0000201)) << "192.0.2.1 on " << spare.toStdString();
  EXPECT_TRUE(contains(*after, indexOf(QStringLiteral("veth1")), 0xC6336407)) << "198.51.100.7 on veth1";
  EXPECT_EQ(after->size(), before->size() + 2);
}

TEST_F(LinuxAddressTableTest, HundredsOfAddressesArriveCompleteInOneCall) {
  // Every address of the three documentation ranges but the network and broadcast ones.
  const QString prefixes[] = {QStringLiteral("192.0.2."), QStringLiteral("198.51.100."), QStringLiteral("203.0.113.")};
  QStringList batch;
  for (const QString& prefix : prefixes) {
    for (int host = 1; host < 255; ++host)
      batch << QStringLiteral("addr add %1%2/32 dev %3").arg(prefix).arg(host).arg(spare);
  }
  ip({QStringLiteral("-batch"), QStringLiteral("-")}, batch);

  const auto rows = table->ipv4Addresses();
  ASSERT_TRUE(rows);
  const quint32 firsts[] = {0xC0000200, 0xC6336400, 0xCB007100};
  for (const quint32 first : firsts) {
    for (quint32 host = 1; host < 255; ++host) {
      EXPECT_TRUE(contains(*rows, indexOf(spare), first + host)) << std::hex << first + host;
    }
  }
  EXPECT_EQ(rows->size(), 3u * 254u) << "only the addresses added here (loopback is down)";
}

}  // namespace
}  // namespace meterly::platform::kerneltest
