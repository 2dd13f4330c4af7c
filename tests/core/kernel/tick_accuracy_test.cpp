// The real tick, kernel, settings file and usage database, on a veth link that has not received yet and on one
// created again under traffic.
// (That every byte the kernel counts reaches the database is proven end to end, on the program itself.)
#include "core/main_tick.h"
#include "core/settings_store.h"
#include "platform/linux/linux_platform.h"
#include "platform/linux/private_network.h"
#include "store/disk_db.h"
#include "support/files.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

namespace meterly {
namespace {

using platform::kerneltest::PrivateNetworkTest;
using platform::kerneltest::SendFrames;

// Sums what the tick counts and hands it to the usage database, as the main form does.
class RecordingHandover : public TickHandover {
 public:
  explicit RecordingHandover(TDiskDB& db) : db_(db) {}

  void AddData(quint32 dialupSeconds, quint64 in, quint64 out) override {
    receivedSum += in;
    TSQLiteDB::LockGuard lock(db_);
    db_.AddData(dialupSeconds, static_cast<qint64>(in), static_cast<qint64>(out));
  }
  void FlushPending() override { db_.FlushPending(); }

  quint64 receivedSum = 0;

 private:
  TDiskDB& db_;
};

class AlwaysShownTray : public TrayIconHost {
 public:
  bool IsTrayIconShown() override { return true; }
  bool TryShowTrayIcon() override { return true; }
  void TrayIconFailedForGood() override {}
};

// The program's parts as start-up joins them, made in the namespace once the links exist; the settings choose veth1.
class TickAccuracyTest : public PrivateNetworkTest {
 protected:
  void SetUp() override {
    PrivateNetworkTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    ASSERT_TRUE(home.isValid());
    setenv("XDG_CONFIG_HOME", qPrintable(home.path() + QStringLiteral("/config")), 1);
    setenv("XDG_DATA_HOME", qPrintable(home.path() + QStringLiteral("/data")), 1);
    testing_support::WriteFile(home.path() + QStringLiteral("/config/Corvane/Meterly/registry.reg"),
                               "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Corvane\\Meterly\\Main]\n"
                               "\"InterfaceGuid\"=\"veth1\"\n");
    platform.emplace();
    platform->registry().Load();
    SettingsStore store(platform->registry());
    SettingsContext context;
    context.now = QDateTime::currentDateTime();
    LoadSettings(store, settings, context);
    ASSERT_EQ(settings.InterfaceGuid, QStringLiteral("veth1"));
    db.emplace(home.path() + QStringLiteral("/Meterly.db"), *platform, settings);
    sources.emplace(platform->interfaceTable(), platform->addressTable());
    sources->BuildAdapterList();
    ASSERT_NE(sources->FindSelectedAdapter(settings.InterfaceGuid), nullptr);
    handover.emplace(*db);
    tick.emplace(settings, *sources, platform->addressChangeWatch(), tray, *handover);
  }

  quint64 RecordedIn() {
    db->FlushPending();
    TSQLiteDB::LockGuard lock(*db);
    return static_cast<quint64>(db->GetTotalsSince(UserFilter{}).Totals.DataIn);
  }

  QTemporaryDir home;
  std::optional<platform::LinuxPlatform> platform;
  Settings settings;
  std::optional<TDiskDB> db;
  std::optional<TrafficSources> sources;
  std::optional<RecordingHandover> handover;
  AlwaysShownTray tray;
  std::optional<MainTick> tick;
};

// A receive-only link whose counter reads 0 at the start is counted from its first byte.
TEST_F(TickAccuracyTest, ALinkThatHasNotReceivedYetIsCountedFromItsFirstByte) {
  const auto received = [this] {
    return platform->interfaceTable().RowByName(QStringLiteral("veth1")).value_or(platform::InterfaceRow{}).inOctets;
  };
  ASSERT_EQ(received(), 0u) << "a fresh link";
  tick->TimerTimer();
  for (int second = 0; second < 5; ++second) {
    ASSERT_TRUE(SendFrames(QStringLiteral("veth0"), 4, 500).isEmpty());
    tick->TimerTimer();
  }
  EXPECT_EQ(received(), 5u * 4u * 500u);
  EXPECT_EQ(handover->receivedSum, received());
  EXPECT_EQ(RecordedIn(), received());
}

// The new link's counters start afresh, which must never show as traffic; at most the second of the change is lost.
TEST_F(TickAccuracyTest, ALinkCreatedAgainUnderTrafficAddsNoPhantom) {
  ASSERT_TRUE(SendFrames(QStringLiteral("veth0"), 50, 1400).isEmpty());  // the old link's counters are high
  tick->TimerTimer();
  for (int second = 0; second < 3; ++second) {
    ASSERT_TRUE(SendFrames(QStringLiteral("veth0"), 5, 1000).isEmpty());
    tick->TimerTimer();
  }
  const quint64 countedBefore = handover->receivedSum;
  EXPECT_EQ(countedBefore, 15000u);

  Ip(QStringLiteral("link del veth0"));
  tick->TimerTimer();                                             // veth1 is gone with its peer
  CreateLink(QStringLiteral("veth0 type veth peer name veth1"));  // veth0 comes up with it
  Ip(QStringLiteral("link set veth1 up"));
  ASSERT_TRUE(SendFrames(QStringLiteral("veth0"), 2, 700).isEmpty());  // the transition second
  tick->TimerTimer();
  for (int second = 0; second < 4; ++second) {
    ASSERT_TRUE(SendFrames(QStringLiteral("veth0"), 3, 900).isEmpty());
    tick->TimerTimer();
  }
  const quint64 afterChange = handover->receivedSum - countedBefore;
  EXPECT_EQ(afterChange, 4u * 3u * 900u) << "only what the new link received after its first reading";
  EXPECT_EQ(RecordedIn(), handover->receivedSum);
}

}  // namespace
}  // namespace meterly
