#include "ui/color_item_delegate.h"

#include "ui/named_colors.h"

#include <QImage>
#include <QPainter>
#include <QStandardItemModel>
#include <QStyleOptionViewItem>

#include <gtest/gtest.h>

namespace meterly {
namespace {

const QColor ListBack(0x12, 0x34, 0x56);
constexpr int Width = 40;
constexpr int Height = 16;

// Names where a pixel sits in a drawn item: the one-pixel margin, the bar's frame, the bar.
struct ItemPixels {
  QRgb margin;
  QRgb frame;
  QRgb bar;
};

::testing::AssertionResult HasPixels(const QImage& image, const ItemPixels& expected, QRect item = {}) {
  if (item.isNull()) item = image.rect();
  const QRect bar = item.adjusted(1, 1, -1, -1);
  const QRect inside = bar.adjusted(1, 1, -1, -1);
  for (int y = item.top(); y <= item.bottom(); ++y) {
    for (int x = item.left(); x <= item.right(); ++x) {
      const QPoint point(x, y);
      const QRgb want = !bar.contains(point)      ? expected.margin
                        : !inside.contains(point) ? expected.frame
                                                  : expected.bar;
      if (image.pixel(point) != want) {
        return ::testing::AssertionFailure()
               << "pixel (" << x << ", " << y << ") is " << std::hex << image.pixel(point) << ", expected " << want;
      }
    }
  }
  return ::testing::AssertionSuccess();
}

QImage DrawItem(const QColor& color, bool selected) {
  QImage image(Width, Height, QImage::Format_RGB32);
  image.fill(Qt::magenta);
  QPainter painter(&image);
  DrawColorItem(painter, image.rect(), color, selected, ListBack);
  return image;
}

TEST(ColorItem, LightColoursAreFramedInBlackDarkerOnesInWhiteWhileSelectedAndInThemselvesOtherwise) {
  const QColor light[] = {QColor(193, 0, 0), QColor(0, 193, 0), QColor(0, 0, 193), QColor(Qt::white)};
  const QColor dark[] = {QColor(192, 192, 192), QColor(0, 0, 0x80), QColor(Qt::black)};  // 192 is not yet light
  for (const bool selected : {false, true}) {
    for (const QColor& color : light) {
      EXPECT_TRUE(HasPixels(DrawItem(color, selected), {ListBack.rgb(), qRgb(0, 0, 0), color.rgb()}))
          << color.name().toStdString() << (selected ? " selected" : "");
    }
    for (const QColor& color : dark) {
      const QRgb frame = selected ? qRgb(255, 255, 255) : color.rgb();
      EXPECT_TRUE(HasPixels(DrawItem(color, selected), {ListBack.rgb(), frame, color.rgb()}))
          << color.name().toStdString() << (selected ? " selected" : "");
    }
  }
}

TEST(ColorItem, DelegateDrawsTheItemsColourInItsRectangleOnTheListsBase) {
  QStandardItemModel model;
  auto* item = new QStandardItem(QStringLiteral("Navy"));
  item->setData(QVariant::fromValue(Colorref{0x800000}), ColorRole);
  model.appendRow(item);

  QImage image(Width, 3 * Height, QImage::Format_RGB32);
  image.fill(Qt::magenta);
  QStyleOptionViewItem option;
  option.rect = QRect(0, Height, Width, Height);
  option.palette.setColor(QPalette::Base, ListBack);
  option.state = QStyle::State_Enabled | QStyle::State_Selected;
  {
    QPainter painter(&image);
    TColorItemDelegate().paint(&painter, option, model.index(0, 0));
  }
  EXPECT_TRUE(HasPixels(image, {ListBack.rgb(), qRgb(255, 255, 255), qRgb(0, 0, 0x80)}, option.rect));
  // Every pixel of the item is accounted for above, so no name was drawn; nothing outside it.
  EXPECT_EQ(image.pixel(0, Height - 1), QColor(Qt::magenta).rgb());
  EXPECT_EQ(image.pixel(Width - 1, 2 * Height), QColor(Qt::magenta).rgb());
}

}  // namespace
}  // namespace meterly
