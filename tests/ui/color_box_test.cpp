#include "ui/color_box.h"

#include "store/qt_printing.h"
#include "ui/color_item_delegate.h"
#include "ui/named_colors.h"

#include <QAbstractItemView>
#include <QImage>
#include <QStyleOptionComboBox>

#include <gtest/gtest.h>

#include <vector>

namespace meterly {
namespace {

constexpr Colorref LightSalmon = 0x7AA0FF;
constexpr Colorref MediumSlateBlue = 0xEE687B;
constexpr Colorref Unlisted = 0x123456;  // red 0x56, green 0x34, blue 0x12
constexpr Colorref AnotherUnlisted = 0x010203;
const int Named = static_cast<int>(NamedColors().size());

Colorref ItemColor(const TColorBox& box, int index) { return box.itemData(index, ColorRole).value<Colorref>(); }

TEST(ColorBox, OffersExactlyTheNamedColoursInTheirOrder) {
  ASSERT_EQ(Named, 143) << "141 names, LightSalmon (4, 15) and MediumSlateBlue (50, 92) twice";
  TColorBox box;
  ASSERT_EQ(box.count(), Named);
  for (int index = 0; index < Named; ++index) {
    EXPECT_EQ(box.itemText(index), NamedColors()[static_cast<size_t>(index)].name);
    EXPECT_EQ(ItemColor(box, index), NamedColors()[static_cast<size_t>(index)].color);
  }
  EXPECT_NE(dynamic_cast<TColorItemDelegate*>(box.view()->itemDelegate()), nullptr);
}

TEST(ColorBox, AListedColourSelectsItsFirstEntry) {
  TColorBox box;
  box.SetSelectedColor(LightSalmon);
  EXPECT_EQ(box.currentIndex(), 4);
  box.SetSelectedColor(MediumSlateBlue);
  EXPECT_EQ(box.currentIndex(), 50);
  box.setCurrentIndex(92);  // the second MediumSlateBlue, chosen by the user
  EXPECT_EQ(box.SelectedColor(), MediumSlateBlue);
  EXPECT_EQ(box.count(), Named);
}

TEST(ColorBox, AnUnlistedColourIsKeptAsOneCustomEntryNamedByItsHex) {
  TColorBox box;
  box.SetSelectedColor(Unlisted);
  ASSERT_EQ(box.count(), Named + 1);
  EXPECT_EQ(box.currentIndex(), Named);
  EXPECT_EQ(box.currentText(), QStringLiteral("#563412"));

  box.SetSelectedColor(AnotherUnlisted);
  EXPECT_EQ(box.count(), Named + 1);
  EXPECT_EQ(box.currentText(), QStringLiteral("#030201"));
  EXPECT_EQ(box.SelectedColor(), AnotherUnlisted);

  // Choosing a named colour keeps the custom entry for a way back.
  box.SetSelectedColor(LightSalmon);
  EXPECT_EQ(box.currentIndex(), 4);
  EXPECT_EQ(box.count(), Named + 1);
  box.SetSelectedColor(AnotherUnlisted);
  EXPECT_EQ(box.currentIndex(), Named);
}

TEST(ColorBox, ColorChangedReportsEachNewColourOnce) {
  std::vector<Colorref> colors;
  TColorBox box;
  QObject::connect(&box, &TColorBox::colorChanged, [&colors](Colorref color) { colors.push_back(color); });
  box.SetSelectedColor(LightSalmon);
  box.SetSelectedColor(LightSalmon);
  box.setCurrentIndex(15);  // the other LightSalmon: the colour stays
  box.SetSelectedColor(Unlisted);
  box.SetSelectedColor(AnotherUnlisted);  // same entry, new colour
  box.setCurrentIndex(0);
  EXPECT_EQ(colors, (std::vector<Colorref>{LightSalmon, Unlisted, AnotherUnlisted, NamedColors().front().color}));
}

// The closed box shows the selected colour as a bar in its field, without the name.
TEST(ColorBox, FaceShowsTheSelectedColourAsABar) {
  TColorBox box;
  box.resize(120, 24);
  box.SetSelectedColor(0x800000);  // navy, framed in its own colour while the box has no focus
  QImage image(box.size(), QImage::Format_RGB32);
  box.render(&image);

  QStyleOptionComboBox option;
  option.initFrom(&box);
  const QRect field = box.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &box);
  const int middle = field.center().y();
  for (int x = field.left() + 1; x < field.right(); ++x) {
    ASSERT_EQ(image.pixel(x, middle), qRgb(0, 0, 0x80)) << "x " << x;
  }
  EXPECT_EQ(image.pixel(field.left(), middle), box.palette().color(QPalette::Base).rgb());
}

// Qt carries the SVG colour keywords, which are the CSS ones: a second, independent table. Amethyst
// is not among them.
TEST(NamedColors, ValuesAreTheCssKeywordsInSettingsByteOrder) {
  for (const NamedColor& named : NamedColors()) {
    const QColor keyword =
        named.name == QStringLiteral("Amethyst") ? QColor(0x99, 0x66, 0xCC) : QColor::fromString(named.name);
    ASSERT_TRUE(keyword.isValid()) << named.name.toStdString();
    EXPECT_EQ(ColorrefToQColor(named.color), keyword) << named.name.toStdString();
  }
}

}  // namespace
}  // namespace meterly
