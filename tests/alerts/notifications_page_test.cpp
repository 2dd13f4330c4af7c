#include "alerts/notifications_page.h"

#include "core/settings.h"

#include <QCheckBox>

#include <gtest/gtest.h>

namespace meterly {
namespace {

TEST(NotificationsPageTest, EveryValueGoesThroughThePageAndBack) {
  Settings stored;
  stored.EnableNotifications = true;
  stored.NotifyCondition = 6;
  stored.NotifyConditionAmountMb = 5000;
  stored.NotifyTimeMin = 90;
  stored.NotifySound = QStringLiteral("/usr/share/sounds/alarm.wav");
  stored.ExecProg = QStringLiteral("/opt/tools/on traffic.sh");
  TNotificationsPage page;
  Settings back;
  // Each action alone, so that a box wired to another bit shows.
  for (const quint8 bit : {NotifyAction::MsgAndSound, NotifyAction::ExecProg, NotifyAction::DropDialup,
                           NotifyAction::Shutdown, NotifyAction::ShowGraph}) {
    stored.NotifyActions = bit;
    page.SettingsToControls(stored);
    page.ControlsToSettings(back);
    EXPECT_EQ(back.NotifyActions, bit);
  }
  EXPECT_TRUE(page.cbShowGraphNotify->isChecked());  // the last action set
  EXPECT_FALSE(page.cbShutdown->isChecked());
  EXPECT_EQ(back.EnableNotifications, stored.EnableNotifications);
  EXPECT_EQ(back.NotifyCondition, stored.NotifyCondition);
  EXPECT_EQ(back.NotifyConditionAmountMb, stored.NotifyConditionAmountMb);
  EXPECT_EQ(back.NotifyTimeMin, stored.NotifyTimeMin);
  EXPECT_EQ(back.NotifySound, stored.NotifySound);
  EXPECT_EQ(back.ExecProg, stored.ExecProg);
}

}  // namespace
}  // namespace meterly
