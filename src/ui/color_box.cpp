#include "ui/color_box.h"

#include "ui/color_item_delegate.h"
#include "ui/named_colors.h"

#include <QCoreApplication>
#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace meterly {

TColorBox::TColorBox(QWidget* parent) : QComboBox(parent) {
  setItemDelegate(new TColorItemDelegate(this));
  for (const NamedColor& named : NamedColors()) {
    addItem(QCoreApplication::translate("NamedColors", named.name.toUtf8().constData()),
            QVariant::fromValue(named.color));
  }
  notifiedColor_ = SelectedColor();
  connect(this, &QComboBox::currentIndexChanged, this, &TColorBox::NotifyIfChanged);
}

Colorref TColorBox::SelectedColor() const { return currentData(ColorRole).value<Colorref>(); }

void TColorBox::SetSelectedColor(Colorref color) {
  int index = IndexOfColor(color);
  if (index < 0) index = PutCustomEntry(color);
  setCurrentIndex(index);
  // The custom entry may have been selected already, holding another colour.
  NotifyIfChanged();
}

int TColorBox::IndexOfColor(Colorref color) const {
  const int named = static_cast<int>(NamedColors().size());
  for (int index = 0; index < named; ++index) {
    if (itemData(index, ColorRole).value<Colorref>() == color) return index;
  }
  return -1;
}

int TColorBox::PutCustomEntry(Colorref color) {
  const QString name = ColorrefToQColor(color).name(QColor::HexRgb).toUpper();
  const int custom = static_cast<int>(NamedColors().size());
  if (count() == custom) {
    addItem(name, QVariant::fromValue(color));
  } else {
    setItemText(custom, name);
    setItemData(custom, QVariant::fromValue(color), ColorRole);
  }
  return custom;
}

void TColorBox::NotifyIfChanged() {
  const Colorref color = SelectedColor();
  if (color == notifiedColor_) return;
  notifiedColor_ = color;
  Q_EMIT colorChanged(color);
}

void TColorBox::paintEvent(QPaintEvent* /*event*/) {
  QStylePainter painter(this);
  QStyleOptionComboBox option;
  initStyleOption(&option);
  option.currentText.clear();
  option.currentIcon = QIcon();
  painter.drawComplexControl(QStyle::CC_ComboBox, option);
  const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
  DrawColorItem(painter, field, ColorrefToQColor(SelectedColor()), hasFocus(), palette().color(QPalette::Base));
}

}  // namespace meterly
