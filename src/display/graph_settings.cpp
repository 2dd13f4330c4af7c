#include "display/graph_settings.h"

#include "display/colorref.h"
#include "display/graph_window_rules.h"
#include "display/histogram.h"

#include <QFileInfo>

namespace meterly {
namespace {

constexpr int TickLightening = 40;

}  // namespace

GraphLook GraphLookOf(const Settings& settings) {
  GraphLook look;
  look.Back = settings.ColorBack;
  look.In = settings.ColorDataIn;
  look.Out = settings.ColorDataOut;
  look.Both = settings.ColorDataBoth;
  look.Text = settings.ColorDataText;
  look.Frame = settings.ColorDataFrame;
  look.Tick = Lighten(settings.ColorDataText, TickLightening);
  look.EnableGradient = settings.EnableGradient;
  look.GradColor = settings.GradientColor;
  look.LineType = static_cast<TLineType>(settings.LineType);
  look.LineStep = settings.LineStep;
  return look;
}

void ApplyGraphLook(THistogram& graph, const GraphLook& look) {
  graph.SetBackColor(look.Back);
  graph.SetColorIn(look.In);
  graph.SetColorOut(look.Out);
  graph.SetColorBoth(look.Both);
  graph.SetFrameColor(look.Frame);
  graph.SetTextColor(look.Text);
  graph.SetTickColor(look.Tick);
  graph.SetEnableGradient(look.EnableGradient);
  graph.SetGradColor(look.GradColor);
  graph.SetLineType(look.LineType);
  graph.SetLineStep(look.LineStep);
}

void ApplyColourSettings(THistogram& graph, const Settings& settings) {
  ApplyGraphLook(graph, GraphLookOf(settings));
  const auto unit = static_cast<TMeasurementUnit>(settings.Unit);
  if (unit != graph.MeasurementUnit()) graph.SetMeasurementUnit(unit);
}

void ApplyScaleSettings(THistogram& graph, const Settings& settings) {
  graph.SetMaxValue(ScaleMaximum(settings));
  graph.SetSmooth(settings.EnableSmooth);
  graph.SetLeftToRight(settings.LeftToRight);
}

void ApplyWindowGraphSettings(THistogram& graph, const Settings& settings) {
  graph.SetEnableGrid(settings.EnableGridAndAxes);
  graph.SetVertTickPeriod(MinuteTickPeriod(settings));
}

QImage LoadBackImage(bool enabled, const QString& fileName) {
  QImage image;
  if (enabled && !fileName.isEmpty() && QFileInfo(fileName).isFile()) image.load(fileName, "BMP");
  return image;
}

}  // namespace meterly
