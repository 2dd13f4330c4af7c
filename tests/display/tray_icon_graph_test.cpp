#include "display/tray_icon_graph.h"

#include "core/settings.h"
#include "display/histogram_pixels.h"

#include <QPixmap>

#include <gtest/gtest.h>

namespace meterly {
namespace {

using testing_support::Rgb;
using testing_support::RunOf;
using testing_support::RunsUp;

constexpr int Size = TTrayIconGraph::IconSize;
constexpr int Bottom = Size - 2;  // the lowest plot row, above the frame
constexpr int Newest = Size - 2;  // right to left: the newest column beside the right frame

// Settings whose colours all differ, so that every pixel tells where it comes from.
Settings TestSettings() {
  Settings settings;
  settings.ColorBack = testing_support::Back;
  settings.ColorDataFrame = testing_support::Frame;
  settings.ColorDataIn = testing_support::In;
  settings.ColorDataOut = testing_support::Out;
  settings.ColorDataBoth = testing_support::Both;
  settings.EnableGradient = false;
  settings.EnableSmooth = false;
  settings.FixedScale = true;
  settings.FixedScaleValue = 140;  // 10 per pixel on the 14 rows inside the frame
  settings.ShowInTray = true;
  return settings;
}

QImage IconImage(const QIcon& icon) { return icon.pixmap(Size, Size).toImage().convertToFormat(QImage::Format_ARGB32); }

TEST(TrayIconGraphTest, TheIconIsTheGraphWithAnOpaqueMask) {
  TTrayIconGraph graph;
  graph.ApplySettings(TestSettings());
  graph.Step(70, 30);
  const QImage image = IconImage(graph.Step(0, 0));

  ASSERT_EQ(image.size(), QSize(Size, Size));
  for (int y = 0; y < Size; ++y) {
    for (int x = 0; x < Size; ++x) ASSERT_EQ(qAlpha(image.pixel(x, y)), 255) << x << "," << y;
  }
  EXPECT_EQ(image.pixel(0, 0), Rgb(testing_support::Frame));
  EXPECT_EQ(image.pixel(Size - 1, Size - 1), Rgb(testing_support::Frame));
  // Out (30) overlaps in (70): 3 rows of the overlap colour, then 4 of in, then the background.
  EXPECT_EQ(RunsUp(image, Newest, Bottom, 1),
            (std::vector<testing_support::Run>{RunOf(testing_support::Both, 3), RunOf(testing_support::In, 4),
                                               RunOf(testing_support::Back, 7)}));
  EXPECT_EQ(RunsUp(image, Newest - 1, Bottom, 1),
            (std::vector<testing_support::Run>{RunOf(testing_support::Back, 14)}));
}

TEST(TrayIconGraphTest, TheIconShowsEachSecondOneTickLate) {
  TTrayIconGraph graph;
  graph.ApplySettings(TestSettings());
  const QImage first = IconImage(graph.Step(140, 0));
  EXPECT_EQ(RunsUp(first, Newest, Bottom, 1), (std::vector<testing_support::Run>{RunOf(testing_support::Back, 14)}));
  const QImage second = IconImage(graph.Step(0, 0));
  EXPECT_EQ(RunsUp(second, Newest, Bottom, 1), (std::vector<testing_support::Run>{RunOf(testing_support::In, 14)}));
}

TEST(TrayIconGraphTest, ItTakesTheWindowsLookButNeverItsGridOrAverages) {
  Settings settings = TestSettings();
  settings.EnableGridAndAxes = true;
  settings.LeftToRight = true;
  settings.EnableSmooth = true;
  settings.Unit = 1;
  settings.LineType = 1;
  settings.LineStep = 4;
  TTrayIconGraph graph;
  graph.ApplySettings(settings);
  const THistogram& histogram = graph.Graph();
  EXPECT_EQ(histogram.size(), QSize(Size, Size));
  EXPECT_FALSE(histogram.isVisible());
  EXPECT_FALSE(histogram.EnableGrid());
  EXPECT_FALSE(histogram.EnableAverages());
  EXPECT_TRUE(histogram.LeftToRight());
  EXPECT_TRUE(histogram.Smooth());
  EXPECT_EQ(histogram.MeasurementUnit(), TMeasurementUnit::muBits);
  EXPECT_EQ(histogram.LineType(), TLineType::ltPolyLine);
  EXPECT_EQ(histogram.LineStep(), 4);
  EXPECT_EQ(histogram.MaxValue(), 140u);
  EXPECT_EQ(histogram.ColorIn(), testing_support::In);
}

TEST(TrayIconGraphTest, OnlyANewUnitEmptiesTheGraph) {
  Settings settings = TestSettings();
  TTrayIconGraph graph;
  graph.ApplySettings(settings);
  graph.Step(100, 50);
  graph.ApplySettings(settings);
  EXPECT_EQ(graph.Graph().SeriesIn()[0], 100u);
  settings.Unit = 1;
  graph.ApplySettings(settings);
  EXPECT_EQ(graph.Graph().SeriesIn()[0], 0u);
}

}  // namespace
}  // namespace meterly
