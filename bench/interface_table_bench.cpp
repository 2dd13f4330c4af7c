// The interface table is read once a second for the life of the program; these measure one
// read against the running kernel (reading changes nothing).
#include "platform/linux/linux_interface_table.h"

#include <benchmark/benchmark.h>

namespace {

using meterly::platform::LinuxInterfaceTable;

void BM_Rows(benchmark::State& state) {
  LinuxInterfaceTable table;
  std::size_t links = 0;
  for (auto _ : state) {
    auto rows = table.rows();
    if (!rows) {
      state.SkipWithError("the interface table cannot be read");
      return;
    }
    links = rows->size();
    benchmark::DoNotOptimize(rows);
  }
  state.counters["links"] = static_cast<double>(links);
}
BENCHMARK(BM_Rows);

void BM_RowByNameLoopback(benchmark::State& state) {
  LinuxInterfaceTable table;
  const QString name = QStringLiteral("lo");
  for (auto _ : state) {
    auto row = table.rowByName(name);
    if (!row) {
      state.SkipWithError("lo cannot be read");
      return;
    }
    benchmark::DoNotOptimize(row);
  }
}
BENCHMARK(BM_RowByNameLoopback);

}  // namespace

BENCHMARK_MAIN();
