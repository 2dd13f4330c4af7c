#include "display/led_label.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <string>

namespace meterly {
namespace {

constexpr Colorref kLit = 0x00FF00;
constexpr Colorref kUnlit = 0xFF0000;
constexpr int kCellWidth = 20;
constexpr int kHeight = 40;

// A label with lit segments green and unlit ones blue on black, kCellWidth per cell.
struct LedFixture {
  explicit LedFixture(const QString& text, int numChars, bool allowDecimal = true) {
    label.SetOnColor(kLit);
    label.SetSegmentBorderColor(kLit);
    label.SetOffColor(kUnlit);
    label.SetText(text);
    label.SetNumChars(numChars);
    label.SetAllowDecimal(allowDecimal);
    label.resize(kCellWidth * std::max(numChars, 1), kHeight);
    image = QImage(label.size(), QImage::Format_RGB32);
    QPainter painter(&image);
    label.Paint(painter, label.size());
  }

  QRect Cell(int k) const { return QRect(k * kCellWidth, 0, kCellWidth, kHeight); }

  QPoint Probe(int segment, int k) const {
    const TLedGeometry geometry{label.BorderGap(), label.SegmentThickness(), label.HorzMargine(), label.VertMargine(),
                                label.AllowDecimal()};
    if (segment == LedSegment::DecimalPoint) return DecimalPointBox(Cell(k), geometry).center();
    const QPolygon outline = SegmentPolygon(segment, Cell(k), geometry);
    QPoint sum;
    for (const QPoint& corner : outline) sum += corner;
    return sum / static_cast<int>(outline.size());
  }

  // The segments of cell k as its pixels show them: bit i set when segment i is lit. Without
  // room for it, the point of a cell lies beyond the cell and is not seen.
  quint8 ShownCode(int k) const {
    quint8 code = 0;
    for (int segment = 0; segment < LedSegment::Count; ++segment) {
      const QPoint probe = Probe(segment, k);
      if (!Cell(k).contains(probe)) continue;
      const Colorref pixel = QColorToColorref(image.pixelColor(probe));
      EXPECT_TRUE(pixel == kLit || pixel == kUnlit) << "segment " << segment << " of cell " << k << " not drawn";
      if (pixel == kLit) code |= static_cast<quint8>(1u << segment);
    }
    return code;
  }

  TCLEDLabel label;
  QImage image;
};

TEST(LedLabelTest, EachCharacterLightsTheSegmentsOfItsCode) {
  const std::pair<char, quint8> characters[] = {{'0', 0xFC}, {'1', 0x84}, {'2', 0x6E}, {'3', 0xCE}, {'4', 0x96},
                                                {'5', 0xDA}, {'6', 0xFA}, {'7', 0x8C}, {'8', 0xFE}, {'9', 0x9E},
                                                {'-', 0x02}, {' ', 0x00}, {'x', 0x00}};
  for (const auto& [character, code] : characters) {
    const LedFixture led(QString(QLatin1Char(character)), 1, false);
    EXPECT_EQ(led.ShownCode(0), code) << "character '" << character << "'";
  }
}

TEST(LedLabelTest, APointJoinsTheCellBeforeItOnlyWhenDecimalsAreAllowed) {
  const LedFixture decimal(QStringLiteral("12.5"), 3);
  EXPECT_EQ(decimal.ShownCode(0), 0x84);
  EXPECT_EQ(decimal.ShownCode(1), 0x6E | 0x01);
  EXPECT_EQ(decimal.ShownCode(2), 0xDA);

  const LedFixture plain(QStringLiteral("12.5"), 3, false);
  EXPECT_EQ(plain.ShownCode(1), 0x6E);
  EXPECT_EQ(plain.ShownCode(2), 0x00) << "the point's own cell, whose point lies beyond the control";
  EXPECT_EQ(CellCodes(QStringLiteral("12.5"), 3, false, TTARight), (QList<quint8>{0x84, 0x6E, 0x01, 0xDA}))
      << "the 5 takes a fourth cell, outside the control";
}

TEST(LedLabelTest, PaddingGoesOnTheSideTheAlignmentLeavesFree) {
  struct Row {
    const char* text;
    int numChars;
    TTextAlign alignment;
    QList<quint8> codes;
  };
  const Row rows[] = {
      {"1", 3, TTARight, {0x00, 0x00, 0x84}},
      {"1", 3, TTALeft, {0x84, 0x00, 0x00}},
      {"1.5", 3, TTARight, {0x00, 0x85, 0xDA}},  // the point needs no cell
      {"1.5", 3, TTALeft, {0x85, 0xDA, 0x00}},
      {".5", 2, TTALeft, {0x01, 0xDA, 0x00}},           // nothing before the point: it keeps a cell
      {"1234", 2, TTARight, {0x84, 0x6E, 0xCE, 0x96}},  // never cut
      {"7", 0, TTARight, {0x8C}},                       // no cells count as one
  };
  for (const Row& row : rows) {
    EXPECT_EQ(CellCodes(QLatin1String(row.text), row.numChars, true, row.alignment), row.codes)
        << row.text << " in " << row.numChars << (row.alignment == TTALeft ? " left" : " right");
  }
}

TEST(LedLabelTest, NoCellsPaintsOneCellOverTheWholeWidth) {
  LedFixture led(QStringLiteral("8"), 0);
  EXPECT_EQ(led.ShownCode(0), 0xFE);
  EXPECT_EQ(QColorToColorref(led.image.pixelColor(0, 0)), 0x000000u) << "the background";
}

}  // namespace
}  // namespace meterly
