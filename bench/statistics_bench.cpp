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
#include "ten_year_database.h"

#include <QApplication>
#include <QTabWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

using namespace meterly;

// User names that XML must escape, so that the backup pays for it.
class GeneratedDatabase : public bench::TenYearDatabase {
 public:
  GeneratedDatabase() : TenYearDatabase(QStringLiteral("user%1 <&>")) {
    settings.CustomDateFrom = lastDay - 31;
    settings.CustomDateTo = lastDay;
  }

  QString BackupFile() const { return dir.filePath(QStringLiteral("backup.xml")); }
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

void BmOpenStatisticsWindowAllPages(benchmark::State& state) {
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
BENCHMARK(BmOpenStatisticsWindowAllPages)->Unit(benchmark::kMillisecond);

void BmBackup(benchmark::State& state) {
  GeneratedDatabase& data = Database();
  for (auto _ : state) BackupStatistics(*data.db, data.BackupFile());
  ReportPeakMemory(state);
}
BENCHMARK(BmBackup)->Unit(benchmark::kMillisecond)->Iterations(3);

void BmRestore(benchmark::State& state) {
  GeneratedDatabase& data = Database();
  BackupStatistics(*data.db, data.BackupFile());
  for (auto _ : state) {
    const TBackupContents contents = ReadBackupFile(data.BackupFile());
    ReplaceStatistics(*data.db, contents.Usage, contents.Sessions);
  }
  ReportPeakMemory(state);
}
BENCHMARK(BmRestore)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
