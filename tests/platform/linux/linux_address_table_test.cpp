#include "platform/linux/linux_address_table.h"
#include "private_network.h"

namespace meterly::platform::kerneltest {
namespace {

bool Contains(const std::vector<Ipv4AddressRow>& rows, quint32 ifIndex, quint32 address) {
  return std::any_of(rows.begin(), rows.end(),
                     [&](const Ipv4AddressRow& row) { return row.ifIndex == ifIndex && row.address == address; });
}

using LinuxAddressTableTest = PrivateNetworkTest;

TEST_F(LinuxAddressTableTest, AddedAddressAppearsInHostOrderOnItsLink) {
  LinuxAddressTable table;  // made here, so that it opens its socket in this test's namespace
  ASSERT_TRUE(table.Available()) << table.Failure().toStdString();
  const auto before = table.Ipv4Addresses();
  ASSERT_TRUE(before);
  EXPECT_FALSE(Contains(*before, IndexOf(spare), 0xC0000201));

  Ip(QStringLiteral("addr add 192.0.2.1/24 dev ") + spare);
  Ip(QStringLiteral("addr add 198.51.100.7/32 dev veth1"));

  const auto after = table.Ipv4Addresses();
  ASSERT_TRUE(after);
  EXPECT_TRUE(Contains(*after, IndexOf(spare), 0xC0000201)) << "192.0.2.1 on " << spare.toStdString();
  EXPECT_TRUE(Contains(*after, IndexOf(QStringLiteral("veth1")), 0xC6336407)) << "198.51.100.7 on veth1";
  EXPECT_EQ(after->size(), before->size() + 2);
}

}  // namespace
}  // namespace meterly::platform::kerneltest
