#include "display/tray_icon_graph.h"

#include "core/settings.h"

#include <gtest/gtest.h>

namespace meterly {
namespace {

// How the icon's graph is drawn is in the reference images; here, what it takes from the settings.
TEST(TrayIconGraphTest, ItTakesTheWindowsLookButNeverItsGridOrAverages) {
  Settings settings;
  settings.EnableGridAndAxes = true;
  settings.LeftToRight = true;
  settings.EnableSmooth = true;
  settings.Unit = 1;
  settings.LineType = 1;
  settings.LineStep = 4;
  settings.FixedScale = true;
  settings.FixedScaleValue = 140;
  settings.ColorDataIn = 0x0000FF;
  TTrayIconGraph graph;
  graph.ApplySettings(settings);
  const THistogram& histogram = graph.Graph();
  EXPECT_EQ(histogram.size(), QSize(TTrayIconGraph::IconSize, TTrayIconGraph::IconSize));
  EXPECT_FALSE(histogram.isVisible());
  EXPECT_FALSE(histogram.EnableGrid());
  EXPECT_FALSE(histogram.EnableAverages());
  EXPECT_TRUE(histogram.LeftToRight());
  EXPECT_TRUE(histogram.Smooth());
  EXPECT_EQ(histogram.MeasurementUnit(), TMeasurementUnit::muBits);
  EXPECT_EQ(histogram.LineType(), TLineType::ltPolyLine);
  EXPECT_EQ(histogram.LineStep(), 4);
  EXPECT_EQ(histogram.MaxValue(), 140u);
  EXPECT_EQ(histogram.ColorIn(), 0x0000FFu);
}

}  // namespace
}  // namespace meterly
