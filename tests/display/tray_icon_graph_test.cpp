#include "display/tray_icon_graph.h"

#include "core/settings.h"

#include <gtest/gtest.h>

namespace meterly {
namespace {

// How the icon's graph is drawn is in the reference images, how settings map onto a graph in the
// graph settings' test; here, what the icon adds.
TEST(TrayIconGraphTest, ItTakesTheWindowsLookButNeverItsGridOrAverages) {
  Settings settings;
  settings.EnableGridAndAxes = true;
  settings.LineType = 1;
  settings.FixedScale = true;
  settings.FixedScaleValue = 140;
  TTrayIconGraph graph;
  graph.ApplySettings(settings);
  const THistogram& histogram = graph.Graph();
  EXPECT_EQ(histogram.size(), QSize(TTrayIconGraph::IconSize, TTrayIconGraph::IconSize));
  EXPECT_FALSE(histogram.isVisible());
  EXPECT_FALSE(histogram.EnableGrid());
  EXPECT_FALSE(histogram.EnableAverages());
  // Both halves of the window's look reach it.
  EXPECT_EQ(histogram.LineType(), TLineType::ltPolyLine);
  EXPECT_EQ(histogram.MaxValue(), 140u);
}

}  // namespace
}  // namespace meterly
