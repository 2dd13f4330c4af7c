#include "app/main_meterly_form.h"
#include "core/settings_store.h"
#include "fakes/fake_platform.h"
#include "tools/ping_form.h"
#include "ui/about_window.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace meterly {
namespace {

class MainFormNetworkToolsTest : public ::testing::Test {
 protected:
  MainFormNetworkToolsTest() {
    platform.session.data = folder.filePath(QStringLiteral("data"));
    platform.session.allUsersData = folder.filePath(QStringLiteral("all-users"));
    store = std::make_unique<SettingsStore>(platform.registry());
  }

  void Create() { form = std::make_unique<TMainMeterlyForm>(platform, settings, *store, CommandLineSwitches{}); }

  QAction& Item(const char* name) { return *form->TrayMenu().Item(QLatin1String(name)); }

  QTemporaryDir folder;
  fakes::FakePlatform platform;
  Settings settings;
  std::unique_ptr<SettingsStore> store;
  std::unique_ptr<TMainMeterlyForm> form;
};

TEST_F(MainFormNetworkToolsTest, WithoutIcmpBothItemsAreDisabled) {
  platform.icmpFake.unavailable = QStringLiteral("no ICMP socket (fake)");
  Create();
  EXPECT_FALSE(Item("pmiPing").isEnabled());
  EXPECT_FALSE(Item("pmiTraceRoute").isEnabled());
  EXPECT_EQ(Item("pmiTraceRoute").text(), QStringLiteral("路由跟踪 (&T)..."));

  form->TrayMenu().Item(QStringLiteral("pmiAbout"))->trigger();  // the About window says why
  TAboutWindow* about = nullptr;
  const auto windows = QApplication::topLevelWidgets();
  for (QWidget* window : windows) {
    if (auto* candidate = qobject_cast<TAboutWindow*>(window)) about = candidate;
  }
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(about->LabelNote->text().contains(QStringLiteral("no ICMP socket (fake)")));
  about->close();
}

TEST_F(MainFormNetworkToolsTest, ThePingItemOpensTheWindowAndExitStopsItsRun) {
  platform.icmpFake.waitOutTimeouts = true;
  settings.Ping.TimeOut = 10000;
  Create();
  ASSERT_TRUE(Item("pmiPing").isEnabled());
  ASSERT_TRUE(Item("pmiTraceRoute").isEnabled());
  Item("pmiPing").trigger();
  TPingForm* ping = nullptr;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->isVisible() && window->objectName() == QStringLiteral("PingForm"))
      ping = qobject_cast<TPingForm*>(window);
  }
  ASSERT_NE(ping, nullptr);
  ping->cmbHostName->setEditText(QStringLiteral("192.0.2.1"));
  ping->PingButton->click();
  ASSERT_TRUE(ping->Running());

  form->ExitApplication();
  EXPECT_FALSE(ping->Running()) << "the exit path stops the worker";
  EXPECT_EQ(platform.icmpFake.cancels(), 1);
  EXPECT_EQ(settings.Ping.HostName, QStringLiteral("192.0.2.1")) << "the window's values reach the settings";
}

}  // namespace
}  // namespace meterly
