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
  // Each action alone, so that a box wired to another bit shows.
  for (const quint8 bit : {NotifyAction::MsgAndSound, NotifyAction::ExecProg, NotifyAction::DropDialup,
                           NotifyAction::Shutdown, NotifyAction::ShowGraph}) {
    stored.NotifyActions = bit;
    TNotificationsPage page;
    page.SettingsToControls(stored);
    Settings back;
    page.ControlsToSettings(back);
    EXPECT_EQ(back.NotifyActions, bit);
    EXPECT_EQ(back.EnableNotifications, stored.EnableNotifications);
    EXPECT_EQ(back.NotifyCondition, stored.NotifyCondition);
    EXPECT_EQ(back.NotifyConditionAmountMb, stored.NotifyConditionAmountMb);
    EXPECT_EQ(back.NotifyTimeMin, stored.NotifyTimeMin);
    EXPECT_EQ(back.NotifySound, stored.NotifySound);
    EXPECT_EQ(back.ExecProg, stored.ExecProg);
  }
  TNotificationsPage page;
  page.SettingsToControls(stored);
  EXPECT_TRUE(page.cbShowGraphNotify->isChecked());
  EXPECT_FALSE(page.cbShutdown->isChecked());
}

}  // namespace
}  // namespace meterly
