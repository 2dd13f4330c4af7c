// The scale grid: dotted lines, their labels in the margin and the vertical ticks.
#include "display/histogram_grid.h"
#include "display/histogram.h"
#include "display/histogram_fonts.h"
#include "display/histogram_pixels.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

#include <vector>

namespace meterly {
namespace {

using namespace testing_support;

std::vector<int> EveryFourth(int from, int to) {
  std::vector<int> positions;
  for (int x = from; x < to; x += DotSpacing) positions.push_back(x);
  return positions;
}

class GridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    UseTestColours(graph);
    graph.SetEnableAverages(false);
    ASSERT_EQ(QFontMetrics(labelFont).height(), LabelHeight) << "the rows below assume this label font";
  }

  const QImage& Render(int width, int height) {
    graph.resize(width, height);
    return graph.RenderBitmap();
  }

  // The label text drawn at its place, compared by the pixels it sets.
  void ExpectLabel(const QImage& image, int left, int top, const QString& text) {
    const QRect row(0, top, image.width(), LabelHeight);
    EXPECT_EQ(ColourBox(image, Rgb(Text), row), TextBox(text, labelFont, QPoint(left, top), image.size()))
        << text.toStdString() << " at " << left << "," << top;
  }

  static constexpr int LabelHeight = 13;
  // For a surface 114 pixels high: labels at 99, 67, 35 and 3, lines half a label lower.
  static constexpr int LabelTops[GridRowCount] = {99, 67, 35, 3};
  static constexpr int LineRows[GridRowCount] = {105, 73, 41, 9};

  const QFont labelFont = SurfaceFont(HistogramFont(GridLabelPoints));
  THistogram graph;
};

TEST_F(GridTest, RowsSitAboveTheBottomLabelAtAThirdOfTheRemainingHeight) {
  const auto rows = GridRows(114, LabelHeight, 2.5);
  for (int i = 0; i < GridRowCount; ++i) {
    EXPECT_EQ(rows[i].LabelTop, LabelTops[i]);
    EXPECT_EQ(rows[i].LineY, LineRows[i]);
  }
  EXPECT_EQ(rows[0].Value, 22u);  // 9 pixels at 2.5 per pixel
  EXPECT_EQ(GridRows(114, LabelHeight, 5e9)[3].Value, 4294967295u);
}

TEST_F(GridTest, WithoutDataEachLabelReadsItsOwnHeightInPixels) {
  const QImage& image = Render(290, 114);
  const char* labels[GridRowCount] = {"9", "41", "73", "105"};
  for (int i = 0; i < GridRowCount; ++i) {
    EXPECT_EQ(ColumnsWithColour(image, LineRows[i], Rgb(Tick), 0, 290), EveryFourth(GridMargin, 290)) << i;
    ExpectLabel(image, 5, LabelTops[i], QString::fromLatin1(labels[i]));
  }
  EXPECT_EQ(image.pixel(GridMargin + 1, LineRows[0]), Rgb(Back));
  EXPECT_EQ(image.pixel(GridMargin, 50), Rgb(Frame));
  EXPECT_EQ(image.pixel(GridMargin - 1, 50), Rgb(Back));  // the margin has no frame
}

TEST_F(GridTest, LabelsFollowTheScaleAndTheUnit) {
  graph.SetMaxValue(112 * 1024);  // 1024 values per pixel
  FeedAll(graph, 100000, 0);      // 97 pixels
  const QImage& image = Render(290, 114);
  const char* labels[GridRowCount] = {"9.0K", "41K", "73K", "105K"};
  for (int i = 0; i < GridRowCount; ++i) ExpectLabel(image, 5, LabelTops[i], QString::fromLatin1(labels[i]));
  // The grid lies over the bars.
  EXPECT_EQ(image.pixel(GridMargin + 4 * 40, LineRows[0]), Rgb(Tick));
  EXPECT_EQ(image.pixel(GridMargin + 4 * 40 + 1, LineRows[0]), Rgb(In));

  graph.SetMeasurementUnit(TMeasurementUnit::muBits);
  graph.SetMaxValue(112 * 1000);
  ExpectLabel(Render(290, 114), 5, LabelTops[0], QStringLiteral("9.0K"));
}

TEST_F(GridTest, LeftToRightMovesTheMarginAndTheLabelsToTheRight) {
  graph.SetLeftToRight(true);
  const QImage& image = Render(290, 114);
  EXPECT_EQ(ColumnsWithColour(image, LineRows[1], Rgb(Tick), 0, 290), EveryFourth(0, 290 - GridMargin));
  ExpectLabel(image, 290 - 30, LabelTops[1], QStringLiteral("41"));
  EXPECT_EQ(image.pixel(0, 50), Rgb(Frame));
  EXPECT_EQ(image.pixel(290 - GridMargin - 1, 50), Rgb(Frame));
  EXPECT_EQ(image.pixel(290 - GridMargin, 50), Rgb(Back));
}

TEST_F(GridTest, MinuteTicksOfAPolyLineWithStepThreeAre180PixelsApart) {
  graph.SetLineType(TLineType::ltPolyLine);
  graph.SetLineStep(3);
  graph.SetVertTickPeriod(60 * 3);
  const QImage& image = Render(400, 114);
  // Measured from the newest edge, while they stay right of the margin.
  EXPECT_EQ(ColumnsWithColour(image, 20, Rgb(Tick), 0, 400), (std::vector{40, 220}));
  for (int y = 0; y < 114; ++y) {
    EXPECT_EQ(image.pixel(220, y) == Rgb(Tick), y % DotSpacing == 0) << y;
  }

  graph.SetLeftToRight(true);
  EXPECT_EQ(ColumnsWithColour(Render(400, 114), 20, Rgb(Tick), 0, 400), (std::vector{180, 360}));

  graph.SetVertTickPeriod(0);
  EXPECT_TRUE(ColumnsWithColour(Render(400, 114), 20, Rgb(Tick), 0, 400).empty());
}

TEST_F(GridTest, WithoutTheGridThereAreNoLinesLabelsOrTicks) {
  graph.SetEnableGrid(false);
  graph.SetVertTickPeriod(50);
  const QImage& image = Render(290, 114);
  EXPECT_TRUE(ColourBox(image, Rgb(Tick), image.rect()).isNull());
  EXPECT_TRUE(ColourBox(image, Rgb(Text), image.rect()).isNull());
  EXPECT_EQ(image.pixel(0, 50), Rgb(Frame));
}

}  // namespace
}  // namespace meterly
