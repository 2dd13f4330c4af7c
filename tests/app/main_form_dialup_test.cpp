#include "app/main_meterly_form.h"
#include "core/settings_store.h"
#include "display/tray_text.h"
#include "fakes/fake_platform.h"
#include "store/disk_db.h"

#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace meterly {
namespace {

using platform::IfType::Ethernet;

class MainFormDialupTest : public ::testing::Test {
 protected:
  MainFormDialupTest() {
    platform.session.data = folder.filePath(QStringLiteral("data"));
    platform.session.allUsersData = platform.session.data;
    platform.addInterface(2, QStringLiteral("veth9"), Ethernet, 1000, 1000);
    settings.InterfaceGuid = QStringLiteral("veth9");
    store = std::make_unique<SettingsStore>(platform.registry());
  }

  void Create() { form = std::make_unique<TMainMeterlyForm>(platform, settings, *store, CommandLineSwitches{}); }

  // Counted ticks after the first (a baseline).
  void Ticks(int counted) {
    for (int i = 0; i <= counted; ++i) {
      platform.interfaces.addTraffic(QStringLiteral("veth9"), 10, 1);
      form->Tick().TimerTimer();
    }
  }

  static int VisibleMessageBoxes() {
    int boxes = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (window->isVisible() && qobject_cast<QMessageBox*>(window) != nullptr) ++boxes;
    }
    return boxes;
  }

  QTemporaryDir folder;
  fakes::FakePlatform platform;
  Settings settings;
  std::unique_ptr<SettingsStore> store;
  std::unique_ptr<TMainMeterlyForm> form;
};

TEST_F(MainFormDialupTest, WithoutDialupSupportThereIsNoLoggerNoMessageAndNoDialupTime) {
  platform.dialupFake.setAvailable(false);
  platform.dialupFake.connect(QStringLiteral("ppp0"), 7);  // not to be seen
  Create();
  EXPECT_FALSE(platform.dialupFake.watchOpen());
  EXPECT_EQ(VisibleMessageBoxes(), 0);
  Ticks(3);
  TSQLiteDB::LockGuard lock(*form->UsageDatabase());
  EXPECT_EQ(form->UsageDatabase()->PendingDialup(), 0u);
}

TEST_F(MainFormDialupTest, EachCountedSecondWithALinkUpIsDialupTimeShownByTheTrayUntilExitStopsTheLogger) {
  platform.dialupFake.connect(QStringLiteral("ppp0"), 7);
  Create();
  EXPECT_TRUE(platform.dialupFake.watchOpen());
  Ticks(3);
  platform.dialupFake.disconnect(QStringLiteral("ppp0"));
  Ticks(2);

  settings.TrayIconMode = TrayIconModes::DialupDuration;
  TrayTextFigures figures;
  figures.Period = ReadTrayPeriod(form->UsageDatabase(), TrayIconModes::DialupDuration);
  ASSERT_TRUE(figures.Period.Totals.has_value());
  EXPECT_EQ(figures.Period.Totals->Totals.DialupDuration, 3);
  EXPECT_EQ(TrayText(settings, figures).Title, QStringLiteral("Dialup Duration"));

  form->ExitApplication(false);
  EXPECT_FALSE(platform.dialupFake.watchOpen()) << "the exit path stops and frees the logger";
}

}  // namespace
}  // namespace meterly
