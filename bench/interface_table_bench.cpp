// The interface table is read once a second for the life of the program; these measure one
// read against the running kernel (reading changes nothing).
#include "platform/linux/linux_interface_table.h"

#include <benchmark/benchmark.h>

namespace {

using meterly::platform::LinuxInterfaceTable;

void BmRows(benchmark::State& state) {
  LinuxInterfaceTable table;
  std::size_t links = 0;
  for (auto _ : state) {
    auto rows = table.Rows();
    if (!rows) {
      state.SkipWithError("the interface table cannot be read");
      return;
    }
    links = rows->size();
    benchmark::DoNotOptimize(rows);
  }
  state.counters["links"] = static_cast<double>(links);
}
BENCHMARK(BmRows);

void BmRowByNameLoopback(benchmark::State& state) {
  LinuxInterfaceTable table;
  const QString name = QStringLiteral("lo");
  for (auto _ : state) {
    auto row = table.RowByName(name);
    if (!row) {
      state.SkipWithError("lo cannot be read");
      return;
    }
    benchmark::DoNotOptimize(row);
  }
}
BENCHMARK(BmRowByNameLoopback);

}  // namespace

BENCHMARK_MAIN();
