#include "ui/named_colors.h"

#include "store/qt_printing.h"

#include <gtest/gtest.h>

#include <map>

namespace meterly {
namespace {

constexpr Colorref FromRgb(quint32 rgb) { return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF); }

const NamedColor& At(size_t index) { return NamedColors().at(index); }

TEST(NamedColors, TheListRunsFromIndianRedToBlackWithTwoNamesTwice) {
  const std::vector<NamedColor>& colors = NamedColors();
  // 141 different names, two of them listed twice.
  ASSERT_EQ(colors.size(), 143u);
  EXPECT_EQ(colors.front().name, QStringLiteral("IndianRed"));
  EXPECT_EQ(colors.back().name, QStringLiteral("Black"));
  EXPECT_EQ(At(41).name, QStringLiteral("Amethyst"));
  EXPECT_EQ(At(116).name, QStringLiteral("White"));

  std::map<QString, std::vector<size_t>> places;
  for (size_t index = 0; index < colors.size(); ++index) places[colors[index].name].push_back(index);
  EXPECT_EQ(places.size(), 141u);
  EXPECT_EQ(places[QStringLiteral("LightSalmon")], (std::vector<size_t>{4, 15}));
  EXPECT_EQ(places[QStringLiteral("MediumSlateBlue")], (std::vector<size_t>{50, 92}));
}

TEST(NamedColors, ValuesAreTheCssKeywordsInSettingsByteOrder) {
  const struct {
    size_t index;
    const char* name;
    quint32 rgb;  // as CSS writes it
  } rows[] = {
      {0, "IndianRed", 0xCD5C5C},
      {5, "Crimson", 0xDC143C},
      {21, "Gold", 0xFFD700},
      {47, "Indigo", 0x4B0082},
      {52, "Chartreuse", 0x7FFF00},
      {73, "Teal", 0x008080},
      {91, "CornflowerBlue", 0x6495ED},
      {97, "Navy", 0x000080},
      {104, "BurlyWood", 0xDEB887},
      {133, "Gainsboro", 0xDCDCDC},
      {134, "LightGrey", 0xD3D3D3},
      {142, "Black", 0x000000},
      {41, "Amethyst", 0x9966CC},
      {4, "LightSalmon", 0xFFA07A},
      {15, "LightSalmon", 0xFFA07A},
      {50, "MediumSlateBlue", 0x7B68EE},
      {92, "MediumSlateBlue", 0x7B68EE},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(At(row.index).name, QString::fromLatin1(row.name));
    EXPECT_EQ(At(row.index).color, FromRgb(row.rgb)) << row.name;
  }
}

// Qt carries the SVG colour keywords, which are the CSS ones: a second, independent table.
TEST(NamedColors, EveryNameButAmethystHasTheValueOfItsCssKeyword) {
  for (const NamedColor& named : NamedColors()) {
    if (named.name == QStringLiteral("Amethyst")) continue;
    const QColor keyword = QColor::fromString(named.name);
    ASSERT_TRUE(keyword.isValid()) << named.name.toStdString();
    EXPECT_EQ(ColorrefToQColor(named.color), keyword) << named.name.toStdString();
  }
}

}  // namespace
}  // namespace meterly
