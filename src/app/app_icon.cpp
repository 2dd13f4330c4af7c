#include "app/app_icon.h"

#include <QPainter>
#include <QPixmap>

namespace meterly {

namespace {

QPixmap DrawIcon(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal unit = size / 16.0;
  painter.setPen(QPen(QColor(0x30, 0x30, 0x30), unit));
  painter.setBrush(QColor(0xFA, 0xFA, 0xFA));
  painter.drawRoundedRect(QRectF(0.5 * unit, 0.5 * unit, 15 * unit, 15 * unit), 2 * unit, 2 * unit);
  // Received bars in blue, sent bars in green, as the live graph draws them.
  const int received[] = {3, 6, 4, 9, 7, 11};
  const int sent[] = {2, 3, 2, 4, 3, 5};
  for (int i = 0; i < 6; ++i) {
    const qreal x = (2 + i * 2) * unit;
    painter.fillRect(QRectF(x, (14 - received[i]) * unit, 1.6 * unit, received[i] * unit), QColor(0x00, 0x00, 0xCD));
    painter.fillRect(QRectF(x, (14 - sent[i]) * unit, 1.6 * unit, sent[i] * unit), QColor(0x32, 0xCD, 0x32));
  }
  return pixmap;
}

}  // namespace

QIcon MeterlyIcon() {
  QIcon icon;
  for (int size : {16, 22, 24, 32, 48, 64}) icon.addPixmap(DrawIcon(size));
  return icon;
}

}  // namespace meterly
