#include "app/main_meterly_form.h"
#include "app/settings_window.h"
#include "core/settings_store.h"
#include "fakes/fake_platform.h"
#include "reports/hour_display.h"
#include "reports/totals_form.h"
#include "support/windows.h"

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace meterly {
namespace {

std::vector<QPointer<TTotalsForm>> OpenStatisticsWindows() {
  std::vector<QPointer<TTotalsForm>> forms;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (auto* form = qobject_cast<TTotalsForm*>(window); form != nullptr && form->isVisible()) forms.emplace_back(form);
  }
  return forms;
}

class MainFormStatisticsTest : public ::testing::Test {
 protected:
  MainFormStatisticsTest() {
    platform.session.data = folder.filePath(QStringLiteral("data"));
    platform.session.allUsersData = folder.filePath(QStringLiteral("all-users"));
    settings.PeakHourFrom = 9;
    settings.PeakHourTo = 23;
  }

  QTemporaryDir folder;
  fakes::FakePlatform platform;
  Settings settings;
  SettingsStore store{platform.registry()};
};

TEST_F(MainFormStatisticsTest, EachUseOfTheTrayItemOpensAWindowAndTheExitPathClosesThem) {
  TMainMeterlyForm main(platform, settings, store, CommandLineSwitches{});
  QAction& item = *main.TrayMenu().Item(QStringLiteral("pmiTotals"));
  ASSERT_TRUE(item.isEnabled());
  item.trigger();
  item.trigger();
  const std::vector<QPointer<TTotalsForm>> forms = OpenStatisticsWindows();
  ASSERT_EQ(forms.size(), 2u);
  EXPECT_EQ(forms.front()->windowTitle(), QStringLiteral("Usage Report for All Users Combined"));
  EXPECT_EQ(forms.front()->parentWidget(), nullptr);
  EXPECT_TRUE(forms.front()->ActionReset->isEnabled());

  // Each window stores its chart switch as it closes.
  for (const QPointer<TTotalsForm>& form : forms) {
    form->Pages->setCurrentIndex(TTotalsForm::tsDailyStats);
    form->ActionChart->trigger();
  }
  main.ExitApplication(false);
  testing_support::RunDeferredDeletes();
  EXPECT_TRUE(OpenStatisticsWindows().empty());
  EXPECT_FALSE(settings.EnableChart);
}

TEST_F(MainFormStatisticsTest, ReadOnlyWindowsOfferNoReset) {
  CommandLineSwitches switches;
  switches.ReadOnly = true;
  TMainMeterlyForm main(platform, settings, store, switches);
  main.TrayMenu().Item(QStringLiteral("pmiTotals"))->trigger();
  const std::vector<QPointer<TTotalsForm>> forms = OpenStatisticsWindows();
  ASSERT_EQ(forms.size(), 1u);
  EXPECT_FALSE(forms.front()->ActionReset->isEnabled());
  EXPECT_FALSE(forms.front()->ActionRestore->isEnabled());
  delete forms.front().data();
}

TEST_F(MainFormStatisticsTest, PeakStripFollowsTheSpinEditorsApplyKeepsItsColoursAndCancelDropsThem) {
  settings.OnPeakColor = 0x0000FF;
  settings.OffPeakColor = 0x00FF00;
  TMainMeterlyForm main(platform, settings, store, CommandLineSwitches{});
  TSettingsWindow& window = main.SettingsWindow();
  THourDisplay& strip = *window.HourDisplay;
  QColor answer(0, 0, 255);
  strip.SetColorDialog([&](const QColor&, QWidget*) { return std::optional<QColor>(answer); });
  window.show();
  EXPECT_EQ(strip.Hours(), 0xFFFE00u);  // 9 to 23
  window.SpinPeakTo->setValue(10);
  EXPECT_EQ(strip.Hours(), 0x000600u);
  EXPECT_EQ(strip.size(), window.HourDisplayHost->size());

  strip.Click(strip.CellRect(0).center());
  window.ButtonApply->click();
  EXPECT_EQ(settings.OffPeakColor, 0xFF0000u);
  EXPECT_EQ(settings.OnPeakColor, 0x0000FFu);

  answer = QColor(1, 2, 3);
  strip.Click(strip.CellRect(9).center());
  EXPECT_EQ(strip.OnPeakColor(), 0x030201u);
  window.bbCancel->click();
  window.show();
  EXPECT_EQ(strip.OnPeakColor(), 0x0000FFu);
  EXPECT_EQ(settings.OnPeakColor, 0x0000FFu);
  window.close();
}

}  // namespace
}  // namespace meterly
