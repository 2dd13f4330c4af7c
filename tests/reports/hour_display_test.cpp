#include "reports/hour_display.h"

#include "store/peak_hours.h"
#include "support/expect_assertion.h"

#include <QImage>

#include <gtest/gtest.h>

namespace meterly {
namespace {

constexpr Colorref kPeak = 0x0000FF;     // red
constexpr Colorref kOffPeak = 0x00FF00;  // green

class HourDisplayTest : public ::testing::Test {
 protected:
  HourDisplayTest() {
    strip.resize(241, 20);
    strip.SetOnPeakColor(kPeak);
    strip.SetOffPeakColor(kOffPeak);
    strip.SetColorDialog([this](const QColor& initial, QWidget*) {
      dialogStarts.push_back(QColorToColorref(initial));
      return answer;
    });
  }

  // The colour inside each cell, away from its outline and its number.
  std::vector<Colorref> CellColours() {
    QImage image(strip.size(), QImage::Format_RGB32);
    strip.render(&image);
    std::vector<Colorref> colours;
    for (int hour = 0; hour < 24; ++hour) {
      colours.push_back(QColorToColorref(image.pixelColor(strip.CellRect(hour).topLeft() + QPoint(2, 2))));
    }
    return colours;
  }

  static std::vector<Colorref> Expected(quint32 peakMask, Colorref offPeak = kOffPeak) {
    std::vector<Colorref> colours;
    for (int hour = 0; hour < 24; ++hour) colours.push_back(HourInMask(peakMask, hour) ? kPeak : offPeak);
    return colours;
  }

  THourDisplay strip;
  std::optional<QColor> answer;
  std::vector<Colorref> dialogStarts;
};

TEST_F(HourDisplayTest, CellsAreTenPixelsWideOn241PixelsAndShareTheirBorders) {
  const std::pair<int, std::pair<int, int>> edges[] = {{0, {0, 11}}, {1, {10, 21}}, {23, {230, 241}}};
  for (const auto& [hour, expected] : edges) {
    const QRect cell = strip.CellRect(hour);
    EXPECT_EQ(std::make_pair(cell.left(), cell.left() + cell.width()), expected) << hour;
    EXPECT_EQ(cell.height(), 20);
  }
  EXPECT_EQ(strip.HourAt(QPoint(10, 5)), 0);  // the shared border belongs to the lower hour
  EXPECT_EQ(strip.HourAt(QPoint(240, 5)), 23);
  EXPECT_EQ(strip.HourAt(QPoint(241, 5)), std::nullopt);
  testing_support::ExpectAssertion("HourDisplay", [&] { strip.CellRect(24); });
}

TEST_F(HourDisplayTest, PeakCellsTakeThePeakColourAcrossMidnightToo) {
  const quint32 mask = PeakHourMasks(22, 6).Peak;
  strip.SetHours(mask);
  EXPECT_EQ(CellColours(), Expected(mask));
}

TEST_F(HourDisplayTest, AClickChangesTheColourOfTheClickedCellsCategoryOnly) {
  const quint32 mask = PeakHourMasks(9, 23).Peak;
  strip.SetHours(mask);
  answer = QColor(0, 0, 255);
  strip.Click(strip.CellRect(3).center());
  EXPECT_EQ(dialogStarts, std::vector<Colorref>{kOffPeak});
  EXPECT_EQ(strip.OffPeakColor(), 0xFF0000u);
  EXPECT_EQ(CellColours(), Expected(mask, 0xFF0000));

  answer.reset();
  strip.Click(strip.CellRect(12).center());
  EXPECT_EQ(dialogStarts.back(), kPeak);
  EXPECT_EQ(strip.OnPeakColor(), kPeak);
  EXPECT_EQ(strip.OffPeakColor(), 0xFF0000u);
}

}  // namespace
}  // namespace meterly
