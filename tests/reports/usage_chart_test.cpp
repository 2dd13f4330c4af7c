#include "reports/usage_chart.h"
#include "reports/usage_chart_control.h"

#include <QImage>
#include <QPainter>
#include <QToolButton>

#include "store/qt_printing.h"

#include <gtest/gtest.h>

namespace meterly {
namespace {

// Pure colours have no brighter form: their bars are flat, one colour inside a black border.
constexpr Colorref kBlue = 0xFF0000;
constexpr Colorref kGreen = 0x00FF00;

QImage Painted(const TUsageChart& chart) {
  QImage image(chart.ClientSize(), QImage::Format_RGB32);
  image.fill(Qt::magenta);
  QPainter painter(&image);
  chart.Paint(painter);
  return image;
}

// Rows of column x, from the bottom up, whose pixel has the colour.
int RowsOf(const QImage& image, int x, QColor colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) count += image.pixelColor(x, y) == colour ? 1 : 0;
  return count;
}

class UsageChartTest : public ::testing::Test {
 protected:
  UsageChartTest() {
    chart.SetClientSize(QSize(505, 240));
    chart.SetReceivedColor(kBlue);
    chart.SetSentColor(kGreen);
  }

  void AddPoints(int count) {
    for (int i = 0; i < count; ++i) chart.AddPoint(QStringLiteral("p%1").arg(i), 100, 100);
  }

  TUsageChart chart;
};

TEST_F(UsageChartTest, FiveHundredFivePixelsShowEightPointsAndPagesThroughTwenty) {
  AddPoints(20);
  EXPECT_EQ(chart.VisibleCount(), 8);
  EXPECT_EQ(chart.LastVisible(), 7);
  const auto state = [this] { return std::pair(chart.PageLeftEnabled(), chart.PageRightEnabled()); };
  EXPECT_EQ(state(), std::pair(false, true));
  chart.PageRight();
  EXPECT_EQ(chart.FirstVisible(), 8);
  EXPECT_EQ(state(), std::pair(true, true));
  chart.PageRight();
  EXPECT_EQ(chart.FirstVisible(), 16);
  EXPECT_EQ(chart.LastVisible(), 19);
  EXPECT_EQ(state(), std::pair(true, false));
  chart.PageLeft();
  EXPECT_EQ(chart.FirstVisible(), 8);
}

TEST_F(UsageChartTest, BarHeightsFollowTheLargestVisibleTotal) {
  // H = 240: the plot runs from 10 to 210, 200 pixels for the largest total of 1000 bytes.
  chart.AddPoint(QStringLiteral("a"), 600, 400);
  chart.AddPoint(QStringLiteral("b"), 250, 0);
  chart.AddPoint(QStringLiteral("c"), 0, 500);
  const QImage image = Painted(chart);
  const QColor blue = ColorrefToQColor(kBlue), green = ColorrefToQColor(kGreen);
  // Each bar has a one-pixel black border: a bar of h pixels shows h - 2 coloured rows.
  EXPECT_EQ(RowsOf(image, 80 + 5, blue), 120 - 2);
  EXPECT_EQ(RowsOf(image, 80 + 5, green), 80 - 2);
  EXPECT_EQ(RowsOf(image, 130 + 5, blue), 50 - 2);
  EXPECT_EQ(RowsOf(image, 130 + 5, green), 0);
  // The bar of the point without received bytes is only the sent bar, resting on the base.
  EXPECT_EQ(RowsOf(image, 180 + 5, blue), 0);
  EXPECT_EQ(RowsOf(image, 180 + 5, green), 100 - 2);
  const int base = 240 - 31;
  EXPECT_EQ(image.pixelColor(180 + 5, base), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(180 + 5, base - 1), green);
  EXPECT_EQ(image.pixelColor(180 + 5, base - 99), QColor(Qt::black));
  EXPECT_NE(image.pixelColor(180 + 5, base - 100), QColor(Qt::black));
}

TEST_F(UsageChartTest, ValueLabelsGoThroughTheFormatter) {
  chart.AddPoint(QStringLiteral("a"), 300, 0);
  std::vector<qint64> values;
  chart.OnFormatValue = [&](QString& text, qint64 value) {
    values.push_back(value);
    text = QStringLiteral("v");
  };
  Painted(chart);
  // Grid lines every 200 / 3 - 1 = 65 pixels, at 1.5 bytes a pixel.
  EXPECT_EQ(values, (std::vector<qint64>{0, 98, 195, 293}));
}

TEST_F(UsageChartTest, AllZeroPointsDrawAxesButNoBarsAndEveryLowHeightPaints) {
  chart.AddPoint(QStringLiteral("a"), 0, 0);
  const QImage image = Painted(chart);
  EXPECT_EQ(RowsOf(image, 85, ColorrefToQColor(kBlue)) + RowsOf(image, 85, ColorrefToQColor(kGreen)), 0);
  EXPECT_EQ(image.pixelColor(70, 100), QColor(Qt::black));
  AddPoints(3);
  for (int height = 1; height <= 49; ++height) {
    chart.SetClientSize(QSize(300, height));
    EXPECT_FALSE(Painted(chart).isNull()) << height;
  }
}

TEST(BrightColor, LiftsEveryComponentByTheSameAmount) {
  EXPECT_EQ(BrightColor(0x800000), 0xFF7F7Fu);
  EXPECT_EQ(BrightColor(0x102030), 0xDFEFFFu);
  EXPECT_EQ(BrightColor(0x00FF00), 0x00FF00u);
}

TEST(UsageChartControl, ButtonsFollowThePagingAndTheChartFillsTheFrame) {
  TUsageChartControl control;
  EXPECT_EQ(control.Chart().Series().Count(), 15);  // sample bars until cleared
  control.resize(507, 200);
  control.show();
  control.Chart().Clear();
  for (int i = 0; i < 20; ++i) control.Chart().AddPoint(QStringLiteral("p"), 1, 1);
  EXPECT_EQ(control.Chart().ClientSize(), QSize(505, 198));
  EXPECT_FALSE(control.PageLeftButton()->isEnabled());
  EXPECT_TRUE(control.PageRightButton()->isEnabled());
  control.PageRightButton()->click();
  control.PageRightButton()->click();
  EXPECT_TRUE(control.PageLeftButton()->isEnabled());
  EXPECT_FALSE(control.PageRightButton()->isEnabled());
  EXPECT_EQ(control.PageRightButton()->geometry(), QRect(1 + 505 - 17, 1 + 2, 15, 15));
  EXPECT_FALSE(control.PageLeftButton()->icon().isNull());
  QImage image(control.size(), QImage::Format_RGB32);
  control.render(&image);
  EXPECT_EQ(image.pixelColor(1 + 70, 100), QColor(Qt::black));
}

}  // namespace
}  // namespace meterly
