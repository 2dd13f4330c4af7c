#include "app/network_glyph.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace meterly {

namespace {

void DrawMonitor(QPainter& painter) {
  painter.setPen(QPen(QColor(0x40, 0x40, 0x48), 1.5));
  painter.setBrush(QColor(0xE8, 0xE8, 0xEC));
  painter.drawRoundedRect(QRectF(3.5, 5.5, 34, 25), 2, 2);
  QLinearGradient screenLight(0, 8, 0, 28);
  screenLight.setColorAt(0, QColor(0x9C, 0xD0, 0xF8));
  screenLight.setColorAt(1, QColor(0x2A, 0x6E, 0xC4));
  painter.setPen(Qt::NoPen);
  painter.setBrush(screenLight);
  painter.drawRect(QRectF(6.5, 8.5, 28, 19));
  painter.setBrush(QColor(0x60, 0x60, 0x68));
  painter.drawRect(QRectF(17, 30.5, 7, 5));
  painter.drawRoundedRect(QRectF(11, 35, 19, 3), 1, 1);
}

void DrawGlobe(QPainter& painter, const QRectF& globe) {
  QRadialGradient sea(globe.center() - QPointF(3, 3), 13);
  sea.setColorAt(0, QColor(0x8F, 0xE0, 0x8A));
  sea.setColorAt(1, QColor(0x1E, 0x8C, 0x3A));
  painter.setPen(QPen(QColor(0x14, 0x5A, 0x28), 1.2));
  painter.setBrush(sea);
  painter.drawEllipse(globe);

  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(0xF4, 0xFF, 0xF4, 0xC8), 1));
  painter.drawEllipse(globe.adjusted(6, 0.5, -6, -0.5));
  const QPointF centre = globe.center();
  painter.drawLine(QPointF(centre.x(), globe.top() + 0.5), QPointF(centre.x(), globe.bottom() - 0.5));
  for (qreal y : {globe.top() + 5.5, centre.y(), globe.bottom() - 5.5}) {
    const qreal inset = y == centre.y() ? 0.5 : 2.5;
    painter.drawLine(QPointF(globe.left() + inset, y), QPointF(globe.right() - inset, y));
  }
}

}  // namespace

QPixmap NetworkGlyph(qreal devicePixelRatio) {
  QPixmap pixmap(QSize(NetworkGlyphSize, NetworkGlyphSize) * devicePixelRatio);
  pixmap.setDevicePixelRatio(devicePixelRatio);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  DrawMonitor(painter);
  DrawGlobe(painter, QRectF(25.5, 23.5, 20, 20));
  return pixmap;
}

}  // namespace meterly
