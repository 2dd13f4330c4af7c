#include "app/main_meterly_form.h"
#include "core/settings_store.h"
#include "fakes/fake_platform.h"
#include "support/windows.h"
#include "tools/net_stat_form.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QTableWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace meterly {
namespace {

std::vector<TNetStatForm*> OpenNetStatForms() {
  std::vector<TNetStatForm*> forms;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (auto* form = qobject_cast<TNetStatForm*>(window); form != nullptr && form->isVisible()) forms.push_back(form);
  }
  return forms;
}

TEST(MainFormNetStatTest, TheTrayItemOpensOneListThatCopiesThroughTheReportWritersAndFreesItselfOnClose) {
  QTemporaryDir folder;
  fakes::FakePlatform platform;
  platform.session.data = folder.filePath(QStringLiteral("data"));
  platform.session.allUsersData = folder.filePath(QStringLiteral("all-users"));
  platform.socketsFake.table = {fakes::UdpRow(fakes::Ipv4(0, 0, 0, 0), 68)};
  Settings settings;
  settings.EnableGridLines = false;
  SettingsStore store(platform.registry());
  TMainMeterlyForm main(platform, settings, store, CommandLineSwitches{});

  QAction& item = *main.TrayMenu().Item(QStringLiteral("pmiNetStat"));
  ASSERT_TRUE(item.isEnabled());
  item.trigger();
  item.trigger();
  QCoreApplication::processEvents();
  const std::vector<TNetStatForm*> forms = OpenNetStatForms();
  ASSERT_EQ(forms.size(), 1u) << "a second click raises the open window";
  TNetStatForm& form = *forms.front();
  EXPECT_FALSE(form.ListView->showGrid());
  ASSERT_EQ(form.ListView->rowCount(), 1);

  form.ActionCopyAll->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->text(),
            QStringLiteral("应用程序\t协议\t本地地址\t远程地址\t状态\r\n====\t==\t====\t====\t==\r\n"
                           "System\tUDP\t0.0.0.0: 68\t*.*.*.*: *\t\r\n"));

  form.close();
  testing_support::RunDeferredDeletes();
  EXPECT_TRUE(QApplication::topLevelWidgets().indexOf(&form) < 0) << "closing frees the window";

  item.trigger();
  ASSERT_EQ(OpenNetStatForms().size(), 1u);
  TNetStatForm* escaped = OpenNetStatForms().front();
  escaped->reject();
  testing_support::RunDeferredDeletes();
  EXPECT_TRUE(QApplication::topLevelWidgets().indexOf(escaped) < 0) << "so does Escape";
}

}  // namespace
}  // namespace meterly
