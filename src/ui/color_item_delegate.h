#pragma once

#include <QAbstractItemDelegate>
#include <QColor>

class QPainter;
class QRect;

namespace meterly {

// The item role that holds an item's colour (a Colorref).
constexpr int ColorRole = Qt::UserRole;

// Frames a light colour (any of red, green and blue above 192) in black; a darker one in
// white while selected and in its own colour otherwise.
QColor ColorItemFrame(const QColor& color, bool selected);

// One colour item: the background over the whole item, and one pixel inside it a bar of the
// colour in its frame. Names are not drawn.
void DrawColorItem(QPainter& painter, const QRect& item, const QColor& color, bool selected, const QColor& background);

// Draws the items of a colour list by DrawColorItem.
class TColorItemDelegate : public QAbstractItemDelegate {
  Q_OBJECT

 public:
  using QAbstractItemDelegate::QAbstractItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace meterly
