// What building each report costs on a usage database of ten years, 24 hours a day, five users,
// for all users: the query and the rows with their texts and chart points.
#include "base/date_serial.h"
#include "core/quota_period.h"
#include "core/settings.h"
#include "platform/linux/linux_platform.h"
#include "reports/daily_data.h"
#include "reports/hourly_report.h"
#include "reports/report_builders.h"
#include "store/disk_db.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace meterly;

constexpr int kYears = 10;
constexpr int kUsers = 5;

class GeneratedDatabase {
 public:
  GeneratedDatabase() {
    db = std::make_unique<TDiskDB>(dir.filePath(QStringLiteral("Meterly.db")), platform, settings);
    lastDay = DateToDaySerial(platform.clock().now().date());
    firstDay = DateToDaySerial(DaySerialToDate(lastDay).addYears(-kYears)) + 1;
    QStringList users{QuotedSQL(db->GetCurrentUserName())};
    for (int i = 1; i < kUsers; ++i) users.append(QuotedSQL(QStringLiteral("user%1").arg(i)));
    TSQLiteDB::LockGuard lock(*db);
    db->RunInTransaction([&] {
      db->ExecSQL(QStringLiteral("WITH RECURSIVE days(d) AS (SELECT %1 UNION ALL SELECT d + 1 FROM days WHERE d < %2), "
                                 "hours(h) AS (SELECT 0 UNION ALL SELECT h + 1 FROM hours WHERE h < 23), "
                                 "users(u) AS (VALUES (%3)) "
                                 "INSERT INTO usage (USER_NAME, DAY, HOUR, DATA_IN, DATA_OUT, DIALUP_DURATION) "
                                 "SELECT u, d, h, abs(random()) % 500000000, abs(random()) % 50000000, 0 "
                                 "FROM users, days, hours")
                      .arg(firstDay)
                      .arg(lastDay)
                      .arg(users.join(QStringLiteral("), ("))));
    });
  }

  DayRange lastDays(int count) const { return {lastDay - count + 1, lastDay}; }

  QTemporaryDir dir;
  platform::LinuxPlatform platform;
  Settings settings;
  std::unique_ptr<TDiskDB> db;
  qint32 firstDay = 0;
  qint32 lastDay = 0;
};

GeneratedDatabase& Database() {
  static GeneratedDatabase database;
  return database;
}

// The hours filter: 0 all hours, 1 peak hours (on the day index through "+HOUR").
void BM_DailyReportOneMonth(benchmark::State& state) {
  GeneratedDatabase& data = Database();
  data.settings.HoursShown = static_cast<quint8>(state.range(0));
  TUsagePanel panel(data.settings);
  for (auto _ : state) BuildDailyReport(panel, LoadDailyData(*data.db, std::nullopt, data.settings, data.lastDays(31)));
  data.settings.HoursShown = 0;
}
BENCHMARK(BM_DailyReportOneMonth)->Arg(0)->Arg(1)->ArgName("hours_shown")->Unit(benchmark::kMillisecond);

void BM_WeeklyReportOneYear(benchmark::State& state) {
  GeneratedDatabase& data = Database();
  TUsagePanel panel(data.settings);
  for (auto _ : state) {
    BuildWeeklyReport(panel, LoadDailyData(*data.db, std::nullopt, data.settings, data.lastDays(366)), {1, 1});
  }
}
BENCHMARK(BM_WeeklyReportOneYear)->Unit(benchmark::kMillisecond);

void BM_MonthlyReportTenYears(benchmark::State& state) {
  GeneratedDatabase& data = Database();
  data.settings.HoursShown = static_cast<quint8>(state.range(0));
  TUsagePanel panel(data.settings);
  for (auto _ : state) BuildMonthlyReport(panel, LoadDailyData(*data.db, std::nullopt, data.settings), {1, 1});
  data.settings.HoursShown = 0;
}
BENCHMARK(BM_MonthlyReportTenYears)->Arg(0)->Arg(1)->ArgName("hours_shown")->Unit(benchmark::kMillisecond);

void BM_CustomReportOneYear(benchmark::State& state) {
  GeneratedDatabase& data = Database();
  TUsagePanel panel(data.settings);
  const DayRange year = data.lastDays(366);
  for (auto _ : state) {
    BuildCustomReport(panel, LoadDailyData(*data.db, std::nullopt, data.settings, year), year.First, year.Last);
  }
}
BENCHMARK(BM_CustomReportOneYear)->Unit(benchmark::kMillisecond);

// The hourly report of one day, and the day-based builders alone over ten years of loaded days.
void BM_HourlyReportOneDay(benchmark::State& state) {
  GeneratedDatabase& data = Database();
  THourlyList list(data.settings);
  for (auto _ : state) benchmark::DoNotOptimize(BuildHourlyReport(*data.db, list, std::nullopt, data.lastDays(1)));
}
BENCHMARK(BM_HourlyReportOneDay)->Unit(benchmark::kMillisecond);

void BM_BuildersOnlyTenYears(benchmark::State& state) {
  GeneratedDatabase& data = Database();
  TUsagePanel panel(data.settings);
  const TDailyData days = LoadDailyData(*data.db, std::nullopt, data.settings);
  for (auto _ : state) {
    BuildDailyReport(panel, days);
    BuildWeeklyReport(panel, days, {1, 1});
    BuildMonthlyReport(panel, days, {1, 1});
  }
}
BENCHMARK(BM_BuildersOnlyTenYears)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
