#include "platform/linux/linux_address_watch.h"
#include "platform/linux/linux_address_table.h"
#include "platform/linux/linux_interface_table.h"
#include "private_network.h"

namespace meterly::platform::kerneltest {
namespace {

class LinuxAddressWatchTest : public PrivateNetworkTest {
 protected:
  void SetUp() override {
    PrivateNetworkTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    // A netlink socket belongs to the namespace it was opened in: tables and watch alike open in ours.
    interfaces.emplace();
    addresses.emplace();
    watch.emplace(*interfaces, *addresses);
    ASSERT_TRUE(watch->Available()) << watch->Failure().toStdString();
    EXPECT_TRUE(watch->Failure().isEmpty());
    // Links brought up just now may still report carrier changes for a moment.
    ASSERT_TRUE(WaitUntilQuiet()) << "the new namespace kept changing";
  }

  // True once a quarter of a second passes without a change.
  bool WaitUntilQuiet() {
    QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired()) {
      if (!watch->TakeChange()) {
        QThread::msleep(250);
        if (!watch->TakeChange()) return true;
      }
      QThread::msleep(20);
    }
    return false;
  }

  void AddAddress(const QString& address) { Ip(QStringLiteral("addr add %1 dev %2").arg(address, spare)); }

  void IpLink(const QString& arguments) { Ip(QStringLiteral("link set %1 %2").arg(spare, arguments)); }

  std::optional<LinuxInterfaceTable> interfaces;
  std::optional<LinuxAddressTable> addresses;
  std::optional<LinuxAddressChangeWatch> watch;
};

TEST_F(LinuxAddressWatchTest, AddressChangeFiresOnceForEverythingPending) {
  EXPECT_FALSE(watch->TakeChange()) << "nothing changed yet";
  AddAddress(QStringLiteral("192.0.2.1/24"));
  AddAddress(QStringLiteral("192.0.2.2/24"));

  EXPECT_TRUE(WaitUntil([&] { return watch->TakeChange(); }, 2000));
  EXPECT_FALSE(watch->TakeChange()) << "one call drains every pending change";
}

// What a laptop's kernel says every few seconds changes no interface, name or IPv4 address.
TEST_F(LinuxAddressWatchTest, NoiseIsNoChange) {
  AddAddress(QStringLiteral("192.0.2.1/24"));
  ASSERT_TRUE(WaitUntil([&] { return watch->TakeChange(); }, 2000));

  IpLink(QStringLiteral("alias noise"));
  IpLink(QStringLiteral("down"));
  IpLink(QStringLiteral("up"));
  IpLink(QStringLiteral("mtu 1400"));
  Ip(QStringLiteral("addr change 192.0.2.1/24 dev %1 valid_lft 300 preferred_lft 200").arg(spare));
  QThread::msleep(300);
  EXPECT_FALSE(watch->TakeChange());
}

TEST_F(LinuxAddressWatchTest, RenamedAddedAndRemovedLinksAreChanges) {
  IpLink(QStringLiteral("down"));
  ASSERT_TRUE(WaitUntilQuiet());
  IpLink(QStringLiteral("name renamed0"));
  EXPECT_TRUE(WaitUntil([&] { return watch->TakeChange(); }, 2000)) << "a rename";
  Ip(QStringLiteral("link set renamed0 name ") + spare);

  ASSERT_TRUE(WaitUntilQuiet());
  Ip(QStringLiteral("link add extra0 type veth peer name extra1"));
  EXPECT_TRUE(WaitUntil([&] { return watch->TakeChange(); }, 2000)) << "a new link";
  ASSERT_TRUE(WaitUntilQuiet());
  Ip(QStringLiteral("link del extra0"));
  EXPECT_TRUE(WaitUntil([&] { return watch->TakeChange(); }, 2000)) << "a removed link";
}

TEST_F(LinuxAddressWatchTest, FloodOfChangesIsReportedAndTheWatchGoesOnWorking) {
  // Far more notifications than the socket's receive buffer holds: some are lost (ENOBUFS).
  QStringList batch;
  for (int host = 1; host < 255; ++host) {
    for (const char* prefix : {"192.0.2.", "198.51.100.", "203.0.113."}) {
      batch << QStringLiteral("addr add %1%2/32 dev %3").arg(QLatin1String(prefix)).arg(host).arg(spare);
    }
  }
  Ip({QStringLiteral("-batch"), QStringLiteral("-")}, batch);

  EXPECT_TRUE(watch->TakeChange());
  EXPECT_FALSE(watch->TakeChange()) << "the overrun is drained along with the rest";

  Ip(QStringLiteral("addr del 192.0.2.1/32 dev ") + spare);
  EXPECT_TRUE(WaitUntil([&] { return watch->TakeChange(); }, 2000)) << "the watch still hears changes";
}

}  // namespace
}  // namespace meterly::platform::kerneltest
