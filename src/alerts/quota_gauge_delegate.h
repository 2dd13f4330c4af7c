#pragma once

#include <QStyledItemDelegate>

namespace meterly {

// Draws the gauges of the quota report: in the column it serves, an item whose GaugeRole holds a
// percentage gets a style-drawn progress bar of 0 ... 100 (values outside are clipped), inset
// by 3 pixels. Drawn with the row, so the gauges follow scrolling and column resizing.
class TQuotaGaugeDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  static constexpr int GaugeRole = Qt::UserRole + 1;
  static constexpr int Inset = 3;

  explicit TQuotaGaugeDelegate(QObject* parent = nullptr) : QStyledItemDelegate(parent) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  // The bar's value for a percentage.
  static int GaugeValue(int percent);
};

}  // namespace meterly
