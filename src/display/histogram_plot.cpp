#include "display/histogram_plot.h"

#include "base/assertion.h"
#include "display/colorref.h"
#include "display/histogram_background.h"

#include <QPainter>
#include <QPoint>

#include <algorithm>
#include <cmath>
#include <vector>

namespace meterly {
namespace {

constexpr int LastSampleIndex = SampleCapacity - 1;

enum class SeriesKind { In, Out, Overlap };

// The values of one drawn series, smoothed when asked.
class SeriesValues {
 public:
  SeriesValues(const SampleSeries& in, const SampleSeries& out, SeriesKind kind, bool smooth)
      : in_(in), out_(out), kind_(kind), smooth_(smooth) {}

  quint64 operator()(int index) const {
    if (!smooth_ || index >= LastSampleIndex) return Raw(index);
    return (static_cast<quint64>(Raw(index)) + Raw(index + 1)) / 2;
  }

 private:
  quint32 Raw(int index) const {
    switch (kind_) {
      case SeriesKind::In:
        return in_[index];
      case SeriesKind::Out:
        return out_[index];
      case SeriesKind::Overlap:
        return std::min(in_[index], out_[index]);
    }
    return 0;
  }

  const SampleSeries& in_;
  const SampleSeries& out_;
  SeriesKind kind_;
  bool smooth_;
};

// Where the samples go: from the newest edge towards the far edge, step pixels apart.
struct ColumnWalk {
  int First;
  int Advance;  // signed: +step left to right, -step otherwise
  int FarEdge;

  bool Reaches(int x) const { return Advance > 0 ? x >= FarEdge : x <= FarEdge; }
  bool Passes(int x) const { return Advance > 0 ? x > FarEdge : x < FarEdge; }
};

ColumnWalk WalkFor(const PlotArea& area, const HistogramOptions& options) {
  const int step = SampleStep(options);
  if (options.LeftToRight) return {area.Left + 1, step, area.Right};
  return {area.Right - 1, -step, area.Left};
}

// A bar column as in, out and overlap leave it when drawn one over the other in that order:
// from the bottom, the overlap's colour, then out's, then in's, each up to its own height.
struct BarColumn {
  int Overlap;
  int Out;
  int In;

  int Top() const { return std::max({Overlap, Out, In}); }
};

struct BarColours {
  QRgb Overlap;
  QRgb Out;
  QRgb In;
};

QRgb OpaquePixel(Colorref colour) { return ColorrefToQColor(colour).rgb(); }

// Bars are written straight into the surface: a thousand one-pixel columns cost the painter
// far more than the pixels themselves.
// Coordinates are the control's pixels; each covers ratio x ratio device pixels of the surface.
void FillBarColumn(QImage& surface, int x, int baseRow, const BarColumn& bar, const BarColours& colours) {
  uchar* const bits = surface.bits();
  const qsizetype stride = surface.bytesPerLine();
  const qreal ratio = surface.devicePixelRatio();
  const auto device = [ratio](int logical) { return static_cast<int>(std::lround(logical * ratio)); };
  const int left = device(x);
  const int right = std::min(device(x + 1), surface.width());
  // The heights from..to-1 are the rows baseRow-to+1..baseRow-from, which cover the device rows
  // from the top of the first to the bottom of the last.
  const auto fill = [&](int from, int to, QRgb colour) {
    const int bottom = std::min(device(baseRow - from + 1), surface.height());
    for (int y = device(baseRow - to + 1); y < bottom; ++y) {
      QRgb* const line = reinterpret_cast<QRgb*>(bits + y * stride);
      std::fill(line + left, line + right, colour);
    }
  };
  const int top = bar.Top();
  const int overlapTop = std::min(bar.Overlap, top);
  const int outTop = std::max(overlapTop, std::min(bar.Out, top));
  fill(0, overlapTop, colours.Overlap);
  fill(overlapTop, outTop, colours.Out);
  fill(outTop, top, colours.In);
}

void DrawBars(QImage& surface, const PlotArea& area, double scale, const SampleSeries& in, const SampleSeries& out,
              const HistogramOptions& options) {
  const SeriesValues inValues(in, out, SeriesKind::In, options.Smooth);
  const SeriesValues outValues(in, out, SeriesKind::Out, options.Smooth);
  const SeriesValues overlapValues(in, out, SeriesKind::Overlap, options.Smooth);
  const BarColours colours{OpaquePixel(options.ColorBoth), OpaquePixel(options.ColorOut), OpaquePixel(options.ColorIn)};
  const int plotHeight = area.Height();
  const ColumnWalk walk = WalkFor(area, options);
  int x = walk.First;
  for (int index = 0; index < SampleCapacity && !walk.Reaches(x); ++index, x += walk.Advance) {
    const BarColumn bar{BarHeight(overlapValues(index), scale, plotHeight),
                        BarHeight(outValues(index), scale, plotHeight), BarHeight(inValues(index), scale, plotHeight)};
    FillBarColumn(surface, x, area.Bottom - 1, bar, colours);
  }
}

// A repeated point adds nothing, and as the last point of a poly-line it would even keep the
// line's end pixel from being drawn.
void AddLinePoint(std::vector<QPoint>& points, const QPoint& point) {
  if (points.empty() || points.back() != point) points.push_back(point);
}

// The line ends on the far edge: the first point beyond it is drawn on the edge instead.
void CollectPolyLine(const SeriesValues& values, const ColumnWalk& walk, const PlotArea& area, double scale,
                     std::vector<QPoint>& points) {
  int x = walk.First;
  AddLinePoint(points, QPoint(x, area.Bottom - 1));
  for (int index = 0; index < SampleCapacity; ++index, x += walk.Advance) {
    const bool last = walk.Passes(x);
    if (last) x = walk.FarEdge;
    AddLinePoint(points, QPoint(x, area.Bottom - BarHeight(values(index), scale, area.Height()) - 1));
    if (last) break;
  }
}

void DrawPolyLine(QPainter& painter, const SeriesValues& values, Colorref colour, const PlotArea& area, double scale,
                  const HistogramOptions& options) {
  QPen pen(ColorrefToQColor(colour), 0);
  pen.setCapStyle(Qt::SquareCap);
  painter.setPen(pen);
  std::vector<QPoint> points;
  points.reserve(SampleCapacity + 1);
  CollectPolyLine(values, WalkFor(area, options), area, scale, points);
  painter.drawPolyline(points.data(), static_cast<int>(points.size()));
}

void DrawPolyLines(QImage& surface, const PlotArea& area, double scale, const SampleSeries& in, const SampleSeries& out,
                   const HistogramOptions& options) {
  QPainter painter(&surface);
  DrawPolyLine(painter, SeriesValues(in, out, SeriesKind::In, options.Smooth), options.ColorIn, area, scale, options);
  DrawPolyLine(painter, SeriesValues(in, out, SeriesKind::Out, options.Smooth), options.ColorOut, area, scale, options);
}

}  // namespace

PlotArea PlotAreaFor(const QSize& surface, const HistogramOptions& options) {
  const QRect framed = FramedArea(surface, options);
  return {framed.left() + 1, framed.top() + 1, framed.right(), framed.bottom()};
}

int SampleStep(const HistogramOptions& options) {
  switch (options.LineType) {
    case TLineType::ltBars:
    case TLineType::ltNumeric:
      return 1;
    case TLineType::ltPolyLine:
      return options.LineStep;
  }
  RaiseAssertion("Unknown line type", "histogram", __LINE__);
}

double PlotScale(const SampleSeries& in, const SampleSeries& out, const QSize& surface,
                 const HistogramOptions& options) {
  const int plotHeight = PlotAreaFor(surface, options).Height();
  if (plotHeight <= 0) return 1.0;
  quint32 top = options.MaxValue;
  if (top == 0) {
    const int step = SampleStep(options);
    const int margin = options.EnableGrid ? GridMargin : 0;
    const int lastIndex = std::min((surface.width() - margin + 2 * step) / step, LastSampleIndex);
    top = std::max(in.Largest(lastIndex), out.Largest(lastIndex));
  }
  const double scale = static_cast<double>(top) / plotHeight;
  return scale > 1.0 ? scale : 1.0;
}

int BarHeight(quint64 value, double scale, int plotHeight) {
  const double pixels = std::trunc(static_cast<double>(value) / scale);
  return std::max(0, static_cast<int>(std::min<double>(pixels, plotHeight)));
}

void DrawSeries(QImage& surface, const PlotArea& area, double scale, const SampleSeries& in, const SampleSeries& out,
                const HistogramOptions& options) {
  if (options.LineType == TLineType::ltPolyLine) {
    DrawPolyLines(surface, area, scale, in, out, options);
  } else {
    DrawBars(surface, area, scale, in, out, options);
  }
}

}  // namespace meterly
