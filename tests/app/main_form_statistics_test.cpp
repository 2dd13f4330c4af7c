#include "app/settings_window.h"
#include "reports/hour_display.h"
#include "reports/totals_form.h"
#include "support/main_form_on_veth.h"
#include "support/windows.h"

#include <QAction>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace meterly {
namespace {

using MainFormStatisticsTest = testing_support::MainFormOnVethLater;

TEST_F(MainFormStatisticsTest, EachUseOfTheTrayItemOpensAWindowAndTheExitPathClosesThem) {
  Create();
  QAction& item = *form->TrayMenu().Item(QStringLiteral("pmiTotals"));
  item.trigger();
  item.trigger();
  const std::vector<TTotalsForm*> forms = testing_support::VisibleTopLevel<TTotalsForm>();
  ASSERT_EQ(forms.size(), 2u);
  EXPECT_TRUE(forms.front()->ActionReset->isEnabled());

  // Each window stores its chart switch as it closes.
  for (TTotalsForm* totals : forms) {
    totals->Pages->setCurrentIndex(TTotalsForm::tsDailyStats);
    totals->ActionChart->trigger();
  }
  form->ExitApplication(false);
  testing_support::RunDeferredDeletes();
  EXPECT_TRUE(testing_support::VisibleTopLevel<TTotalsForm>().empty());
  EXPECT_FALSE(settings.EnableChart);
}

TEST_F(MainFormStatisticsTest, ReadOnlyWindowsOfferNoReset) {
  CommandLineSwitches switches;
  switches.ReadOnly = true;
  Create(switches);
  form->TrayMenu().Item(QStringLiteral("pmiTotals"))->trigger();
  const std::vector<TTotalsForm*> forms = testing_support::VisibleTopLevel<TTotalsForm>();
  ASSERT_EQ(forms.size(), 1u);
  EXPECT_FALSE(forms.front()->ActionReset->isEnabled());
  delete forms.front();
}

TEST_F(MainFormStatisticsTest, PeakStripFollowsTheSpinEditorsApplyKeepsItsColoursAndCancelDropsThem) {
  settings.PeakHourFrom = 9;
  settings.PeakHourTo = 23;
  settings.OnPeakColor = 0x0000FF;
  settings.OffPeakColor = 0x00FF00;
  Create();
  TSettingsWindow& window = form->SettingsWindow();
  THourDisplay& strip = testing_support::Child<THourDisplay>(window, "HourDisplay");
  QColor answer(0, 0, 255);
  strip.SetColorDialog([&](const QColor&, QWidget*) { return std::optional<QColor>(answer); });
  window.show();
  EXPECT_EQ(strip.Hours(), 0xFFFE00u);  // 9 to 23
  testing_support::Child<QSpinBox>(window, "SpinPeakTo").setValue(10);
  EXPECT_EQ(strip.Hours(), 0x000600u);
  EXPECT_EQ(strip.size(), testing_support::Child<QWidget>(window, "HourDisplayHost").size());

  strip.Click(strip.CellRect(0).center());
  testing_support::Child<QPushButton>(window, "ButtonApply").click();
  EXPECT_EQ(settings.OffPeakColor, 0xFF0000u);
  EXPECT_EQ(settings.OnPeakColor, 0x0000FFu);

  answer = QColor(1, 2, 3);
  strip.Click(strip.CellRect(9).center());
  EXPECT_EQ(strip.OnPeakColor(), 0x030201u);
  testing_support::Child<QPushButton>(window, "bbCancel").click();
  window.show();
  EXPECT_EQ(strip.OnPeakColor(), 0x0000FFu);
  EXPECT_EQ(settings.OnPeakColor, 0x0000FFu);
  window.close();
}

}  // namespace
}  // namespace meterly
