#include "reports/hour_display.h"

#include "base/assertion.h"

#include <QColorDialog>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace meterly {

namespace {

constexpr int kHours = 24;

std::optional<QColor> AskColour(const QColor& initial, QWidget* parent) {
  const QColor chosen = QColorDialog::getColor(initial, parent);
  if (!chosen.isValid()) return std::nullopt;
  return chosen;
}

}  // namespace

THourDisplay::THourDisplay(QWidget* parent) : QWidget(parent), colorDialog_(AskColour) {}

void THourDisplay::SetHours(quint32 hours) {
  hours_ = hours;
  update();
}

void THourDisplay::SetOnPeakColor(Colorref colour) {
  onPeakColor_ = colour;
  update();
}

void THourDisplay::SetOffPeakColor(Colorref colour) {
  offPeakColor_ = colour;
  update();
}

QRect THourDisplay::CellRect(int hour) const {
  METERLY_ASSERT(hour >= 0 && hour < kHours, "HourDisplay", "no such hour");
  const QRect client = rect();
  const double width = (client.width() - 1) / static_cast<double>(kHours);
  const auto left = static_cast<int>(std::lround(hour * width));
  const auto right = static_cast<int>(std::lround(left + width + 1));
  return QRect(client.left() + left, client.top(), right - left, client.height());
}

std::optional<int> THourDisplay::HourAt(const QPoint& point) const {
  for (int hour = 0; hour < kHours; ++hour) {
    if (CellRect(hour).contains(point)) return hour;
  }
  return std::nullopt;
}

void THourDisplay::Click(const QPoint& point) {
  const std::optional<int> hour = HourAt(point);
  if (!hour) return;
  const bool peak = IsPeak(*hour);
  if (const std::optional<QColor> chosen = colorDialog_(ColorrefToQColor(peak ? onPeakColor_ : offPeakColor_), this)) {
    (peak ? onPeakColor_ : offPeakColor_) = QColorToColorref(*chosen);
    Q_EMIT coloursChanged();
  }
  update();
}

void THourDisplay::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  QFont font(QStringLiteral("Tahoma"));
  font.setPointSize(7);
  painter.setFont(font);
  painter.fillRect(rect(), palette().window());
  painter.setPen(palette().color(QPalette::WindowText));
  for (int hour = 0; hour < kHours; ++hour) {
    const QRect cell = CellRect(hour);
    painter.setBrush(ColorrefToQColor(IsPeak(hour) ? onPeakColor_ : offPeakColor_));
    // The outline runs along the cell's inner edge, as a one-pixel pen draws it.
    painter.drawRect(cell.adjusted(0, 0, -1, -1));
    painter.drawText(cell, Qt::AlignCenter | Qt::TextSingleLine, QString::number(hour));
  }
}

void THourDisplay::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    Click(event->position().toPoint());
  }
  QWidget::mouseReleaseEvent(event);
}

}  // namespace meterly
