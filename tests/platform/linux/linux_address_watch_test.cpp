#include "platform/linux/linux_address_watch.h"
#include "private_network.h"

namespace meterly::platform::kerneltest {
namespace {

class LinuxAddressWatchTest : public PrivateNetworkTest {
 protected:
  void SetUp() override {
    PrivateNetworkTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    // A netlink socket belongs to the namespace it was opened in: open it in ours.
    watch.emplace();
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

  void addAddress(const QString& address) {
    ip({QStringLiteral("addr"), QStringLiteral("add"), address, QStringLiteral("dev"), spare});
  }

  std::optional<LinuxAddressChangeWatch> watch;
};

TEST_F(LinuxAddressWatchTest, AddressChangeFiresOnceForEverythingPending) {
  EXPECT_FALSE(watch->takeChange()) << "nothing changed yet";
  addAddress(QStringLiteral("192.0.2.1/24"));
  addAddress(QStringLiteral("192.0.2.2/24"));
  ip({QStringLiteral("link"), QStringLiteral("set"), spare, QStringLiteral("alias"), QStringLiteral("x")});

  EXPECT_TRUE(waitUntil([&] { return watch->takeChange(); }, 2000));
  EXPECT_FALSE(watch->takeChange()) << "one call drains every pending change";
}

TEST_F(LinuxAddressWatchTest, LinkChangesCountToo) {
  ip({QStringLiteral("link"), QStringLiteral("set"), spare, QStringLiteral("down")});
  EXPECT_TRUE(waitUntil([&] { return watch->takeChange(); }, 2000));
  EXPECT_FALSE(watch->takeChange());
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

  ip({QStringLiteral("addr"), QStringLiteral("del"), QStringLiteral("192.0.2.1/32"), QStringLiteral("dev"), spare});
  EXPECT_TRUE(waitUntil([&] { return watch->takeChange(); }, 2000)) << "the watch still hears changes";
}

}  // namespace
}  // namespace meterly::platform::kerneltest
