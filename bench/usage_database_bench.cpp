// What the usage database costs on a file of ten years, 24 hours a day, five users: the
// once-a-minute write and the queries behind the tooltip, the quota and the statistics window.
// The file is generated once per run in a temporary folder.
#include "base/date_serial.h"
#include "core/quota_period.h"
#include "core/settings.h"
#include "platform/linux/linux_platform.h"
#include "store/disk_db.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

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
    QElapsedTimer timer;
    timer.start();
    TSQLiteDB::LockGuard lock(*db);
    db->RunInTransaction([this] { db->ExecSQL(generatingSQL()); });
    rows = db->FetchFirstRow(QStringLiteral("SELECT COUNT(*) FROM usage")).value(0).toLongLong();
    std::printf("generated %lld rows (%d years x 24 hours x %d users) in %.1f s\n", rows, kYears, kUsers,
                timer.elapsed() / 1000.0);
  }

  double fileMegabytes() const {
    return static_cast<double>(QFileInfo(dir.filePath(QStringLiteral("Meterly.db"))).size()) / (1024.0 * 1024.0);
  }

  QTemporaryDir dir;
  platform::LinuxPlatform platform;
  Settings settings;
  std::unique_ptr<TDiskDB> db;
  qint32 firstDay = 0;
  qint32 lastDay = 0;
  qint64 rows = 0;

 private:
  // Every hour of every day for the current user and four others, with varied amounts.
  QString generatingSQL() const {
    QStringList users{QuotedSQL(db->GetCurrentUserName())};
    for (int i = 1; i < kUsers; ++i) users.append(QuotedSQL(QStringLiteral("user%1").arg(i)));
    return QStringLiteral(
               "WITH RECURSIVE days(d) AS (SELECT %1 UNION ALL SELECT d + 1 FROM days WHERE d < %2), "
               "hours(h) AS (SELECT 0 UNION ALL SELECT h + 1 FROM hours WHERE h < 23), "
               "users(u) AS (VALUES (%3)) "
               "INSERT INTO usage (USER_NAME, DAY, HOUR, DATA_IN, DATA_OUT, DIALUP_DURATION) "
               "SELECT u, d, h, abs(random()) % 500000000, abs(random()) % 50000000, 0 FROM users, days, hours")
        .arg(firstDay)
        .arg(lastDay)
        .arg(users.join(QStringLiteral("), (")));
  }
};

GeneratedDatabase& Database() {
  static GeneratedDatabase database;
  return database;
}

void Describe(benchmark::State& state) {
  state.counters["rows"] = static_cast<double>(Database().rows);
  state.counters["file_MB"] = Database().fileMegabytes();
}

// One minute's amounts written to the row of the current hour (a committed transaction each).
void BM_FlushPending(benchmark::State& state) {
  TDiskDB& db = *Database().db;
  for (auto _ : state) {
    db.AddData(0, 1500000, 120000);
    db.FlushPending();
  }
  Describe(state);
}
BENCHMARK(BM_FlushPending)->Unit(benchmark::kMicrosecond);

// The current month, all users: the tooltip and the monthly quota.
void BM_GetTotalsMonth(benchmark::State& state) {
  GeneratedDatabase& data = Database();
  const DayRange month = GetPeriod(QuotaPeriod::Monthly, data.lastDay, data.settings, data.lastDay);
  TSQLiteDB::LockGuard lock(*data.db);
  for (auto _ : state) benchmark::DoNotOptimize(data.db->GetTotals(month.First, month.Last, std::nullopt));
  Describe(state);
}
BENCHMARK(BM_GetTotalsMonth)->Unit(benchmark::kMicrosecond);

// The on-peak part of the current month: the quota with on/off-peak allowances.
void BM_GetHoursTotalsPeakMonth(benchmark::State& state) {
  GeneratedDatabase& data = Database();
  const DayRange month = GetPeriod(QuotaPeriod::Monthly, data.lastDay, data.settings, data.lastDay);
  TSQLiteDB::LockGuard lock(*data.db);
  for (auto _ : state) {
    benchmark::DoNotOptimize(data.db->GetHoursTotals(month.First, month.Last, std::nullopt, THourFilter::PeakHours));
  }
  Describe(state);
}
BENCHMARK(BM_GetHoursTotalsPeakMonth)->Unit(benchmark::kMicrosecond);

// Everything ever recorded, all users and one user: the statistics window's summary.
void BM_GetTotalsSince(benchmark::State& state) {
  GeneratedDatabase& data = Database();
  const UserFilter user = state.range(0) == 0 ? UserFilter() : UserFilter(data.db->GetCurrentUserName());
  TSQLiteDB::LockGuard lock(*data.db);
  for (auto _ : state) benchmark::DoNotOptimize(data.db->GetTotalsSince(user));
  Describe(state);
}
BENCHMARK(BM_GetTotalsSince)->Arg(0)->Arg(1)->ArgName("one_user")->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
