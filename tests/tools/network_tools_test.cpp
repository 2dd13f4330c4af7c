#include "tools/network_tools.h"
#include "fakes/fake_icmp.h"
#include "tools/ping_form.h"
#include "tools/trace_route_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QPointer>
#include <QSpinBox>

#include <gtest/gtest.h>

namespace meterly {
namespace {

TEST(NetworkToolsTest, AWindowIsFilledFromTheSettingsAndWritesThemBackWhenClosed) {
  fakes::FakeIcmpService icmp;
  Settings settings;
  int saves = 0;
  TNetworkTools tools(icmp, settings, [&saves] { ++saves; });
  settings.Ping = {QStringLiteral("a.example,b.example"), 7, 3000};
  tools.ActionPingExecute();
  QPointer<TPingForm> ping = tools.PingForm();
  ASSERT_TRUE(ping);
  EXPECT_TRUE(ping->isVisible());
  EXPECT_EQ(ping->windowModality(), Qt::ApplicationModal);
  EXPECT_EQ(ping->SpinAttempts->value(), 7);
  EXPECT_EQ(ping->SpinTimeOut->value(), 3000);
  EXPECT_EQ(ping->HostHistory(), (QStringList{"a.example", "b.example"}));
  EXPECT_EQ(ping->cmbHostName->currentText(), QString()) << "the host box starts empty";

  tools.ActionPingExecute();
  EXPECT_EQ(tools.PingForm(), ping.data()) << "one ping window at a time";

  ping->SpinAttempts->setValue(5);
  ping->SetHostHistory({"c.example", "a.example", "b.example"});
  ping->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(ping) << "the closed window is freed";
  EXPECT_EQ(settings.Ping.EchoPackets, 5);
  EXPECT_EQ(settings.Ping.HostName, QStringLiteral("c.example,a.example,b.example"));
  EXPECT_EQ(saves, 1);

  settings.TraceRoute = {QStringLiteral("t.example"), false, 2000};
  tools.ActionTraceRouteExecute();
  ASSERT_TRUE(tools.TraceRouteForm());
  EXPECT_FALSE(tools.TraceRouteForm()->cbEnableResolving->isChecked());
  tools.TraceRouteForm()->cbEnableResolving->setChecked(true);
  tools.TraceRouteForm()->close();
  EXPECT_TRUE(settings.TraceRoute.EnableResolving);
  EXPECT_EQ(saves, 2);
}

}  // namespace
}  // namespace meterly
