#include "display/histogram_background.h"

#include "display/colorref.h"

#include <QLinearGradient>
#include <QPainter>

namespace meterly {

QRect FramedArea(const QSize& surface, const HistogramOptions& options) {
  const QRect area(QPoint(0, 0), surface);
  if (!options.EnableGrid) return area;
  if (options.LeftToRight) return area.adjusted(0, 0, -GridMargin, 0);
  return area.adjusted(GridMargin, 0, 0, 0);
}

void FillBackground(QPainter& painter, const QRect& area, const HistogramOptions& options) {
  const QColor back = ColorrefToQColor(options.BackColor);
  if (!options.EnableGradient) {
    painter.fillRect(area, back);
    return;
  }
  // Pixel centres lie half a pixel down, so the end rows take the two colours exactly.
  QLinearGradient gradient(0, area.top() + 0.5, 0, area.bottom() + 0.5);
  gradient.setColorAt(0, ColorrefToQColor(options.GradColor));
  gradient.setColorAt(1, back);
  painter.fillRect(area, gradient);
}

void DrawGraphBackground(QPainter& painter, const QSize& surface, const HistogramOptions& options) {
  const QRect whole(QPoint(0, 0), surface);
  if (options.BackImage.isNull()) {
    FillBackground(painter, whole, options);
  } else {
    painter.drawImage(whole, options.BackImage);
  }
  painter.setPen(QPen(ColorrefToQColor(options.FrameColor), 0));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(FramedArea(surface, options).adjusted(0, 0, -1, -1));
}

}  // namespace meterly
