#include "ui/color_item_delegate.h"

#include "ui/named_colors.h"

#include <QPainter>

namespace meterly {

namespace {

constexpr int LightComponent = 192;

bool IsLight(const QColor& color) {
  return color.red() > LightComponent || color.green() > LightComponent || color.blue() > LightComponent;
}

}  // namespace

QColor ColorItemFrame(const QColor& color, bool selected) {
  if (IsLight(color)) return Qt::black;
  return selected ? QColor(Qt::white) : color;
}

void DrawColorItem(QPainter& painter, const QRect& item, const QColor& color, bool selected, const QColor& background) {
  const QRect bar = item.adjusted(1, 1, -1, -1);
  painter.fillRect(item, background);
  painter.fillRect(bar, ColorItemFrame(color, selected));
  painter.fillRect(bar.adjusted(1, 1, -1, -1), color);
}

void TColorItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const QColor color = ColorrefToQColor(index.data(ColorRole).value<Colorref>());
  DrawColorItem(*painter, option.rect, color, option.state.testFlag(QStyle::State_Selected),
                option.palette.color(QPalette::Base));
}

QSize TColorItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& /*index*/) const {
  constexpr int MinimumBarWidth = 48;
  constexpr int FrameAndMargin = 4;
  return QSize(MinimumBarWidth, option.fontMetrics.height() + FrameAndMargin);
}

}  // namespace meterly
