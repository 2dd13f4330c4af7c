// The plot as pixels: bars, the overlap of the two series, poly-lines, scale, direction and
// background, read back from the rendered graph surface.
#include "display/histogram.h"
#include "display/histogram_pixels.h"

#include <gtest/gtest.h>

#include <vector>

namespace meterly {
namespace {

using namespace testing_support;

// A graph without grid and strip: the plot spans x 1 to width - 2 and y 1 to height - 2.
class PlotTest : public ::testing::Test {
 protected:
  void SetUp() override {
    UseTestColours(graph);
    graph.SetEnableGrid(false);
    graph.SetEnableAverages(false);
  }

  const QImage& Render(int width, int height) {
    graph.resize(width, height);
    return graph.RenderBitmap();
  }

  THistogram graph;
};

TEST_F(PlotTest, BarsShowTheOverlapUpToTheSmallerValueThenTheLargerSeries) {
  // 100 is the largest value and the plot is 50 pixels high: two values per pixel.
  Feed(graph, {{50, 20}, {20, 80}, {100, 0}, {41, 41}, {0, 0}});
  const QImage& image = Render(100, 52);
  ASSERT_EQ(image.size(), QSize(100, 52));

  EXPECT_EQ(RunsUp(image, 98, 50, 1), (std::vector{RunOf(Both, 10), RunOf(In, 15), RunOf(Back, 25)}));
  EXPECT_EQ(RunsUp(image, 97, 50, 1), (std::vector{RunOf(Both, 10), RunOf(Out, 30), RunOf(Back, 10)}));
  EXPECT_EQ(RunsUp(image, 96, 50, 1), (std::vector{RunOf(In, 50)}));
  EXPECT_EQ(RunsUp(image, 95, 50, 1), (std::vector{RunOf(Both, 20), RunOf(Back, 30)}));  // 20.5 pixels
  EXPECT_EQ(RunsUp(image, 94, 50, 1), (std::vector{RunOf(Back, 50)}));
  EXPECT_EQ(RunsUp(image, 99, 51, 0), (std::vector{RunOf(Frame, 52)}));
  EXPECT_EQ(RunsUp(image, 98, 51, 51), (std::vector{RunOf(Frame, 1)}));
}

TEST_F(PlotTest, NoDataWithAnAutomaticScaleDrawsNoBars) {
  const QImage& image = Render(100, 52);
  for (Colorref series : {In, Out, Both}) EXPECT_TRUE(ColourBox(image, Rgb(series), image.rect()).isNull());
  EXPECT_EQ(ColourBox(image, Rgb(Back), image.rect()), QRect(1, 1, 98, 50));
}

TEST_F(PlotTest, AFixedTopClipsLargerValuesAtThePlotHeight) {
  graph.SetMaxValue(100);  // two values per pixel, whatever the data
  Feed(graph, {{1000, 0}, {60, 0}});
  const QImage& image = Render(100, 52);
  EXPECT_EQ(RunsUp(image, 98, 51, 0), (std::vector{RunOf(Frame, 1), RunOf(In, 50), RunOf(Frame, 1)}));
  EXPECT_EQ(RunsUp(image, 97, 50, 1), (std::vector{RunOf(In, 30), RunOf(Back, 20)}));
}

TEST_F(PlotTest, SmoothingDrawsTheMeanWithTheOlderNeighbourAndOverlapsTheMeanOfTheMinima) {
  graph.SetSmooth(true);
  Feed(graph, {{10, 30}, {30, 10}, {0, 0}});
  const QImage& image = Render(100, 52);
  // Both series average 20; their minima are 10 and 10, not the minimum of the means.
  EXPECT_EQ(RunsUp(image, 98, 50, 1), (std::vector{RunOf(Both, 10), RunOf(Out, 10), RunOf(Back, 30)}));
  EXPECT_EQ(RunsUp(image, 97, 50, 1), (std::vector{RunOf(Both, 5), RunOf(In, 10), RunOf(Back, 35)}));
}

TEST_F(PlotTest, TheScaleOnlyLooksAtSamplesThePlotCanReach) {
  // 100 pixels wide: the scale takes indexes 0 to 102.
  auto renderWithPeakAt = [&](int peakIndex) {
    graph.Clear();
    graph.AddSample(1000, 0);
    for (int i = 0; i < peakIndex - 1; ++i) graph.AddSample(0, 0);
    graph.AddSample(50, 0);
    return RunsUp(Render(100, 52), 98, 50, 1);
  };
  EXPECT_EQ(renderWithPeakAt(102), (std::vector{RunOf(In, 2), RunOf(Back, 48)}));
  EXPECT_EQ(renderWithPeakAt(103), (std::vector{RunOf(In, 50)}));
}

TEST_F(PlotTest, LeftToRightPutsTheNewestSampleAtTheLeft) {
  graph.SetLeftToRight(true);
  FeedAll(graph, 10, 0);
  Feed(graph, {{50, 0}, {20, 0}});
  const QImage& image = Render(100, 52);
  EXPECT_EQ(RunsUp(image, 2, 50, 1), (std::vector{RunOf(In, 50)}));
  EXPECT_EQ(RunsUp(image, 3, 50, 1), (std::vector{RunOf(In, 20), RunOf(Back, 30)}));
  // Bars run from column 2 to the column before the frame; column 1 stays empty.
  EXPECT_EQ(ColumnsWithColour(image, 50, Rgb(In), 0, 100).size(), 97u);
  EXPECT_EQ(ColumnsWithColour(image, 50, Rgb(In), 0, 100).front(), 2);
  EXPECT_EQ(ColumnsWithColour(image, 50, Rgb(In), 0, 100).back(), 98);
}

TEST_F(PlotTest, APolyLineEndsExactlyOnTheFarEdge) {
  graph.SetLineType(TLineType::ltPolyLine);
  graph.SetLineStep(3);
  // A plot 100 pixels wide: the 34th point falls on the left edge, the 35th beyond it is
  // drawn on the edge and the line stops there.
  FeedAll(graph, 10, 0);
  graph.AddSample(45, 0);  // index 35: never drawn
  graph.AddSample(40, 0);  // index 34: drawn on the edge
  for (int i = 0; i < 34; ++i) graph.AddSample(10, 0);
  const QImage& image = Render(102, 52);

  // From the newest edge (x 100) to the 40 of the last point (y 10); the bottom row belongs to
  // the out line of zeros, drawn later, which ends on the same edge.
  EXPECT_EQ(ColourBox(image, Rgb(In), image.rect()), QRect(QPoint(1, 10), QPoint(100, 49)));
  EXPECT_EQ(ColourBox(image, Rgb(Out), image.rect()), QRect(QPoint(1, 50), QPoint(100, 50)));
  EXPECT_EQ(RunsUp(image, 1, 50, 1), (std::vector{RunOf(Out, 1), RunOf(Back, 9), RunOf(In, 31), RunOf(Back, 9)}));
  EXPECT_TRUE(ColumnsWithColour(image, 40, Rgb(Both), 0, 102).empty());  // no overlap for lines
}

TEST_F(PlotTest, APolyLineLeftToRightEndsOnTheRightEdge) {
  graph.SetLineType(TLineType::ltPolyLine);
  graph.SetLineStep(3);
  graph.SetLeftToRight(true);
  FeedAll(graph, 10, 0);
  const QImage& image = Render(102, 52);
  // Here the edge is the frame's column: the right end of the plot is one past its last column.
  EXPECT_EQ(ColourBox(image, Rgb(In), image.rect()), QRect(QPoint(2, 40), QPoint(101, 49)));
  EXPECT_EQ(ColourBox(image, Rgb(Out), image.rect()), QRect(QPoint(2, 50), QPoint(101, 50)));
}

TEST_F(PlotTest, AControlWiderThanTheHistoryLeavesTheRestEmpty) {
  FeedAll(graph, 5, 0);
  const QImage& bars = Render(2200, 12);
  const std::vector<int> barColumns = ColumnsWithColour(bars, 10, Rgb(In), 0, 2200);
  ASSERT_EQ(barColumns.size(), static_cast<size_t>(SampleCapacity));
  EXPECT_EQ(barColumns.front(), 2198 - (SampleCapacity - 1));
  EXPECT_EQ(barColumns.back(), 2198);

  graph.SetLineType(TLineType::ltPolyLine);
  graph.SetLineStep(2);
  const QImage& line = Render(4200, 12);
  const int oldestPoint = 4198 - 2 * (SampleCapacity - 1);
  EXPECT_EQ(ColourBox(line, Rgb(In), line.rect()), QRect(QPoint(oldestPoint, 5), QPoint(4198, 9)));
  EXPECT_EQ(ColourBox(line, Rgb(Out), line.rect()), QRect(QPoint(oldestPoint, 10), QPoint(4198, 10)));
}

TEST_F(PlotTest, TheGradientRunsFromGradColorOnTopToBackColorAtTheBottom) {
  graph.SetEnableGrid(true);  // the margin shows the background without a frame
  graph.SetEnableGradient(true);
  const QImage& image = Render(100, 52);
  EXPECT_EQ(image.pixel(1, 0), Rgb(Gradient));
  EXPECT_EQ(image.pixel(1, 51), Rgb(Back));
  const QColor middle = image.pixelColor(1, 25);
  EXPECT_GT(middle.red(), 0xAA);
  EXPECT_LT(middle.red(), 0xFF);
  EXPECT_EQ(middle.blue(), 0xFF);
  EXPECT_EQ(image.pixel(35, 25), Rgb(Frame));
}

TEST_F(PlotTest, TheBackImageIsStretchedOverTheWholeSurfaceUnderTheFrame) {
  QImage picture(2, 1, QImage::Format_RGB32);
  picture.setPixel(0, 0, qRgb(255, 0, 0));
  picture.setPixel(1, 0, qRgb(0, 0, 255));
  graph.SetBackImage(picture);
  graph.SetEnableGradient(true);  // the image wins
  const QImage& image = Render(100, 52);
  EXPECT_EQ(image.pixel(20, 20), qRgb(255, 0, 0));
  EXPECT_EQ(image.pixel(80, 40), qRgb(0, 0, 255));
  EXPECT_EQ(image.pixel(0, 20), Rgb(Frame));
}

TEST_F(PlotTest, ARepaintCopiesTheGraphOnTopAndTheStripAtTheBottom) {
  graph.SetEnableAverages(true);
  FeedAll(graph, 100, 50);
  graph.resize(120, 80);
  const QImage control = graph.grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(graph.GraphImage().size(), QSize(120, 60));
  ASSERT_EQ(graph.AveragesImage().size(), QSize(120, AveragesStripHeight));
  EXPECT_EQ(control.copy(0, 0, 120, 60), graph.GraphImage());
  EXPECT_EQ(control.copy(0, 60, 120, AveragesStripHeight), graph.AveragesImage());
}

TEST_F(PlotTest, SurfacesAreOnlyReplacedWhenTheSizeChanges) {
  const uchar* first = Render(16, 16).constBits();
  EXPECT_EQ(Render(16, 16).constBits(), first);
  EXPECT_EQ(Render(17, 16).size(), QSize(17, 16));
}

}  // namespace
}  // namespace meterly
