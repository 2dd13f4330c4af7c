#include "alerts/quota.h"

#include "alerts/quota_fixture.h"
#include "base/date_serial.h"
#include "support/expect_assertion.h"

#include <gtest/gtest.h>

#include <limits>

namespace meterly {

void PrintTo(const QuotaAmounts& amounts, std::ostream* out) {
  *out << "{" << amounts.First << ", " << amounts.Second << "}";
}

void PrintTo(const DayRange& range, std::ostream* out) {
  *out << DaySerialToDate(range.First).toString(Qt::ISODate).toStdString() << " .. "
       << DaySerialToDate(range.Last).toString(Qt::ISODate).toStdString();
}

namespace {

using testing_support::ExpectAssertion;

constexpr qint64 kMB = 1024 * 1024;

qint32 Day(int year, int month, int day) { return DateToDaySerial(QDate(year, month, day)); }

DayRange Days(QDate first, QDate last) { return {DateToDaySerial(first), DateToDaySerial(last)}; }

class QuotaTest : public QuotaFixture {
 protected:
  void SetToday(QDate day, QTime time = QTime(12, 0)) { platform.clockFake.localNow = QDateTime(day, time); }
};

// The periods are the quota period rule's; here, that the setup gives it the settings and today.
TEST_F(QuotaTest, ThePeriodFollowsTheSettingsAndToday) {
  SetQuota(QuotaPeriod::Weekly, QuotaHoursKind::FlatRate, QuotaTrafficKind::Total, 1, 1);
  settings.WeekStartsOn = 7;
  SetToday(QDate(2026, 4, 1));  // a Wednesday
  EXPECT_EQ(quota.GetPeriod(), Days(QDate(2026, 3, 29), QDate(2026, 4, 4)));
  settings.Quota.QuotaType = QuotaPeriod::Monthly;
  settings.MonthStartsOn = 15;
  EXPECT_EQ(quota.GetPeriod(Day(2026, 3, 20)), Days(QDate(2026, 3, 15), QDate(2026, 4, 14)));
}

TEST_F(QuotaTest, DaysLeftCountsTodayAndTheLastDayAndIsOneOnTheLastDay) {
  SetQuota(QuotaPeriod::Monthly, QuotaHoursKind::FlatRate, QuotaTrafficKind::Total, 1, 1);
  SetToday(QDate(2026, 3, 1));
  EXPECT_EQ(quota.DaysLeft(), 31);
  SetToday(QDate(2026, 3, 30));
  EXPECT_EQ(quota.DaysLeft(), 2);
  SetToday(QDate(2026, 3, 31), QTime(23, 59, 59));
  EXPECT_EQ(quota.DaysLeft(), 1);

  settings.Quota.QuotaType = QuotaPeriod::Daily;
  EXPECT_EQ(quota.DaysLeft(), 1);
  settings.Quota.QuotaType = QuotaPeriod::Weekly;
  SetToday(QDate(2026, 3, 30));  // a Monday, the first day of the week
  EXPECT_EQ(quota.DaysLeft(), 7);
}

TEST_F(QuotaTest, UsedPercentRoundsHalvesToTheEvenNeighbourAndCountsNoAllowanceAsAHundred) {
  EXPECT_EQ(TQuotaSetup::UsedPercent(1, 8), 12);   // 12.5
  EXPECT_EQ(TQuotaSetup::UsedPercent(3, 8), 38);   // 37.5
  EXPECT_EQ(TQuotaSetup::UsedPercent(5, 200), 2);  // 2.5
  EXPECT_EQ(TQuotaSetup::UsedPercent(7, 200), 4);  // 3.5
  EXPECT_EQ(TQuotaSetup::UsedPercent(1, 3), 33);
  EXPECT_EQ(TQuotaSetup::UsedPercent(2, 3), 67);
  EXPECT_EQ(TQuotaSetup::UsedPercent(300, 200), 150);
  // Halves stay exact with byte counts far beyond what a double holds exactly.
  const qint64 unit = (qint64{1} << 53) + 1;
  EXPECT_EQ(TQuotaSetup::UsedPercent(5 * unit, 200 * unit), 2);
  EXPECT_EQ(TQuotaSetup::UsedPercent(5 * unit + 1, 200 * unit), 3);
  EXPECT_EQ(TQuotaSetup::UsedPercent(std::numeric_limits<qint64>::max(), 1), std::numeric_limits<int>::max());
  // No allowance counts as a hundred percent, whatever is used.
  EXPECT_EQ(TQuotaSetup::UsedPercent(0, 0), 100);
  EXPECT_EQ(TQuotaSetup::UsedPercent(5000, 0), 100);
  EXPECT_EQ(TQuotaSetup::UsedPercent(0, -1), 100);
}

TEST_F(QuotaTest, AllowancesAreCountedInTheUnitAndFollowTheSettingsAtOnce) {
  SetQuota(QuotaPeriod::Daily, QuotaHoursKind::OnOffPeak, QuotaTrafficKind::Total, 0, 3, 5);
  EXPECT_EQ(quota.GetAllowance(), (QuotaAmounts{3 * 1024, 5 * 1024}));
  settings.Quota.QuotaUnit = 1;
  EXPECT_EQ(quota.GetAllowance(), (QuotaAmounts{3 * kMB, 5 * kMB}));
  settings.Quota.QuotaUnit = 2;
  settings.Quota.OnPeakAllowance = std::numeric_limits<qint32>::max();
  EXPECT_EQ(quota.GetAllowance().First, qint64{std::numeric_limits<qint32>::max()} << 30);
}

TEST_F(QuotaTest, TheSuggestedDailyUsage) {
  EXPECT_EQ(TQuotaSetup::SuggestedDailyUsage(1000, 3), 333);
  EXPECT_EQ(TQuotaSetup::SuggestedDailyUsage(-200, 3), 0);
}

TEST_F(QuotaTest, FlatRateCountsEveryHourOfThePeriodForEveryUser) {
  SetQuota(QuotaPeriod::Weekly, QuotaHoursKind::FlatRate, QuotaTrafficKind::Total, 1, 1);
  OpenDatabase();
  WriteRow(QStringLiteral("tester"), Day(2026, 3, 30), 0, 100, 10);
  WriteRow(QStringLiteral("other"), Day(2026, 4, 5), 23, 200, 20);
  WriteRow(QStringLiteral("tester"), Day(2026, 3, 29), 12, 5000, 5000);  // the week before
  WriteRow(QStringLiteral("tester"), Day(2026, 4, 6), 12, 7000, 7000);   // the week after
  db->AddData(0, 3, 4);                                                  // not written yet: this hour of this user

  EXPECT_EQ(quota.GetUsed(), (QuotaAmounts{100 + 10 + 200 + 20 + 3 + 4, 0}));
  settings.Quota.QuotaTraffic = QuotaTrafficKind::UploadsOnly;
  EXPECT_EQ(quota.GetUsed(), (QuotaAmounts{10 + 20 + 4, 0}));
  EXPECT_EQ(db->LockCount(), 0);
}

TEST_F(QuotaTest, OnOffPeakSplitsTheHoursAcrossMidnightAndCountsDownloadsPerHalf) {
  SetQuota(QuotaPeriod::Daily, QuotaHoursKind::OnOffPeak, QuotaTrafficKind::DownloadsOnly, 1, 1, 1);
  settings.PeakHourFrom = 22;
  settings.PeakHourTo = 6;
  OpenDatabase();
  const qint32 today = Day(2026, 3, 31);
  WriteRow(QStringLiteral("tester"), today, 22, 1, 1000);
  WriteRow(QStringLiteral("tester"), today, 0, 10, 1000);
  WriteRow(QStringLiteral("tester"), today, 6, 100, 1000);
  WriteRow(QStringLiteral("tester"), today, 7, 2000, 1000);
  WriteRow(QStringLiteral("other"), today, 21, 30000, 1000);
  db->AddData(0, 400000, 1000);  // at 12:00, an off-peak hour

  EXPECT_EQ(quota.GetUsed(), (QuotaAmounts{111, 432000}));
}

TEST_F(QuotaTest, EitherHalfUsesTheQuotaUpAtTheThreshold) {
  SetQuota(QuotaPeriod::Daily, QuotaHoursKind::FlatRate, QuotaTrafficKind::Total, 0, 1, 0);
  EXPECT_FALSE(quota.IsUsedUp(1)) << "nothing is used without a database";
  OpenDatabase();
  WriteRow(QStringLiteral("tester"), Day(2026, 3, 31), 3, 512, 307);  // 819 of 1024 bytes: 79.98 %
  EXPECT_TRUE(quota.IsUsedUp(80));
  EXPECT_FALSE(quota.IsUsedUp(81)) << "a flat rate ignores the off-peak allowance of 0";
  settings.Quota.QuotaHours = QuotaHoursKind::OnOffPeak;
  EXPECT_TRUE(quota.IsUsedUp(100)) << "an off-peak allowance of 0 is always used up";
  EXPECT_FALSE(quota.IsUsedUp(101));

  settings.Quota.OffPeakAllowance = 1;
  WriteRow(QStringLiteral("tester"), Day(2026, 3, 31), 10, 900, 0);  // on-peak: 88 %
  EXPECT_FALSE(quota.IsUsedUp(90));
  WriteRow(QStringLiteral("tester"), Day(2026, 3, 31), 2, 181, 0);  // off-peak: 1000 bytes, 98 %
  EXPECT_TRUE(quota.IsUsedUp(90));
}

// A monthly flat rate of all traffic is the quota window's test.
TEST_F(QuotaTest, TheSummaryNamesEveryChoice) {
  SetQuota(QuotaPeriod::Weekly, QuotaHoursKind::OnOffPeak, QuotaTrafficKind::DownloadsOnly, 2, 30, 70);
  EXPECT_EQ(quota.GetSummary(), QStringLiteral("Type: 每周, Hours: On/Off-peak, Traffic: Downloads only, 30/70 GB"));
  SetQuota(QuotaPeriod::Daily, QuotaHoursKind::FlatRate, QuotaTrafficKind::UploadsOnly, 0, 64);
  EXPECT_EQ(quota.GetSummary(), QStringLiteral("Type: 每天, Hours: Flat rate, Traffic: Uploads only, 64 KB"));
}

TEST_F(QuotaTest, ThePeriodTextIsOneDateOrTheFirstAndLastInTheShortFormat) {
  const QLocale german(QLocale::German, QLocale::Germany);
  SetQuota(QuotaPeriod::Daily, QuotaHoursKind::FlatRate, QuotaTrafficKind::Total, 1, 1);
  EXPECT_EQ(quota.GetPeriodText(german), QStringLiteral("31.03.26"));
  settings.Quota.QuotaType = QuotaPeriod::Monthly;
  settings.MonthStartsOn = 15;
  EXPECT_EQ(quota.GetPeriodText(german), QStringLiteral("15.03.26 - 14.04.26"));
}

TEST_F(QuotaTest, ValuesOutsideTheirRangeFailTheQuotasCheck) {
  SetQuota(QuotaPeriod::Daily, QuotaHoursKind::FlatRate, QuotaTrafficKind::Total, 1, 1);
  settings.Quota.QuotaType = 3;
  ExpectAssertion("Quota", [&] { quota.GetPeriod(); });
  ExpectAssertion("Quota", [&] { quota.GetSummary(); });
  settings.Quota.QuotaType = QuotaPeriod::Daily;

  settings.Quota.QuotaHours = 2;
  ExpectAssertion("Quota", [&] { quota.GetUsed(); });
  ExpectAssertion("Quota", [&] { quota.IsUsedUp(80); });
  settings.Quota.QuotaHours = QuotaHoursKind::FlatRate;

  settings.Quota.QuotaTraffic = 3;
  ExpectAssertion("Quota", [&] { quota.GetUsed(); });  // even with no database to ask
  settings.Quota.QuotaTraffic = QuotaTrafficKind::Total;

  settings.Quota.QuotaUnit = 3;
  ExpectAssertion("Quota", [&] { quota.GetAllowance(); });
  ExpectAssertion("Quota", [&] { quota.GetSummary(); });
  ExpectAssertion("Quota", [] { TQuotaSetup::QuotaUnitText(255); });
}

}  // namespace
}  // namespace meterly
