// The real tick on the real kernel: a veth link chosen through a real settings file, traffic
// of our own on it, and every counted second added up against the kernel's own counters.
#include "core/main_tick.h"
#include "core/settings_store.h"
#include "platform/linux/linux_address_table.h"
#include "platform/linux/linux_address_watch.h"
#include "platform/linux/linux_interface_table.h"
#include "platform/linux/linux_registry_file.h"
#include "platform/linux/private_network.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>

namespace meterly {
namespace {

using platform::kerneltest::PrivateNetworkTest;
using platform::kerneltest::sendFrames;

class SummingHandover : public TickHandover {
 public:
  void AddData(quint32, quint64 in, quint64 out) override {
    receivedSum += in;
    sentSum += out;
    ++countedSeconds;
  }
  quint64 receivedSum = 0;
  quint64 sentSum = 0;
  int countedSeconds = 0;
};

class AlwaysShownTray : public TrayIconHost {
 public:
  bool IsTrayIconShown() override { return true; }
  bool TryShowTrayIcon() override { return true; }
  void TrayIconFailedForGood() override {}
};

// Settings as a user would leave them: a settings file that names the veth link.
Settings settingsFromFile(const QString& folder) {
  const QString path = folder + QStringLiteral("/registry.reg");
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Corvane\\Meterly\\Main]\n\"InterfaceGuid\"=\"veth1\"\n");
  file.close();
  platform::LinuxRegistryFile registryFile(path);
  platform::Registry registry(registryFile);
  registry.load();
  SettingsStore store(registry);
  Settings settings;
  SettingsContext context;
  context.now = QDateTime::currentDateTime();
  LoadSettings(store, settings, context);
  return settings;
}

class TickAccuracyTest : public PrivateNetworkTest {};

TEST_F(TickAccuracyTest, CountedSecondsAddUpToTheKernelCountersToTheByte) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const Settings settings = settingsFromFile(folder.path());
  ASSERT_EQ(settings.InterfaceGuid, QStringLiteral("veth1"));

  // Opened inside the private namespace, after the links exist.
  platform::LinuxInterfaceTable interfaces;
  platform::LinuxAddressTable addresses;
  platform::LinuxAddressChangeWatch watch;
  TrafficSources sources(interfaces, addresses);
  sources.BuildAdapterList();
  ASSERT_NE(sources.FindSelectedAdapter(settings.InterfaceGuid), nullptr);
  SummingHandover handover;
  AlwaysShownTray tray;
  MainTick tick(settings, sources, watch, tray, handover);

  // Traffic before the baseline must not be counted; a zero counter would count nothing.
  ASSERT_TRUE(sendFrames(QStringLiteral("veth0"), 3, 600).isEmpty());
  ASSERT_TRUE(sendFrames(QStringLiteral("veth1"), 2, 600).isEmpty());
  tick.TimerTimer();
  ASSERT_EQ(tick.SampleTicks, 1u);
  const quint64 baselineIn = tick.CurIn;
  const quint64 baselineOut = tick.CurOut;
  ASSERT_GT(baselineIn, 0u);
  ASSERT_GT(baselineOut, 0u);

  std::mt19937 random(7);
  for (int second = 0; second < 30; ++second) {
    const int frames = std::uniform_int_distribution<int>(0, 40)(random);
    if (frames > 0) {
      ASSERT_TRUE(sendFrames(QStringLiteral("veth0"), frames, 60 + 37 * second).isEmpty());
    }
    // veth1 sends too, so both directions move.
    ASSERT_TRUE(sendFrames(QStringLiteral("veth1"), 1 + second % 3, 100).isEmpty());
    tick.TimerTimer();
  }
  ASSERT_EQ(tick.SampleTicks, 31u) << "the sampling was resynchronised on the way";

  const std::optional<platform::InterfaceRow> now = interfaces.rowByName(QStringLiteral("veth1"));
  ASSERT_TRUE(now.has_value());
  EXPECT_EQ(handover.countedSeconds, 30);
  EXPECT_EQ(handover.receivedSum, now->inOctets - baselineIn);
  EXPECT_EQ(handover.sentSum, now->outOctets - baselineOut);
  EXPECT_GT(handover.receivedSum, 30u * 60u);
}

}  // namespace
}  // namespace meterly
