#include "alerts/quota_form.h"

#include "alerts/quota_fixture.h"
#include "alerts/quota_gauge_delegate.h"
#include "alerts/quota_modify_form.h"
#include "base/date_serial.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QTreeWidget>
#include <QValidator>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace meterly {
namespace {

constexpr qint64 kKB = 1024;

class QuotaFormTest : public QuotaFixture {
 protected:
  QuotaFormTest() {
    settings.VolumeUnit = 3;  // always KB
    OpenDatabase();
  }

  // Today's use at an hour (10 is on-peak, 3 off-peak with the default peak hours).
  void Use(int hour, qint64 bytes) {
    WriteRow(QStringLiteral("tester"), DateToDaySerial(platform.clockFake.localNow.date()), hour, bytes, 0);
  }

  std::unique_ptr<TQuotaForm> Open() { return std::make_unique<TQuotaForm>(quota, settings); }

  static QStringList row(const TQuotaForm& form, int index) {
    const QTreeWidgetItem* item = form.QuotaReport->topLevelItem(index);
    if (item == nullptr) return {};
    return {item->text(0), item->text(1)};
  }

  static QVariant Gauge(const TQuotaForm& form, int index) {
    return form.QuotaReport->topLevelItem(index)->data(TQuotaForm::GaugeColumn, TQuotaGaugeDelegate::GaugeRole);
  }

  // Runs `inDialog` on the setup dialog once it is up, then clicks the setup button.
  void SetupWith(TQuotaForm& form, std::function<void(TQuotaModifyForm&)> inDialog) {
    QTimer::singleShot(0, [inDialog] {
      auto* dialog = qobject_cast<TQuotaModifyForm*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      inDialog(*dialog);
    });
    form.SetupButtonClick();
  }
};

// Longer periods add the days left to the date: see the setup test.
TEST_F(QuotaFormTest, ADailyFlatQuotaUsedBeyondItsAllowanceShowsTheDateNothingLeftAFullGaugeAndExceeded) {
  SetQuota(QuotaPeriod::Daily, QuotaHoursKind::FlatRate, QuotaTrafficKind::Total, 0, 1);
  Use(10, 5 * kKB);
  const auto form = Open();
  ASSERT_EQ(form->QuotaReport->topLevelItemCount(), 3);
  EXPECT_EQ(row(*form, 0), (QStringList{QStringLiteral("Period"), quota.GetPeriodText()}));
  EXPECT_EQ(row(*form, 1),
            (QStringList{QStringLiteral("Used"), QStringLiteral("5.00 KB of 1.00 KB with 0.00 KB left")}));
  EXPECT_EQ(Gauge(*form, 1).toInt(), 500);
  EXPECT_EQ(TQuotaGaugeDelegate::GaugeValue(500), 100);
  EXPECT_EQ(row(*form, 2), (QStringList{QStringLiteral("Suggested daily usage"), QStringLiteral("Quota exceeded")}));
  EXPECT_FALSE(Gauge(*form, 0).isValid());
}

TEST_F(QuotaFormTest, OnOffPeakShowsTwoGaugesAndNamesTheExceededHalf) {
  SetQuota(QuotaPeriod::Daily, QuotaHoursKind::OnOffPeak, QuotaTrafficKind::Total, 0, 10, 1);
  Use(10, 4 * kKB);
  Use(3, 2 * kKB);
  const auto form = Open();
  ASSERT_EQ(form->QuotaReport->topLevelItemCount(), 4);
  EXPECT_EQ(row(*form, 1).value(0), QStringLiteral("Used On-Peak"));
  EXPECT_EQ(Gauge(*form, 1).toInt(), 40);
  EXPECT_EQ(row(*form, 2),
            (QStringList{QStringLiteral("Used Off-Peak"), QStringLiteral("2.00 KB of 1.00 KB with 0.00 KB left")}));
  EXPECT_EQ(Gauge(*form, 2).toInt(), 200);
  EXPECT_EQ(row(*form, 3).value(1), QStringLiteral("On-peak 6.00 KB : Off-peak quota exceeded"));
}

TEST_F(QuotaFormTest, TheSetupIsWrittenAndShownOnlyWhenAccepted) {
  SetQuota(QuotaPeriod::Daily, QuotaHoursKind::FlatRate, QuotaTrafficKind::Total, 0, 1);
  const QuotaDefinition before = settings.Quota;
  const auto form = Open();
  const QString summary = form->QuotaInfoLabel->text();
  const auto edit = [](TQuotaModifyForm& dialog, QPushButton* closing) {
    dialog.QuotaTypeCombo->setCurrentIndex(2);
    dialog.AllowanceUnitCombo->setCurrentIndex(1);
    dialog.OnPeakAllowanceEdit->setText(QStringLiteral("500"));
    closing->click();
  };
  SetupWith(*form, [&](TQuotaModifyForm& dialog) { edit(dialog, dialog.CancelButton); });
  EXPECT_EQ(settings.Quota, before);
  EXPECT_EQ(form->QuotaInfoLabel->text(), summary);

  SetupWith(*form, [&](TQuotaModifyForm& dialog) { edit(dialog, dialog.OKButton); });
  EXPECT_EQ(settings.Quota.QuotaType, QuotaPeriod::Monthly);
  EXPECT_EQ(settings.Quota.OnPeakAllowance, 500);
  EXPECT_EQ(form->QuotaInfoLabel->text(), QStringLiteral("Type: 每月, Hours: Flat rate, Traffic: Total, 500 MB"));
  EXPECT_EQ(row(*form, 0).value(1), quota.GetPeriodText() + QStringLiteral(" (1 days left)"));
}

TEST_F(QuotaFormTest, FlatRateHidesTheOffPeakAllowanceButKeepsAndWritesIt) {
  TQuotaModifyForm dialog;
  SetQuota(QuotaPeriod::Weekly, QuotaHoursKind::OnOffPeak, QuotaTrafficKind::Total, 0, 10, 7);
  dialog.LoadFrom(settings.Quota);
  EXPECT_FALSE(dialog.OffPeakAllowanceEdit->isHidden());
  EXPECT_EQ(dialog.OnPeakAllowanceLabel->text(), QStringLiteral("On-peak allowance"));
  dialog.QuotaHoursCombo->setCurrentIndex(0);
  dialog.QuotaHoursComboClick();
  EXPECT_TRUE(dialog.OffPeakAllowanceEdit->isHidden());
  EXPECT_EQ(dialog.OnPeakAllowanceLabel->text(), QStringLiteral("Allowance"));
  QuotaDefinition written;
  dialog.SaveTo(written);
  EXPECT_EQ(written.QuotaHours, QuotaHoursKind::FlatRate);
  EXPECT_EQ(written.OffPeakAllowance, 7);
}

TEST_F(QuotaFormTest, AnAllowanceBeyond32BitsIsRefusedByTheEditAndStoredAs0) {
  TQuotaModifyForm dialog;
  const QValidator& digits = *dialog.OnPeakAllowanceEdit->validator();
  const auto verdict = [&](QString text) {
    int pos = 0;
    return digits.validate(text, pos);
  };
  EXPECT_EQ(verdict(QStringLiteral("2147483647")), QValidator::Acceptable);
  EXPECT_EQ(verdict(QStringLiteral("2147483648")), QValidator::Invalid);
  EXPECT_EQ(verdict(QStringLiteral("12a")), QValidator::Invalid);
  EXPECT_EQ(verdict(QStringLiteral("-5")), QValidator::Invalid);
  // Text that reaches the edit all the same (pasted by a program) is stored as 0.
  dialog.OnPeakAllowanceEdit->setText(QStringLiteral("4294967296"));
  dialog.OffPeakAllowanceEdit->setText(QString());
  QuotaDefinition written;
  written.OnPeakAllowance = 5;
  written.OffPeakAllowance = 5;
  dialog.SaveTo(written);
  EXPECT_EQ(written.OnPeakAllowance, 0);
  EXPECT_EQ(written.OffPeakAllowance, 0);
}

TEST_F(QuotaFormTest, ClosingCopiesTheOveruseSwitchAndThreshold) {
  settings.EnableQuotaOveruseMessage = false;
  settings.QuotaOverusePercentage = 80;
  const auto form = Open();
  EXPECT_EQ(form->QuotaUsedUpPercent->value(), 80);
  form->EnableMessageWhenQuotaUsedUp->setChecked(true);
  form->QuotaUsedUpPercent->setValue(95);
  form->reject();  // Escape
  EXPECT_TRUE(settings.EnableQuotaOveruseMessage);
  EXPECT_EQ(settings.QuotaOverusePercentage, 95);
}

}  // namespace
}  // namespace meterly
