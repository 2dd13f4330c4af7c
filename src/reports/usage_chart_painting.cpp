// The chart's drawing, apart from its points and paging so that a program that only builds
// reports does not need the painting library.
#include "reports/chart_font.h"
#include "reports/usage_chart.h"

#include <QLinearGradient>
#include <QPainter>

#include <cmath>

namespace meterly {

namespace {

constexpr int kLabelPoints = 8;
const QColor kSilver(0xC0, 0xC0, 0xC0);

QPen DottedSilverPen() { return QPen(kSilver, 1, Qt::DotLine); }

// A bar with a black border whose halves shade from the colour to its brightest form and back,
// so that it looks rounded.
void DrawBar(QPainter& painter, const QRect& bar, Colorref colour) {
  if (bar.height() <= 0) return;
  painter.fillRect(bar, Qt::black);
  const QRect inner = bar.adjusted(1, 1, -1, -1);
  if (inner.width() <= 0 || inner.height() <= 0) return;
  const QColor base = ColorrefToQColor(colour);
  const QColor bright = ColorrefToQColor(BrightColor(colour));
  const int half = inner.width() / 2;
  const QRect left(inner.left(), inner.top(), half, inner.height());
  const QRect right(inner.left() + half, inner.top(), inner.width() - half, inner.height());
  QLinearGradient toBright(left.left(), 0, left.right() + 1, 0);
  toBright.setColorAt(0, base);
  toBright.setColorAt(1, bright);
  painter.fillRect(left, toBright);
  QLinearGradient toBase(right.left(), 0, right.right() + 1, 0);
  toBase.setColorAt(0, bright);
  toBase.setColorAt(1, base);
  painter.fillRect(right, toBase);
}

int PixelsOf(quint64 amount, double scale) {
  return scale > 0 ? static_cast<int>(std::llround(static_cast<double>(amount) / scale)) : 0;
}

}  // namespace

void TUsageChart::Paint(QPainter& painter) const {
  const QRect client(QPoint(0, 0), size_);
  painter.fillRect(client, Qt::white);
  QLinearGradient background(0, 0, 0, size_.height());
  background.setColorAt(0, ColorrefToQColor(gradientTopColor_));
  background.setColorAt(1, Qt::white);
  painter.fillRect(client, background);
  // Below the minimum height the axis's bottom would lie above its top: there is no plot.
  if (series_.Count() == 0 || size_.height() < MinimumPlotHeight) return;

  const int bottom = size_.height() - BottomMargin;
  const double scale = static_cast<double>(LargestVisibleTotal()) / (bottom - PlotTop);
  painter.save();
  painter.setFont(ChartFont(kLabelPoints));
  PaintValueAxis(painter, scale);
  painter.fillRect(QRect(AxisX, bottom, size_.width() - AxisX, 2), Qt::black);
  PaintBars(painter, scale);
  painter.restore();
}

void TUsageChart::PaintValueAxis(QPainter& painter, double scale) const {
  const int bottom = size_.height() - BottomMargin;
  painter.fillRect(QRect(AxisX - 1, PlotTop, 2, bottom - PlotTop + 1), Qt::black);
  const int step = (bottom - PlotTop) / 3 - 1;
  // Charts a few pixels above the minimum height have no room between grid lines.
  if (step <= 0) return;
  const QFontMetrics metrics(painter.font());
  for (int y = bottom; y > PlotTop; y -= step) {
    painter.setPen(DottedSilverPen());
    painter.drawLine(AxisX, y, size_.width(), y);
    const auto value = static_cast<qint64>(std::llround((bottom - y) * scale));
    QString text = QString::number(value);
    if (OnFormatValue) OnFormatValue(text, value);
    painter.setPen(Qt::black);
    painter.drawText(QRect(LabelX, y - metrics.height() / 2, AxisX - LabelX, metrics.height()),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, text);
  }
}

void TUsageChart::PaintBars(QPainter& painter, double scale) const {
  const int base = size_.height() - BottomMargin - 1;
  for (int i = FirstVisible(), k = 0; i <= LastVisible(); ++i, ++k) {
    const TUsageChartPoint& point = series_.At(i);
    const int left = FirstBarLeft + BarPitch * k;
    const int received = PixelsOf(point.Received, scale);
    const int sent = PixelsOf(point.Sent, scale);
    DrawBar(painter, QRect(left, base - received + 1, BarWidth, received), receivedColor_);
    DrawBar(painter, QRect(left, base - received - sent + 1, BarWidth, sent), sentColor_);
    painter.setPen(DottedSilverPen());
    painter.drawLine(left + BarWidth / 2, PlotTop, left + BarWidth / 2, base);
    painter.setPen(Qt::black);
    painter.drawText(QRect(QPoint(left - 12, base + 5), QPoint(left + BarWidth + 12, size_.height())),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, point.Label);
  }
}

}  // namespace meterly
