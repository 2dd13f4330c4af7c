#include "reports/report_builders.h"
#include "reports/daily_data.h"
#include "reports/hourly_report.h"
#include "reports/report_table.h"

#include "base/date_serial.h"
#include "core/colorref.h"
#include "core/settings.h"
#include "support/expect_assertion.h"
#include "support/usage_database.h"

#include <QColor>

#include "store/qt_printing.h"

#include <gtest/gtest.h>

namespace meterly {
namespace {

const QLocale kLocale(QLocale::English, QLocale::UnitedKingdom);
constexpr qint64 kGB = 1024LL * 1024 * 1024;

qint32 Day(int year, int month, int day) { return DateToDaySerial(QDate(year, month, day)); }

class ReportBuildersTest : public ::testing::Test {
 protected:
  ReportBuildersTest() {
    panel.InitPanel();
    panel.ShowTotal = true;
  }

  QStringList captions() const {
    QStringList result;
    for (const TUsagePanelRow& row : panel.Rows()) result.append(row.Caption);
    return result;
  }

  TDailyData Load(const UserFilter& user = std::nullopt) { return LoadDailyData(db, user, settings); }

  testing_support::UsageDatabase store;
  Settings& settings = store.settings;
  TDiskDB& db = *store.db;
  TUsagePanel panel{settings, kLocale};
};

TEST_F(ReportBuildersTest, AnEmptyRecordGivesOnlyAZeroTotalRowAndOneDayOfZeroSamples) {
  const TDailyData days = Load();
  EXPECT_TRUE(days.empty());
  const TPeriodStarts starts{1, 1};
  const std::function<void()> builds[] = {
      [&] { BuildDailyReport(panel, days); }, [&] { BuildWeeklyReport(panel, days, starts); },
      [&] { BuildMonthlyReport(panel, days, starts); }, [&] { BuildCustomReport(panel, days, 0, 99999); }};
  for (const auto& build : builds) {
    build();
    ASSERT_EQ(captions(), QStringList{QStringLiteral("Total")});
    EXPECT_EQ(panel.Rows().front().Image, 1);
    EXPECT_EQ(panel.Rows().front().SubItems, (QStringList{QStringLiteral("0 bytes"), QStringLiteral("0 bytes"),
                                                          QStringLiteral("0 bytes"), QStringLiteral("None")}));
    EXPECT_EQ(panel.Chart().Series().Count(), 0);
  }
  THourlyList hourly(settings, kLocale);
  EXPECT_EQ(BuildHourlyReport(db, hourly, std::nullopt), std::vector<THourlySample>(24));
  EXPECT_EQ(hourly.rowCount(), 0);
}

TEST_F(ReportBuildersTest, DailyRowsAreNewestFirstWithTextsHolderAndChartPoint) {
  store.Write(QStringLiteral("me"), Day(2026, 3, 1), 3, 1024, 2048, 61);
  store.Write(QStringLiteral("you"), Day(2026, 3, 1), 4, 1024, 0);
  store.Write(QStringLiteral("me"), Day(2026, 3, 2), 0, 5 * kGB, 0);
  BuildDailyReport(panel, Load());
  EXPECT_EQ(captions(),
            (QStringList{QStringLiteral("02/03/2026"), QStringLiteral("01/03/2026"), QStringLiteral("Total")}));
  const TUsagePanelRow& first = panel.Rows().at(1);
  EXPECT_EQ(first.SubItems, (QStringList{QStringLiteral("2.00 KB"), QStringLiteral("2.00 KB"),
                                         QStringLiteral("4.00 KB"), QStringLiteral("1 min 1 s")}));
  EXPECT_EQ(first.Holder.Key, Day(2026, 3, 1));
  EXPECT_EQ(first.Holder.DataIn, 2048);
  EXPECT_EQ(panel.Chart().Series().At(1).Label, QStringLiteral("01 Mar"));
  EXPECT_EQ(panel.Chart().Series().At(0).Received, static_cast<quint64>(5 * kGB));
  EXPECT_EQ(panel.TotalIn(), 5 * kGB + 2048);
  EXPECT_EQ(panel.TotalDialup(), 61u);
  BuildDailyReport(panel, LoadDailyData(db, QStringLiteral("you"), settings));
  EXPECT_EQ(captions(), (QStringList{QStringLiteral("01/03/2026"), QStringLiteral("Total")}));
}

TEST_F(ReportBuildersTest, TheHoursFilterKeepsOnlyItsHours) {
  settings.PeakHourFrom = 9;
  settings.PeakHourTo = 17;
  store.Write(QStringLiteral("me"), Day(2026, 3, 1), 8, 100, 0);
  store.Write(QStringLiteral("me"), Day(2026, 3, 1), 9, 10, 0);
  store.Write(QStringLiteral("me"), Day(2026, 3, 2), 17, 1, 0);
  settings.HoursShown = 1;
  EXPECT_EQ(Load(), (TDailyData{{Day(2026, 3, 1), 10, 0, 0}, {Day(2026, 3, 2), 1, 0, 0}}));
  settings.HoursShown = 2;
  EXPECT_EQ(Load(QStringLiteral("me")), (TDailyData{{Day(2026, 3, 1), 100, 0, 0}}));
  settings.PeakHourFrom = 0;
  settings.PeakHourTo = 23;
  BuildDailyReport(panel, Load());
  EXPECT_EQ(captions(), QStringList{QStringLiteral("Total")});
  settings.HoursShown = 3;
  testing_support::ExpectAssertion("totals", [&] { Load(); });
}

TEST_F(ReportBuildersTest, PendingAmountsJoinTodayOnlyForTheirUserAndHours) {
  const qint32 today = Day(2026, 3, 31);
  store.Write(QStringLiteral("me"), today, 1, 100, 10);
  store.Write(QStringLiteral("you"), today, 1, 1000, 0);
  db.AddData(5, 7, 3);
  EXPECT_EQ(Load(), (TDailyData{{today, 1107, 13, 5}}));
  EXPECT_EQ(Load(QStringLiteral("me")), (TDailyData{{today, 107, 13, 5}}));
  EXPECT_EQ(Load(QStringLiteral("you")), (TDailyData{{today, 1000, 0, 0}}));
  // 12:30 is a peak hour by default (9 to 23): off-peak reports leave the pending amounts out.
  settings.HoursShown = 2;
  EXPECT_EQ(Load(), (TDailyData{{today, 1100, 10, 0}}));
  // A range that does not hold today adds nothing.
  EXPECT_TRUE(LoadDailyData(db, std::nullopt, Settings{}, DayRange{today - 10, today - 1}).empty());
}

TEST_F(ReportBuildersTest, WeeksFoldTheirDaysNewestFirst) {
  // 2026-03-01 is a Sunday; weeks start on Monday.
  store.Write(QStringLiteral("me"), Day(2026, 3, 1), 0, 1, 0);
  store.Write(QStringLiteral("me"), Day(2026, 3, 2), 0, 2, 0);
  store.Write(QStringLiteral("me"), Day(2026, 3, 8), 0, 4, 0);
  store.Write(QStringLiteral("me"), Day(2026, 3, 30), 0, 8, 0);
  BuildWeeklyReport(panel, Load(), {1, 1});
  EXPECT_EQ(captions(),
            (QStringList{QStringLiteral("30/03/2026 - 05/04/2026"), QStringLiteral("02/03/2026 - 08/03/2026"),
                         QStringLiteral("23/02/2026 - 01/03/2026"), QStringLiteral("Total")}));
  EXPECT_EQ(panel.Rows().at(1).Holder.DataIn, 6);
  EXPECT_EQ(panel.Rows().at(1).Holder.Key, Day(2026, 3, 2));
  EXPECT_EQ(panel.Chart().Series().At(1).Label, QStringLiteral("02 Mar"));
}

TEST_F(ReportBuildersTest, MonthCaptionsNameTheMonthOnlyWhenMonthsStartOnTheFirst) {
  store.Write(QStringLiteral("me"), Day(2025, 12, 20), 0, 1, 0);
  store.Write(QStringLiteral("me"), Day(2026, 1, 10), 0, 2, 0);
  const TDailyData days = Load();
  BuildMonthlyReport(panel, days, {1, 1});
  EXPECT_EQ(captions(),
            (QStringList{QStringLiteral("2026 January"), QStringLiteral("2025 December"), QStringLiteral("Total")}));
  BuildMonthlyReport(panel, days, {1, 15});
  EXPECT_EQ(captions(), (QStringList{QStringLiteral("15/12/2025 - 14/01/2026"), QStringLiteral("Total")}));
  EXPECT_EQ(panel.Rows().front().Holder.DataIn, 3);
  TUsagePanel chinese(settings, QLocale(QLocale::Chinese, QLocale::China));
  BuildMonthlyReport(chinese, days, {1, 1});
  EXPECT_EQ(chinese.Rows().front().Caption, QStringLiteral("2026 一月"));
}

TEST_F(ReportBuildersTest, AddRowOutsideAReportFailsAndAFailedReportIsEmptiedByTheNext) {
  testing_support::ExpectAssertion("UsageFrame", [&] { panel.AddRow(QStringLiteral("x"), {}, {}, 0, 0, 0); });
  panel.BeginReport();
  panel.AddRow(QStringLiteral("left over"), {}, {}, 0, 0, 1);
  BuildDailyReport(panel, {});
  EXPECT_EQ(captions(), QStringList{QStringLiteral("Total")});
  EXPECT_EQ(panel.TotalIn(), 0);
}

TEST_F(ReportBuildersTest, HourlyRowsSamplesAndColours) {
  settings.PeakHourFrom = 9;
  settings.PeakHourTo = 17;
  settings.OnPeakColor = 0x0000FF;
  settings.OffPeakColor = 0x00FF00;
  store.Write(QStringLiteral("me"), Day(2026, 3, 1), 9, 3600 * 10, 3600 * 2);
  store.Write(QStringLiteral("you"), Day(2026, 3, 1), 9, 3600 * 5, 0);
  store.Write(QStringLiteral("me"), Day(2026, 3, 3), 9, 7200, 0);
  store.Write(QStringLiteral("me"), Day(2026, 3, 3), 23, 3599, 1 * kGB);
  THourlyList list(settings, kLocale);
  const std::vector<THourlySample> samples = BuildHourlyReport(db, list, std::nullopt);
  ASSERT_EQ(samples.size(), 48u);
  EXPECT_EQ(samples.at(9), (THourlySample{15, 2}));
  EXPECT_EQ(samples.at(24 + 9), (THourlySample{2, 0}));
  EXPECT_EQ(samples.at(24 + 23), (THourlySample{0, static_cast<quint32>(kGB / 3600)}));
  ASSERT_EQ(list.rowCount(), 3);
  const TReportTable table = TableFromItemModel(list);
  EXPECT_EQ(table.Rows.at(0),
            (TReportRow{QStringLiteral("01/03/2026"),
                        {QStringLiteral("9:00 - 9:59"), QStringLiteral("15 bytes/s"), QStringLiteral("2 bytes/s"),
                         QStringLiteral("52.7 KB"), QStringLiteral("7.03 KB")}}));
  const auto background = [&](int row, int column) {
    return list.data(list.index(row, column), Qt::BackgroundRole).value<QColor>();
  };
  // The same hour of two days is coloured alike; other cells are white.
  EXPECT_EQ((std::vector{background(0, 1), background(1, 1), background(2, 1), background(0, 2)}),
            (std::vector<QColor>{Qt::red, Qt::red, Qt::green, Qt::white}));
  EXPECT_EQ(table.Rows.at(1).SubItems.at(0), table.Rows.at(0).SubItems.at(0));
  EXPECT_EQ(BuildHourlyReport(db, list, QStringLiteral("you")).size(), 24u);
  EXPECT_EQ(list.rowCount(), 1);
}

TEST_F(ReportBuildersTest, AnHourBeyondTheDayFailsTheHourlyReport) {
  {
    TSQLiteDB::LockGuard lock(db);
    // Only a foreign writer could store this: the table's own check refuses it.
    db.ExecSQL(QStringLiteral("PRAGMA ignore_check_constraints = ON"));
    db.ExecSQL(QStringLiteral("INSERT INTO usage VALUES ('me', 46000, 24, 1, 1, 0)"));
  }
  THourlyList list(settings, kLocale);
  testing_support::ExpectAssertion("totals", [&] { BuildHourlyReport(db, list, std::nullopt); });
  EXPECT_EQ(db.LockCount(), 0);
}

}  // namespace
}  // namespace meterly
