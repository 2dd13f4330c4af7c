// What the usage database costs on a file of ten years, 24 hours a day, five users: the
// once-a-minute write and the queries behind the tooltip, the quota and the statistics window.
// The file is generated once per run in a temporary folder.
#include "base/date_serial.h"
#include "core/quota_period.h"
#include "core/settings.h"
#include "platform/linux/linux_platform.h"
#include "store/disk_db.h"
#include "ten_year_database.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

using namespace meterly;

using bench::TenYearDatabase;

TenYearDatabase& Database() { return TenYearDatabase::Instance(); }

void Describe(benchmark::State& state) {
  state.counters["rows"] = static_cast<double>(Database().rows);
  state.counters["file_MB"] = Database().FileMegabytes();
}

// One minute's amounts written to the row of the current hour (a committed transaction each).
void BmFlushPending(benchmark::State& state) {
  TDiskDB& db = *Database().db;
  for (auto _ : state) {
    db.AddData(0, 1500000, 120000);
    db.FlushPending();
  }
  Describe(state);
}
BENCHMARK(BmFlushPending)->Unit(benchmark::kMicrosecond);

// The current month, all users: the tooltip and the monthly quota.
void BmGetTotalsMonth(benchmark::State& state) {
  TenYearDatabase& data = Database();
  const DayRange month = GetPeriod(QuotaPeriod::Monthly, data.lastDay, data.settings, data.lastDay);
  TSQLiteDB::LockGuard lock(*data.db);
  for (auto _ : state) benchmark::DoNotOptimize(data.db->GetTotals(month.First, month.Last, std::nullopt));
  Describe(state);
}
BENCHMARK(BmGetTotalsMonth)->Unit(benchmark::kMicrosecond);

// The on-peak part of the current month: the quota with on/off-peak allowances.
void BmGetHoursTotalsPeakMonth(benchmark::State& state) {
  TenYearDatabase& data = Database();
  const DayRange month = GetPeriod(QuotaPeriod::Monthly, data.lastDay, data.settings, data.lastDay);
  TSQLiteDB::LockGuard lock(*data.db);
  for (auto _ : state) {
    benchmark::DoNotOptimize(data.db->GetHoursTotals(month.First, month.Last, std::nullopt, THourFilter::PeakHours));
  }
  Describe(state);
}
BENCHMARK(BmGetHoursTotalsPeakMonth)->Unit(benchmark::kMicrosecond);

// Everything ever recorded, all users and one user: the statistics window's summary.
void BmGetTotalsSince(benchmark::State& state) {
  TenYearDatabase& data = Database();
  const UserFilter user = state.range(0) == 0 ? UserFilter() : UserFilter(data.db->GetCurrentUserName());
  TSQLiteDB::LockGuard lock(*data.db);
  for (auto _ : state) benchmark::DoNotOptimize(data.db->GetTotalsSince(user));
  Describe(state);
}
BENCHMARK(BmGetTotalsSince)->Arg(0)->Arg(1)->ArgName("one_user")->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
