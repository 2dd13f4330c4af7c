#include "alerts/quota_gauge_delegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionProgressBar>

#include <algorithm>

namespace meterly {

namespace {

constexpr int kGaugeMaximum = 100;

}  // namespace

int TQuotaGaugeDelegate::GaugeValue(int percent) { return std::clamp(percent, 0, kGaugeMaximum); }

void TQuotaGaugeDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QStyledItemDelegate::paint(painter, option, index);
  const QVariant gauge = index.data(GaugeRole);
  if (!gauge.isValid()) return;
  QStyleOptionProgressBar bar;
  bar.initFrom(option.widget);
  bar.rect = option.rect.adjusted(Inset, Inset, -Inset, -Inset);
  bar.minimum = 0;
  bar.maximum = kGaugeMaximum;
  bar.progress = GaugeValue(gauge.toInt());
  bar.textVisible = false;
  bar.state |= QStyle::State_Horizontal;
  const QWidget* widget = option.widget;
  QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
  style->drawControl(QStyle::CE_ProgressBar, &bar, painter, widget);
}

}  // namespace meterly
