// What one tick costs on the real kernel: finding the selected source and reading its
// counters, for the "All Connections" aggregate and for one interface. Reading changes nothing.
#include "core/main_tick.h"
#include "core/traffic_sources.h"
#include "platform/linux/linux_address_table.h"
#include "platform/linux/linux_address_watch.h"
#include "platform/linux/linux_interface_table.h"

#include <benchmark/benchmark.h>

namespace {

using namespace meterly;

class QuietTray : public TrayIconHost {
 public:
  bool IsTrayIconShown() override { return true; }
  bool TryShowTrayIcon() override { return true; }
  void TrayIconFailedForGood() override {}
};

// A whole tick (tray check, address watch, sampling, hand-over to nobody) for one source.
void RunTicks(benchmark::State& state, const QString& guid) {
  platform::LinuxInterfaceTable interfaces;
  platform::LinuxAddressTable addresses;
  platform::LinuxAddressChangeWatch watch(interfaces, addresses);
  TrafficSources sources(interfaces, addresses);
  sources.BuildAdapterList();
  if (sources.FindSelectedAdapter(guid) == nullptr) {
    state.SkipWithError("no such source on this machine");
    return;
  }
  Settings settings;
  settings.InterfaceGuid = guid;
  TickHandover nobody;
  QuietTray tray;
  MainTick tick(settings, sources, watch, tray, nobody);
  for (auto _ : state) tick.TimerTimer();
  state.counters["sources"] = static_cast<double>(sources.Adapters().size());
}

void BmTickAllConnections(benchmark::State& state) { RunTicks(state, AllConnectionsGuid); }
BENCHMARK(BmTickAllConnections)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The first single interface the machine lists.
void BmTickOneInterface(benchmark::State& state) {
  platform::LinuxInterfaceTable interfaces;
  platform::LinuxAddressTable addresses;
  TrafficSources sources(interfaces, addresses);
  sources.BuildAdapterList();
  if (sources.Adapters().size() < 4) {
    state.SkipWithError("this machine lists no single interface");
    return;
  }
  RunTicks(state, sources.Adapters()[3].Guid);
}
BENCHMARK(BmTickOneInterface)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
