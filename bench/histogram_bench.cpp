// One repaint of the graph control into its offscreen surfaces, at the floating window's
// default size and at the width of a full-HD screen, with a full history, grid and averages.
#include "display/histogram.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

using namespace meterly;

void Repaint(benchmark::State& state, TLineType lineType) {
  THistogram graph;
  graph.SetLineType(lineType);
  graph.SetLineStep(3);
  graph.SetVertTickPeriod(60 * 3);
  graph.FillDemoData();
  graph.resize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  graph.RenderBitmap();  // the surfaces take the control's size once
  for (auto _ : state) benchmark::DoNotOptimize(graph.RenderBitmap().constBits());
}

void BmRepaintBars(benchmark::State& state) { Repaint(state, TLineType::ltBars); }
BENCHMARK(BmRepaintBars)->Args({290, 114})->Args({1920, 300})->Unit(benchmark::kMicrosecond);

void BmRepaintPolyLine(benchmark::State& state) { Repaint(state, TLineType::ltPolyLine); }
BENCHMARK(BmRepaintPolyLine)->Args({290, 114})->Args({1920, 300})->Unit(benchmark::kMicrosecond);

// The whole paint event, including the copy of both surfaces to a window's backing store.
void BmPaintEventBars(benchmark::State& state) {
  THistogram graph;
  graph.FillDemoData();
  graph.resize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  graph.show();
  QApplication::processEvents();
  for (auto _ : state) graph.repaint();
}
BENCHMARK(BmPaintEventBars)->Args({290, 114})->Args({1920, 300})->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
