#include "app/statistics_windows.h"

#include "app/app_icon.h"
#include "core/settings.h"
#include "display/graph_settings.h"
#include "display/histogram.h"
#include "display/histogram_plot.h"

namespace meterly {

namespace {

constexpr int kHoursPerDay = 24;

}  // namespace

TTotalsForm* TStatisticsWindows::Open(TTotalsFormContext context) {
  const Settings& settings = *context.settings;
  context.createHourlyGraph = [&settings](QWidget* panel) { return CreateHourlyGraph(panel, settings); };
  context.showHourlyGraph = ShowHourlyGraph;
  auto* window = new TTotalsForm(std::move(context));
  window->setWindowIcon(MeterlyIcon());
  std::erase_if(windows_, [](const QPointer<TTotalsForm>& open) { return open.isNull(); });
  windows_.emplace_back(window);
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}

void TStatisticsWindows::CloseAll() {
  for (const QPointer<TTotalsForm>& window : windows_) {
    if (window) window->close();
  }
}

std::vector<TTotalsForm*> TStatisticsWindows::OpenWindows() const {
  std::vector<TTotalsForm*> open;
  for (const QPointer<TTotalsForm>& window : windows_) {
    if (window) open.push_back(window.data());
  }
  return open;
}

QWidget* CreateHourlyGraph(QWidget* panel, const Settings& settings) {
  auto* graph = new THistogram(panel);
  graph->setObjectName(QStringLiteral("HourlyGraph"));
  ApplyColourSettings(*graph, settings);
  graph->SetEnableAverages(false);
  graph->SetLeftToRight(settings.LeftToRight);
  graph->SetVertTickPeriod(kHoursPerDay * SampleStep(graph->Options()));
  return graph;
}

void ShowHourlyGraph(QWidget* graph, const std::vector<THourlySample>& samples) {
  auto* histogram = qobject_cast<THistogram*>(graph);
  if (histogram == nullptr) return;
  histogram->Clear();
  for (const THourlySample& sample : samples) histogram->AddSample(sample.In, sample.Out);
}

}  // namespace meterly
