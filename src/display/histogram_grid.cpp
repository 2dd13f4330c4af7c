#include "display/histogram_grid.h"

#include "display/colorref.h"
#include "display/histogram_fonts.h"
#include "display/histogram_format.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPoint>

#include <cmath>
#include <limits>
#include <vector>

namespace meterly {
namespace {

constexpr int LabelInset = 5;            // from the surface's left edge
constexpr int LabelInsetFromRight = 30;  // from its right edge, left to right

quint32 ValueAtHeight(int pixels, double scale) {
  const double value = std::trunc(pixels * scale);
  if (!(value > 0)) return 0;
  if (value >= std::numeric_limits<quint32>::max()) return std::numeric_limits<quint32>::max();
  return static_cast<quint32>(value);
}

// One dot every DotSpacing pixels from start, over length pixels.
void AddDots(std::vector<QPoint>& dots, const QPoint& start, const QPoint& direction, int length) {
  for (int offset = 0; offset < length; offset += DotSpacing) dots.push_back(start + direction * offset);
}

void DrawDots(QPainter& painter, const std::vector<QPoint>& dots, const QPen& pen) {
  painter.setPen(pen);
  painter.drawPoints(dots.data(), static_cast<int>(dots.size()));
}

void DrawScaleRow(QPainter& painter, const GridRow& row, const QSize& surface, quint32 unitDivisor,
                  const HistogramOptions& options, const QPen& tickPen, const QPen& textPen) {
  const int lineStart = options.LeftToRight ? 0 : GridMargin;
  std::vector<QPoint> dots;
  AddDots(dots, QPoint(lineStart, row.LineY), QPoint(1, 0), surface.width() - GridMargin);
  DrawDots(painter, dots, tickPen);
  const int labelLeft = options.LeftToRight ? surface.width() - LabelInsetFromRight : LabelInset;
  painter.setPen(textPen);
  painter.drawText(QPoint(labelLeft, row.LabelTop + painter.fontMetrics().ascent()),
                   FormatValue(row.Value, unitDivisor));
}

void DrawVerticalTicks(QPainter& painter, const QSize& surface, const HistogramOptions& options, const QPen& tickPen) {
  const int period = options.VertTickPeriod;
  if (period <= 0) return;
  std::vector<QPoint> dots;
  const int end = surface.width() - GridMargin;
  for (int distance = period; distance < end; distance += period) {
    const int x = options.LeftToRight ? distance : surface.width() - distance;
    AddDots(dots, QPoint(x, 0), QPoint(0, 1), surface.height());
  }
  DrawDots(painter, dots, tickPen);
}

}  // namespace

std::array<GridRow, GridRowCount> GridRows(int surfaceHeight, int textHeight, double scale) {
  std::array<GridRow, GridRowCount> rows;
  int labelTop = surfaceHeight - textHeight - 2;
  const int spacing = (labelTop - 2) / 3;
  for (GridRow& row : rows) {
    row.LabelTop = labelTop;
    row.LineY = labelTop + textHeight / 2;
    row.Value = ValueAtHeight(surfaceHeight - row.LineY, scale);
    labelTop -= spacing;
  }
  return rows;
}

void DrawGrid(QPainter& painter, const QSize& surface, double scale, quint32 unitDivisor,
              const HistogramOptions& options) {
  painter.setFont(SurfaceFont(HistogramFont(GridLabelPoints)));
  const QPen tickPen(ColorrefToQColor(options.TickColor), 0);
  const QPen textPen(ColorrefToQColor(options.TextColor), 0);
  for (const GridRow& row : GridRows(surface.height(), painter.fontMetrics().height(), scale)) {
    DrawScaleRow(painter, row, surface, unitDivisor, options, tickPen, textPen);
  }
  DrawVerticalTicks(painter, surface, options, tickPen);
}

}  // namespace meterly
