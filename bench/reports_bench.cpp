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
#include "ten_year_database.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace meterly;

using bench::TenYearDatabase;

TenYearDatabase& Database() { return TenYearDatabase::Instance(); }

// The hours filter: 0 all hours, 1 peak hours (on the day index through "+HOUR").
void BmDailyReportOneMonth(benchmark::State& state) {
  TenYearDatabase& data = Database();
  data.settings.HoursShown = static_cast<quint8>(state.range(0));
  TUsagePanel panel(data.settings);
  for (auto _ : state) BuildDailyReport(panel, LoadDailyData(*data.db, std::nullopt, data.settings, data.LastDays(31)));
  data.settings.HoursShown = 0;
}
BENCHMARK(BmDailyReportOneMonth)->Arg(0)->Arg(1)->ArgName("hours_shown")->Unit(benchmark::kMillisecond);

void BmWeeklyReportOneYear(benchmark::State& state) {
  TenYearDatabase& data = Database();
  TUsagePanel panel(data.settings);
  for (auto _ : state) {
    BuildWeeklyReport(panel, LoadDailyData(*data.db, std::nullopt, data.settings, data.LastDays(366)), {1, 1});
  }
}
BENCHMARK(BmWeeklyReportOneYear)->Unit(benchmark::kMillisecond);

void BmMonthlyReportTenYears(benchmark::State& state) {
  TenYearDatabase& data = Database();
  data.settings.HoursShown = static_cast<quint8>(state.range(0));
  TUsagePanel panel(data.settings);
  for (auto _ : state) BuildMonthlyReport(panel, LoadDailyData(*data.db, std::nullopt, data.settings), {1, 1});
  data.settings.HoursShown = 0;
}
BENCHMARK(BmMonthlyReportTenYears)->Arg(0)->Arg(1)->ArgName("hours_shown")->Unit(benchmark::kMillisecond);

void BmCustomReportOneYear(benchmark::State& state) {
  TenYearDatabase& data = Database();
  TUsagePanel panel(data.settings);
  const DayRange year = data.LastDays(366);
  for (auto _ : state) {
    BuildCustomReport(panel, LoadDailyData(*data.db, std::nullopt, data.settings, year), year.First, year.Last);
  }
}
BENCHMARK(BmCustomReportOneYear)->Unit(benchmark::kMillisecond);

// The hourly report of one day, and the day-based builders alone over ten years of loaded days.
void BmHourlyReportOneDay(benchmark::State& state) {
  TenYearDatabase& data = Database();
  THourlyList list(data.settings);
  for (auto _ : state) benchmark::DoNotOptimize(BuildHourlyReport(*data.db, list, std::nullopt, data.LastDays(1)));
}
BENCHMARK(BmHourlyReportOneDay)->Unit(benchmark::kMillisecond);

void BmBuildersOnlyTenYears(benchmark::State& state) {
  TenYearDatabase& data = Database();
  TUsagePanel panel(data.settings);
  const TDailyData days = LoadDailyData(*data.db, std::nullopt, data.settings);
  for (auto _ : state) {
    BuildDailyReport(panel, days);
    BuildWeeklyReport(panel, days, {1, 1});
    BuildMonthlyReport(panel, days, {1, 1});
  }
}
BENCHMARK(BmBuildersOnlyTenYears)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
