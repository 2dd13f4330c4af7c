#include "app/speed_meters.h"

#include "display/speed_meter_form.h"
#include "fakes/fake_platform.h"
#include "support/windows.h"

#include <QAction>
#include <QToolButton>

#include <gtest/gtest.h>

namespace meterly {
namespace {

class SpeedMetersTest : public ::testing::Test {
 protected:
  SpeedMetersTest() {
    platform.AddInterface(2, QStringLiteral("veth1"), platform::IfType::Ethernet).description =
        QStringLiteral("test link");
    sources.BuildAdapterList();
    settings.InterfaceGuid = QStringLiteral("veth1");
  }

  fakes::FakePlatform platform;
  TrafficSources sources{platform.interfaces, platform.addresses};
  Settings settings;
  QAction action{QStringLiteral("网速测试(&A)")};
  TSpeedMeters meters{settings, sources};
};

TEST_F(SpeedMetersTest, EveryTriggerOpensAnotherWindowOnTheSelectedSourceAndEachTickReachesAll) {
  action.setEnabled(false);  // as the tray offers it before the meters take it over
  meters.AttachAction(&action);
  EXPECT_TRUE(action.isEnabled());
  action.trigger();
  action.trigger();
  const QList<TSpeedMeterForm*> windows = meters.Windows();
  ASSERT_EQ(windows.size(), 2);
  EXPECT_TRUE(windows[1]->isVisible());
  EXPECT_EQ(windows[1]->windowTitle(), QStringLiteral("网速测试 (test link)"));
  EXPECT_TRUE(windows[0]->windowFlags().testFlag(Qt::WindowStaysOnTopHint));

  for (TSpeedMeterForm* window : windows) window->tbStart->click();
  meters.SpeedMeterStep(700, 70);
  EXPECT_EQ(windows[0]->Meter().TotalIn(), 700u);
  EXPECT_EQ(windows[1]->Meter().TotalOut(), 70u);

  int helps = 0;
  QObject::connect(&meters, &TSpeedMeters::helpRequested, [&helps] { ++helps; });
  windows[0]->tbHelp->click();
  EXPECT_EQ(helps, 1);

  windows[0]->close();
  testing_support::RunDeferredDeletes();
  EXPECT_EQ(meters.Windows(), QList<TSpeedMeterForm*>{windows[1]}) << "a closed window is freed";
  meters.SpeedMeterStep(1, 1);  // only the open one is fed
  meters.CloseAll();
  testing_support::RunDeferredDeletes();
  EXPECT_TRUE(meters.Windows().isEmpty());
}

}  // namespace
}  // namespace meterly
