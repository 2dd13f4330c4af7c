#include "display/tray_menu.h"

#include "store/qt_printing.h"
#include "support/expect_assertion.h"
#include "support/tray_test_actions.h"

#include <QAction>
#include <QSignalBlocker>

#include <gtest/gtest.h>

#include <memory>

namespace meterly {
namespace {

using testing_support::ExpectAssertion;

class TrayMenuTest : public ::testing::Test {
 protected:
  TTrayMenu& Menu() {
    if (!menu) menu = std::make_unique<TTrayMenu>(actions, [this] { return conditions; });
    return *menu;
  }

  QAction& Item(const char* name) {
    QAction* item = Menu().Item(QString::fromLatin1(name));
    if (item == nullptr) throw std::runtime_error(std::string("no item ") + name);
    return *item;
  }

  testing_support::OwnedTrayActions owned;
  TrayMenuActions& actions = owned.actions;
  TrayMenuConditions conditions;
  std::unique_ptr<TTrayMenu> menu;
};

TEST_F(TrayMenuTest, TheWindowsThatDoNotExistYetAreOfferedDisabled) {
  for (const char* name : {"pmiSpeedMeter", "pmiTotals", "Quota1", "pmiTraceRoute", "pmiPing", "pmiNetStat"}) {
    EXPECT_TRUE(Item(name).isVisible()) << name;
    EXPECT_FALSE(Item(name).isEnabled()) << name;
  }

  // Once a window exists the main form brings its own action, which is left as it is.
  TrayMenuActions later = actions;
  QAction stats(QStringLiteral("使用统计(&U)"));
  later.ActionUsageStats = &stats;
  CreateActionsOfMissingWindows(later, &owned.owner);
  EXPECT_EQ(later.ActionUsageStats, &stats);
  EXPECT_TRUE(stats.isEnabled());
}

TEST_F(TrayMenuTest, ItemsComeInTheirOrder) {
  QStringList order;
  for (const QAction* item : Menu().actions()) order << item->objectName();
  EXPECT_EQ(order, (QStringList{"pmiGraph", "pmiResetGraph", "pmiEnableClickThrough", "pmiSpeedMeter", "pmiTotals",
                                "Quota1", "pmiOptions", "pmiTraceRoute", "pmiPing", "pmiNetStat", "N4", "pmiHelp",
                                "pmiAbout", "pmiExit"}));
}

TEST_F(TrayMenuTest, AnItemTriggersItsActionAndFollowsItsChanges) {
  int usageStats = 0;
  QObject::connect(actions.ActionUsageStats, &QAction::triggered, [&usageStats] { ++usageStats; });
  actions.ActionUsageStats->setEnabled(true);
  actions.ActionUsageStats->setText(QStringLiteral("Usage"));
  EXPECT_TRUE(Item("pmiTotals").isEnabled());
  EXPECT_EQ(Item("pmiTotals").text(), QStringLiteral("Usage"));
  Item("pmiTotals").trigger();
  EXPECT_EQ(usageStats, 1);

  // The graph toggle checks itself: the item's mark and the action's state stay one.
  Item("pmiGraph").trigger();
  EXPECT_TRUE(actions.ActionToggleGraph->isChecked());
  EXPECT_TRUE(Item("pmiGraph").isChecked());
  actions.ActionToggleGraph->setChecked(false);  // the window was closed by its own close box
  EXPECT_FALSE(Item("pmiGraph").isChecked());

  // An action that refuses (click-through while opacity is off) takes its mark back quietly.
  QAction* clickThrough = actions.ActionToggleClickThrough;
  clickThrough->setCheckable(true);
  QObject::connect(clickThrough, &QAction::triggered, [clickThrough] {
    const QSignalBlocker quiet(clickThrough);
    clickThrough->setChecked(false);
  });
  Item("pmiEnableClickThrough").trigger();
  EXPECT_FALSE(Item("pmiEnableClickThrough").isChecked());
}

TEST_F(TrayMenuTest, ThePopupNamesWhatTheGraphToggleWillDo) {
  actions.ActionToggleGraph->setChecked(true);
  Menu().TrayMenuPopup();
  EXPECT_EQ(actions.ActionToggleGraph->text(), QStringLiteral("隐藏图示(&G"));

  actions.ActionToggleGraph->setChecked(false);
  Q_EMIT Menu().aboutToShow();
  EXPECT_EQ(Item("pmiGraph").text(), QStringLiteral("显示图示(&G"));
}

TEST_F(TrayMenuTest, ResetAndClickThroughShowOnlyWhenTheyApply) {
  for (int bits = 0; bits < 8; ++bits) {
    conditions = {(bits & 1) != 0, (bits & 2) != 0, (bits & 4) != 0};
    Q_EMIT Menu().aboutToShow();
    const bool windowShown = conditions.GraphWindowShown;
    EXPECT_EQ(Item("pmiResetGraph").isVisible(), windowShown || conditions.GraphInIcon) << bits;
    EXPECT_EQ(Item("pmiEnableClickThrough").isVisible(), windowShown && conditions.OpacityEnabled) << bits;
    // The rules belong to the menu: the actions stay available to the graph window and hot key.
    EXPECT_TRUE(actions.ActionResetGraph->isVisible());
    EXPECT_TRUE(actions.ActionToggleClickThrough->isVisible());
  }
}

TEST_F(TrayMenuTest, AnItemHiddenByItsActionStaysHiddenWhenItsRuleAllowsIt) {
  actions.ActionResetGraph->setVisible(false);
  conditions.GraphWindowShown = true;
  Q_EMIT Menu().aboutToShow();
  EXPECT_FALSE(Item("pmiResetGraph").isVisible());
  actions.ActionResetGraph->setVisible(true);
  EXPECT_TRUE(Item("pmiResetGraph").isVisible());
}

TEST_F(TrayMenuTest, EveryItemNeedsAnAction) {
  actions.ActionQuota = nullptr;
  ExpectAssertion("TrayMenu", [this] { TTrayMenu incomplete(actions, nullptr); });
}

}  // namespace
}  // namespace meterly
