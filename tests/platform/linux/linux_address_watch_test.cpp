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
    ASSERT_TRUE(watch->available()) << watch->failure().toStdString();
    EXPECT_TRUE(watch->failure().isEmpty());
    // Links brought up just now may still report carrier changes for a moment.
    ASSERT_TRUE(waitUntilQuiet()) << "the new namespace kept changing";
  }

  // True once a quarter of a second passes without a change.
  bool waitUntilQuiet() {
    QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired()) {
      if (!watch->takeChange()) {
        QThread::msleep(250);
        if (!watch->takeChange()) return true;
      }
      QThread::msleep(20);
    }
    return false;
  }

  void addAddress(const QString& address) { ip(QStringLiteral("addr add %1 dev %2").arg(address, spare)); }

  void ipLink(const QString& arguments) { ip(QStringLiteral("link set %1 %2").arg(spare, arguments)); }

  std::optional<LinuxInterfaceTable> interfaces;
  std::optional<LinuxAddressTable> addresses;
  std::optional<LinuxAddressChangeWatch> watch;
};

TEST_F(LinuxAddressWatchTest, AddressChangeFiresOnceForEverythingPending) {
  EXPECT_FALSE(watch->takeChange()) << "nothing changed yet";
  addAddress(QStringLiteral("192.0.2.1/24"));
  addAddress(QStringLiteral("192.0.2.2/24"));

  EXPECT_TRUE(waitUntil([&] { return watch->takeChange(); }, 2000));
  EXPECT_FALSE(watch->takeChange()) << "one call drains every pending change";
}

// What a laptop's kernel says every few seconds: none of it changes the interfaces, their
// names or their IPv4 addresses.
TEST_F(LinuxAddressWatchTest, NoiseIsNoChange) {
  addAddress(QStringLiteral("192.0.2.1/24"));
  ASSERT_TRUE(waitUntil([&] { return watch->takeChange(); }, 2000));

  ipLink(QStringLiteral("alias noise"));
  ipLink(QStringLiteral("down"));
  ipLink(QStringLiteral("up"));
  ipLink(QStringLiteral("mtu 1400"));
  ip(QStringLiteral("addr change 192.0.2.1/24 dev %1 valid_lft 300 preferred_lft 200").arg(spare));
  QThread::msleep(300);
  EXPECT_FALSE(watch->takeChange());
}

TEST_F(LinuxAddressWatchTest, RenamedAddedAndRemovedLinksAreChanges) {
  ipLink(QStringLiteral("down"));
  ASSERT_TRUE(waitUntilQuiet());
  ipLink(QStringLiteral("name renamed0"));
  EXPECT_TRUE(waitUntil([&] { return watch->takeChange(); }, 2000)) << "a rename";
  ip(QStringLiteral("link set renamed0 name ") + spare);

  ASSERT_TRUE(waitUntilQuiet());
  ip(QStringLiteral("link add extra0 type veth peer name extra1"));
  EXPECT_TRUE(waitUntil([&] { return watch->takeChange(); }, 2000)) << "a new link";
  ASSERT_TRUE(waitUntilQuiet());
  ip(QStringLiteral("link del extra0"));
  EXPECT_TRUE(waitUntil([&] { return watch->takeChange(); }, 2000)) << "a removed link";
}

TEST_F(LinuxAddressWatchTest, FloodOfChangesIsReportedAndTheWatchGoesOnWorking) {
  // Far more notifications than the socket's receive buffer holds: some are lost (ENOBUFS).
  QStringList batch;
  for (int host = 1; host < 255; ++host) {
    for (const char* prefix : {"192.0.2.", "198.51.100.", "203.0.113."}) {
      batch << QStringLiteral("addr add %1%2/32 dev %3").arg(QLatin1String(prefix)).arg(host).arg(spare);
    }
  }
  ip({QStringLiteral("-batch"), QStringLiteral("-")}, batch);

  EXPECT_TRUE(watch->takeChange());
  EXPECT_FALSE(watch->takeChange()) << "the overrun is drained along with the rest";

  ip(QStringLiteral("addr del 192.0.2.1/32 dev ") + spare);
  EXPECT_TRUE(waitUntil([&] { return watch->takeChange(); }, 2000)) << "the watch still hears changes";
}

}  // namespace
}  // namespace meterly::platform::kerneltest
