// The usage statistics window and the backup on a usage database of ten years, 24 hours a day,
// five users (438,240 rows): opening the window with every page built, and a backup and a
// restore of the whole database, each with the process's peak resident memory. Run one
// benchmark per process (--benchmark_filter) for a peak that belongs to it alone.
#include "base/date_serial.h"
#include "core/settings.h"
#include "platform/linux/linux_platform.h"
#include "reports/statistics_backup.h"
#include "reports/totals_form.h"
#include "store/disk_db.h"
#include "store/statistics_maintenance.h"

#include <QApplication>
#include <QTabWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

using namespace meterly;

constexpr int kYears = 10;
constexpr int kUsers = 5;

class GeneratedDatabase {
 public:
  GeneratedDatabase() {
    db = std::make_unique<TDiskDB>(dir.filePath(QStringLiteral("Meterly.db")), platform, settings);
    const qint32 lastDay = DateToDaySerial(platform.clock().now().date());
    const qint32 firstDay = DateToDaySerial(DaySerialToDate(lastDay).addYears(-kYears)) + 1;
    QStringList users{QuotedSQL(db->GetCurrentUserName())};
    for (int i = 1; i < kUsers; ++i) users.append(QuotedSQL(QStringLiteral("user%1 <&>").arg(i)));
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
    settings.CustomDateFrom = lastDay - 31;
    settings.CustomDateTo = lastDay;
  }

  QString backupFile() const { return dir.filePath(QStringLiteral("backup.xml")); }

  QTemporaryDir dir;
  platform::LinuxPlatform platform;
  Settings settings;
  std::unique_ptr<TDiskDB> db;
};

GeneratedDatabase& Database() {
  static GeneratedDatabase database;
  return database;
}

void ReportPeakMemory(benchmark::State& state) {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_OpenStatisticsWindowAllPages(benchmark::State& state) {
  GeneratedDatabase& data = Database();
  for (auto _ : state) {
    TTotalsFormContext context;
    context.diskDB = data.db.get();
    context.settings = &data.settings;
    auto* form = new TTotalsForm(std::move(context));
    form->show();
    for (int page = 1; page < form->Pages->count(); ++page) form->Pages->setCurrentIndex(page);
    QCoreApplication::processEvents();
    state.PauseTiming();
    form->setAttribute(Qt::WA_DeleteOnClose, false);
    delete form;
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenStatisticsWindowAllPages)->Unit(benchmark::kMillisecond);

void BM_Backup(benchmark::State& state) {
  GeneratedDatabase& data = Database();
  for (auto _ : state) BackupStatistics(*data.db, data.backupFile());
  ReportPeakMemory(state);
}
BENCHMARK(BM_Backup)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Restore(benchmark::State& state) {
  GeneratedDatabase& data = Database();
  BackupStatistics(*data.db, data.backupFile());
  for (auto _ : state) {
    const TBackupContents contents = ReadBackupFile(data.backupFile());
    ReplaceStatistics(*data.db, contents.Usage, contents.Sessions);
  }
  ReportPeakMemory(state);
}
BENCHMARK(BM_Restore)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
