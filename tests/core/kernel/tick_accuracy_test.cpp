// The real tick on the real kernel with the real usage database: a veth link chosen through a
// real settings file, traffic of our own on it, and every counted second checked against the
// kernel's own counters, in memory and in the database, to the byte.
#include "core/main_tick.h"
#include "core/settings_store.h"
#include "platform/linux/linux_platform.h"
#include "platform/linux/private_network.h"
#include "store/disk_db.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

namespace meterly {
namespace {

using platform::kerneltest::PrivateNetworkTest;
using platform::kerneltest::sendFrames;

// Sums what the tick counts and hands it to the usage database, as the main form does.
class RecordingHandover : public TickHandover {
 public:
  explicit RecordingHandover(TDiskDB& db) : db_(db) {}

  void AddData(quint32 dialupSeconds, quint64 in, quint64 out) override {
    receivedSum += in;
    sentSum += out;
    ++countedSeconds;
    TSQLiteDB::LockGuard lock(db_);
    db_.AddData(dialupSeconds, static_cast<qint64>(in), static_cast<qint64>(out));
  }
  void FlushPending() override {
    db_.FlushPending();
    ++flushes;
  }

  quint64 receivedSum = 0;
  quint64 sentSum = 0;
  int countedSeconds = 0;
  int flushes = 0;

 private:
  TDiskDB& db_;
};

class AlwaysShownTray : public TrayIconHost {
 public:
  bool IsTrayIconShown() override { return true; }
  bool TryShowTrayIcon() override { return true; }
  void TrayIconFailedForGood() override {}
};

void writeSettingsFile(const QString& configHome) {
  const QString folder = configHome + QStringLiteral("/Corvane/Meterly");
  ASSERT_TRUE(QDir().mkpath(folder));
  QFile file(folder + QStringLiteral("/registry.reg"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Corvane\\Meterly\\Main]\n\"InterfaceGuid\"=\"veth1\"\n");
}

class TickAccuracyTest : public PrivateNetworkTest {};

TEST_F(TickAccuracyTest, CountedSecondsAddUpToTheKernelCountersToTheByte) {
  QTemporaryDir home;
  ASSERT_TRUE(home.isValid());
  setenv("XDG_CONFIG_HOME", qPrintable(home.path() + QStringLiteral("/config")), 1);
  setenv("XDG_DATA_HOME", qPrintable(home.path() + QStringLiteral("/data")), 1);
  ASSERT_NO_FATAL_FAILURE(writeSettingsFile(home.path() + QStringLiteral("/config")));

  // Created inside the private namespace, after the links exist, as the program would be.
  platform::LinuxPlatform platform;
  platform.registry().load();
  SettingsStore store(platform.registry());
  Settings settings;
  SettingsContext context;
  context.now = QDateTime::currentDateTime();
  LoadSettings(store, settings, context);
  ASSERT_EQ(settings.InterfaceGuid, QStringLiteral("veth1"));

  TDiskDB db(home.path() + QStringLiteral("/Meterly.db"), platform, settings);
  TrafficSources sources(platform.interfaceTable(), platform.addressTable());
  sources.BuildAdapterList();
  ASSERT_NE(sources.FindSelectedAdapter(settings.InterfaceGuid), nullptr);
  RecordingHandover handover(db);
  AlwaysShownTray tray;
  MainTick tick(settings, sources, platform.addressChangeWatch(), tray, handover);
  platform.addressChangeWatch().takeChange();  // the links' own creation is not a change to react to

  // Traffic both ways before the baseline, so that no counter reads zero; it is not counted.
  ASSERT_TRUE(sendFrames(QStringLiteral("veth0"), 3, 600).isEmpty());
  ASSERT_TRUE(sendFrames(QStringLiteral("veth1"), 2, 600).isEmpty());
  tick.TimerTimer();
  ASSERT_EQ(tick.SampleTicks, 1u);
  const quint64 baselineIn = tick.CurIn;
  const quint64 baselineOut = tick.CurOut;

  std::mt19937 random(7);
  constexpr int kSeconds = 75;  // past one flush at the sixtieth counted second
  for (int second = 0; second < kSeconds; ++second) {
    const int frames = std::uniform_int_distribution<int>(0, 40)(random);
    if (frames > 0) {
      ASSERT_TRUE(sendFrames(QStringLiteral("veth0"), frames, 60 + 19 * (second % 70)).isEmpty());
    }
    ASSERT_TRUE(sendFrames(QStringLiteral("veth1"), 1 + second % 3, 100).isEmpty());
    tick.TimerTimer();
  }
  ASSERT_EQ(tick.SampleTicks, static_cast<quint32>(kSeconds + 1)) << "the sampling was resynchronised on the way";
  EXPECT_EQ(handover.flushes, 1);
  db.FlushPending();  // as the exit path does

  const std::optional<platform::InterfaceRow> now = platform.interfaceTable().rowByName(QStringLiteral("veth1"));
  ASSERT_TRUE(now.has_value());
  EXPECT_EQ(handover.countedSeconds, kSeconds);
  EXPECT_EQ(handover.receivedSum, now->inOctets - baselineIn);
  EXPECT_EQ(handover.sentSum, now->outOctets - baselineOut);

  TSQLiteDB::LockGuard lock(db);
  const TotalsSince recorded = db.GetTotalsSince(UserFilter{});
  EXPECT_EQ(db.PendingIn(), 0);
  EXPECT_EQ(static_cast<quint64>(recorded.Totals.DataIn), now->inOctets - baselineIn);
  EXPECT_EQ(static_cast<quint64>(recorded.Totals.DataOut), now->outOctets - baselineOut);
}

}  // namespace
}  // namespace meterly
