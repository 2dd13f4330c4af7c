#include "support/main_form_on_veth.h"
#include "support/windows.h"
#include "tools/net_stat_form.h"
#include "tools/ping_form.h"
#include "ui/about_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include <gtest/gtest.h>

#include <vector>

namespace meterly {
namespace {

using testing_support::VisibleTopLevel;

class MainFormNetworkToolsTest : public testing_support::MainFormOnVethLater {
 protected:
  QAction& Item(const char* name) { return *form->TrayMenu().Item(QLatin1String(name)); }
};

TEST_F(MainFormNetworkToolsTest, WithoutIcmpBothItemsAreDisabled) {
  platform.icmpFake.unavailable = QStringLiteral("no ICMP socket (fake)");
  Create();
  EXPECT_FALSE(Item("pmiPing").isEnabled());
  EXPECT_FALSE(Item("pmiTraceRoute").isEnabled());

  Item("pmiAbout").trigger();  // the About window says why
  const std::vector<TAboutWindow*> about = VisibleTopLevel<TAboutWindow>();
  ASSERT_EQ(about.size(), 1u);
  EXPECT_TRUE(about[0]->LabelNote->text().contains(QStringLiteral("no ICMP socket (fake)")));
  about[0]->close();
}

TEST_F(MainFormNetworkToolsTest, ThePingItemOpensTheWindowAndExitStopsItsRun) {
  platform.icmpFake.waitOutTimeouts = true;
  settings.Ping.TimeOut = 10000;
  Create();
  ASSERT_TRUE(Item("pmiTraceRoute").isEnabled());
  Item("pmiPing").trigger();
  const std::vector<TPingForm*> ping = VisibleTopLevel<TPingForm>();
  ASSERT_EQ(ping.size(), 1u);
  ping[0]->cmbHostName->setEditText(QStringLiteral("192.0.2.1"));
  ping[0]->PingButton->click();
  ASSERT_TRUE(ping[0]->Running());

  form->ExitApplication();
  EXPECT_FALSE(ping[0]->Running()) << "the exit path stops the worker";
  EXPECT_EQ(platform.icmpFake.Cancels(), 1);
  EXPECT_EQ(settings.Ping.HostName, QStringLiteral("192.0.2.1")) << "the window's values reach the settings";
}

TEST_F(MainFormNetworkToolsTest, TheNetStatItemOpensOneListThatCopiesThroughTheReportWritersAndFreesItselfOnClose) {
  platform.socketsFake.table = {fakes::UdpRow(fakes::Ipv4(0, 0, 0, 0), 68)};
  settings.EnableGridLines = false;
  Create();
  QAction& item = Item("pmiNetStat");
  item.trigger();
  item.trigger();
  QCoreApplication::processEvents();
  const std::vector<TNetStatForm*> forms = VisibleTopLevel<TNetStatForm>();
  ASSERT_EQ(forms.size(), 1u) << "a second click raises the open window";
  TNetStatForm& list = *forms.front();
  EXPECT_FALSE(list.ListView->showGrid());
  ASSERT_EQ(list.ListView->rowCount(), 1);

  list.ActionCopyAll->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->text(),
            QStringLiteral("应用程序\t协议\t本地地址\t远程地址\t状态\r\n====\t==\t====\t====\t==\r\n"
                           "System\tUDP\t0.0.0.0: 68\t*.*.*.*: *\t\r\n"));

  list.close();
  testing_support::RunDeferredDeletes();
  EXPECT_TRUE(QApplication::topLevelWidgets().indexOf(&list) < 0) << "closing frees the window";

  item.trigger();
  ASSERT_EQ(VisibleTopLevel<TNetStatForm>().size(), 1u);
  TNetStatForm* escaped = VisibleTopLevel<TNetStatForm>().front();
  escaped->reject();
  testing_support::RunDeferredDeletes();
  EXPECT_TRUE(QApplication::topLevelWidgets().indexOf(escaped) < 0) << "so does Escape";
}

}  // namespace
}  // namespace meterly
