#include "display/histogram.h"

#include "base/assertion.h"
#include "display/averages_strip.h"
#include "display/colorref.h"
#include "display/histogram_background.h"
#include "display/histogram_format.h"
#include "display/histogram_grid.h"
#include "display/histogram_plot.h"
#include "display/number_panel.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QtMath>

#include <cstring>
#include <limits>

namespace meterly {
namespace {

constexpr quint32 BitsPerByte = 8;
constexpr quint32 DemoInBase = 300000;
constexpr quint32 DemoOutBase = 100000;
constexpr quint32 DemoSpread = 100000;

bool IsKnown(TMeasurementUnit unit) { return unit == TMeasurementUnit::muBytes || unit == TMeasurementUnit::muBits; }
bool IsKnown(TCompactMode mode) { return static_cast<int>(mode) >= 0 && static_cast<int>(mode) <= 2; }
bool IsKnown(TLineType type) { return static_cast<int>(type) >= 0 && static_cast<int>(type) <= 2; }

QString Labelled(const QString& label, const QString& value) { return label + QStringLiteral(": ") + value; }

// Surfaces follow the control's size and the screen's pixel ratio lazily and are only replaced
// when either changed (then true). They hold device pixels, so nothing is blurred by scaling;
// everything is drawn in the control's own (logical) pixels.
bool FitSurface(QImage& surface, const QSize& size, qreal ratio) {
  const QSize device(qCeil(size.width() * ratio), qCeil(size.height() * ratio));
  if (surface.size() == device && surface.devicePixelRatio() == ratio) return false;
  surface = size.isEmpty() ? QImage() : QImage(device, QImage::Format_RGB32);
  surface.setDevicePixelRatio(ratio);
  return true;
}

QSize LogicalSize(const QImage& surface) { return surface.deviceIndependentSize().toSize(); }

}  // namespace

THistogram::THistogram(QWidget* parent) : QWidget(parent), unitDivisor_(ByteUnitDivisor) {
  // Every pixel is painted from the surfaces, so nothing needs erasing beneath the control.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void THistogram::AddSample(quint32 inValue, quint32 outValue) {
  const quint32 in = InUnit(inValue);
  const quint32 out = InUnit(outValue);
  // A hidden control paints when it is shown again.
  const bool changesDrawing = isVisible() && !(in_.AllEqual(in) && out_.AllEqual(out));
  in_.Push(in);
  out_.Push(out);
  if (changesDrawing) update();
}

void THistogram::Clear() {
  in_.Fill(0);
  out_.Fill(0);
  update();
}

void THistogram::FillDemoData() {
  QRandomGenerator& random = *QRandomGenerator::global();
  for (int index = 0; index < SampleCapacity; ++index) {
    in_.Set(index, DemoInBase + random.bounded(DemoSpread));
    out_.Set(index, DemoOutBase + random.bounded(DemoSpread));
  }
  update();
}

const QImage& THistogram::RenderBitmap() {
  PaintSurfaces();
  return graphSurface_;
}

qreal THistogram::SurfaceRatio() const { return renderRatio_ > 0 ? renderRatio_ : devicePixelRatioF(); }

QString THistogram::FormatValue(quint32 value) const { return meterly::FormatValue(value, unitDivisor_); }

void THistogram::SetVertTickPeriod(int period) {
  METERLY_ASSERT(period >= 0, "histogram", "The vertical tick period cannot be negative");
  Assign(options_.VertTickPeriod, period);
}

void THistogram::SetMeasurementUnit(TMeasurementUnit unit) {
  METERLY_ASSERT(IsKnown(unit), "histogram", "Unknown measurement unit");
  options_.MeasurementUnit = unit;
  unitDivisor_ = unit == TMeasurementUnit::muBits ? BitUnitDivisor : ByteUnitDivisor;
  Clear();
}

void THistogram::SetCompactMode(TCompactMode mode) {
  METERLY_ASSERT(IsKnown(mode), "histogram", "Unknown compact mode");
  if (mode == options_.CompactMode) return;
  options_.CompactMode = mode;
  options_.EnableAverages = mode != TCompactMode::cmNumLeft;
  options_.EnableGrid = mode == TCompactMode::cmNone;
  if (mode != TCompactMode::cmNone) options_.BackImage = QImage();
  OptionsChanged();
}

void THistogram::SetLineType(TLineType type) {
  METERLY_ASSERT(IsKnown(type), "histogram", "Unknown line type");
  Assign(options_.LineType, type);
}

void THistogram::SetLineStep(int step) {
  METERLY_ASSERT(step >= 1, "histogram", "The line step must be at least one pixel");
  Assign(options_.LineStep, step);
}

void THistogram::OptionsChanged() {
  backgroundCurrent_ = false;
  averagesCurrent_ = false;
  update();
}

void THistogram::paintEvent(QPaintEvent* /*event*/) {
  PaintSurfaces();
  QPainter painter(this);
  if (options_.ShowsPlot() && !graphSurface_.isNull()) painter.drawImage(0, 0, graphSurface_);
  if (options_.EnableAverages && !averagesSurface_.isNull()) {
    painter.drawImage(0, height() - LogicalSize(averagesSurface_).height(), averagesSurface_);
  }
}

void THistogram::PaintSurfaces() {
  const bool showsPlot = options_.ShowsPlot();
  const qreal ratio = SurfaceRatio();
  if (showsPlot && FitSurface(graphSurface_,
                              QSize(width(), height() - (options_.EnableAverages ? AveragesStripHeight : 0)), ratio)) {
    backgroundCurrent_ = false;
  }
  if (options_.EnableAverages &&
      FitSurface(averagesSurface_, QSize(width(), showsPlot ? AveragesStripHeight : height()), ratio)) {
    averagesCurrent_ = false;
  }
  PaintGraphSurface();
  if (options_.EnableAverages) PaintAveragesSurface();
}

void THistogram::PaintGraphSurface() {
  if (graphSurface_.isNull()) return;
  if (!backgroundCurrent_) {
    graphBackground_ = QImage(graphSurface_.size(), graphSurface_.format());
    graphBackground_.setDevicePixelRatio(graphSurface_.devicePixelRatio());
    // Where a back image is transparent, the back colour shows.
    graphBackground_.fill(ColorrefToQColor(options_.BackColor));
    QPainter painter(&graphBackground_);
    DrawGraphBackground(painter, LogicalSize(graphBackground_), options_);
    backgroundCurrent_ = true;
  }
  std::memcpy(graphSurface_.bits(), graphBackground_.constBits(),
              static_cast<std::size_t>(graphSurface_.sizeInBytes()));
  if (options_.ShowsPlot()) PaintPlot();
}

// The series go straight into the surface; the number panel and the grid are drawn over them.
void THistogram::PaintPlot() {
  const QSize size = LogicalSize(graphSurface_);
  const double scale = PlotScale(in_, out_, size, options_);
  const PlotArea area = PlotAreaFor(size, options_);
  DrawSeries(graphSurface_, area, scale, in_, out_, options_);
  const bool numberPanel = options_.CompactMode == TCompactMode::cmNumLeft;
  if (!numberPanel && !options_.EnableGrid) return;
  QPainter painter(&graphSurface_);
  if (numberPanel) {
    const NumberPanelLines lines{Labelled(options_.LabelIn, FormatValue(AverageIn())),
                                 Labelled(options_.LabelOut, FormatValue(AverageOut()))};
    DrawNumberPanel(painter, area, lines, options_);
  }
  if (options_.EnableGrid) DrawGrid(painter, size, scale, unitDivisor_, options_);
}

void THistogram::PaintAveragesSurface() {
  if (averagesSurface_.isNull()) return;
  AveragesTexts texts{AverageText(options_.LabelIn, AverageIn()), AverageText(options_.LabelOut, AverageOut())};
  if (averagesCurrent_ && texts.In == paintedAverages_.In && texts.Out == paintedAverages_.Out) return;
  QPainter painter(&averagesSurface_);
  DrawAveragesStrip(painter, LogicalSize(averagesSurface_), texts, options_);
  paintedAverages_ = std::move(texts);
  averagesCurrent_ = true;
}

// The compact modes show the bare value; the full strip names the series and lets the host
// write the value.
QString THistogram::AverageText(const QString& label, quint32 average) {
  if (options_.CompactMode != TCompactMode::cmNone) return FormatValue(average);
  QString value;
  if (onNeedValue_) {
    onNeedValue_(*this, average, value);
  } else {
    value = FormatValue(average);
  }
  return Labelled(label, value);
}

quint32 THistogram::InUnit(quint32 bytes) const {
  if (options_.MeasurementUnit != TMeasurementUnit::muBits) return bytes;
  constexpr quint32 Top = std::numeric_limits<quint32>::max();
  return bytes > Top / BitsPerByte ? Top : bytes * BitsPerByte;
}

}  // namespace meterly
