// The graph as drawn, compared with reference images in tests/display/reference: bars and their
// overlap, poly-lines, scale, direction, background, the scale grid with its labels and ticks, the
// averages strip, the compact modes and the tray icon. Regenerate them with
// METERLY_UPDATE_REFERENCES=1 build/test/tests/display_tests --gtest_filter='GraphReference*'.
#include "core/settings.h"
#include "display/histogram.h"
#include "display/tray_icon_graph.h"
#include "support/histogram_feed.h"
#include "support/reference_files.h"

#include <QPixmap>

#include <gtest/gtest.h>

namespace meterly {
namespace {

using namespace testing_support;

// What the control shows besides the plot: the grid (no strip), or everything it would show.
enum Layout { kPlot, kGrid, kWhole };

struct Reference {
  const char* name;
  int width;
  int height;
  Layout layout;
  void (*setUp)(THistogram&);
};

// The whole control as it paints itself, with the test colours, the layout and then setUp.
QImage Rendered(const Reference& reference) {
  THistogram graph;
  UseTestColours(graph);
  graph.SetEnableGrid(reference.layout != kPlot);
  graph.SetEnableAverages(reference.layout == kWhole);
  reference.setUp(graph);
  graph.resize(reference.width, reference.height);
  return graph.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// In a plot 98 pixels wide the scale takes indexes 0 to 102: a peak of 1000 at the given index
// beside 50 at the newest.
void PeakAt(THistogram& graph, int index) {
  graph.AddSample(1000, 0);
  for (int i = 0; i < index - 1; ++i) graph.AddSample(0, 0);
  graph.AddSample(50, 0);
}

void PolyLine(THistogram& graph, int step) {
  graph.SetLineType(TLineType::ltPolyLine);
  graph.SetLineStep(step);
}

void HostWritesTheValues(THistogram& graph) {
  graph.SetLabelIn(QStringLiteral("Down"));
  graph.SetOnNeedValue([](THistogram&, quint32 value, QString& text) { text = QStringLiteral("v%1").arg(value); });
  Feed(graph, {{10, 500}, {10, 0}, {10, 0}, {10, 0}, {15, 0}});
}

const Reference References[] = {
    {"bars_overlap_up_to_the_smaller_value", 100, 52, kPlot,
     [](THistogram& g) {
       Feed(g, {{50, 20}, {20, 80}, {100, 0}, {41, 41}, {0, 0}});
     }},
    {"fixed_top_clips_larger_values", 100, 52, kPlot,
     [](THistogram& g) {
       g.SetMaxValue(100);
       Feed(g, {{1000, 0}, {60, 0}});
     }},
    {"smoothing_overlaps_the_mean_of_the_minima", 100, 52, kPlot,
     [](THistogram& g) {
       g.SetSmooth(true);
       Feed(g, {{10, 30}, {30, 10}, {0, 0}});
     }},
    {"scale_takes_the_last_reachable_index", 100, 52, kPlot, [](THistogram& g) { PeakAt(g, 102); }},
    {"scale_ignores_samples_beyond_reach", 100, 52, kPlot, [](THistogram& g) { PeakAt(g, 103); }},
    {"bars_left_to_right", 100, 52, kPlot,
     [](THistogram& g) {
       g.SetLeftToRight(true);
       FeedAll(g, 10, 0);
       Feed(g, {{50, 0}, {20, 0}});
     }},
    {"poly_line_ends_on_the_far_edge", 102, 52, kPlot,
     [](THistogram& g) {
       PolyLine(g, 3);
       FeedAll(g, 10, 0);
       g.AddSample(45, 0);  // index 35: beyond the edge, never drawn
       g.AddSample(40, 0);  // index 34: drawn on the edge
       for (int i = 0; i < 34; ++i) g.AddSample(10, 0);
     }},
    {"poly_line_left_to_right", 102, 52, kPlot,
     [](THistogram& g) {
       PolyLine(g, 3);
       g.SetLeftToRight(true);
       FeedAll(g, 10, 0);
     }},
    {"bars_wider_than_the_history", 2200, 12, kPlot, [](THistogram& g) { FeedAll(g, 5, 0); }},
    {"poly_line_wider_than_the_history", 4200, 12, kPlot,
     [](THistogram& g) {
       PolyLine(g, 2);
       FeedAll(g, 5, 0);
     }},
    {"gradient_from_grad_color_to_back_color", 100, 114, kGrid, [](THistogram& g) { g.SetEnableGradient(true); }},
    {"back_image_stretched_under_the_frame", 100, 52, kPlot,
     [](THistogram& g) {
       QImage picture(2, 1, QImage::Format_RGB32);
       picture.setPixel(0, 0, qRgb(255, 0, 0));
       picture.setPixel(1, 0, qRgb(0, 0, 255));
       g.SetBackImage(picture);
       g.SetEnableGradient(true);  // the image wins
     }},
    {"grid_labels_read_their_height_in_pixels_without_data", 290, 114, kGrid, [](THistogram&) {}},
    {"grid_labels_follow_the_scale", 290, 114, kGrid,
     [](THistogram& g) {
       g.SetMaxValue(112 * 1024);  // 1024 values per pixel
       FeedAll(g, 100000, 0);
     }},
    {"grid_labels_in_bits", 290, 114, kGrid,
     [](THistogram& g) {
       g.SetMeasurementUnit(TMeasurementUnit::muBits);
       g.SetMaxValue(112 * 1000);
     }},
    {"grid_left_to_right", 290, 114, kGrid, [](THistogram& g) { g.SetLeftToRight(true); }},
    {"minute_ticks_of_a_poly_line_with_step_three", 400, 114, kGrid,
     [](THistogram& g) {
       PolyLine(g, 3);
       g.SetVertTickPeriod(60 * 3);
     }},
    {"minute_ticks_left_to_right", 400, 114, kGrid,
     [](THistogram& g) {
       PolyLine(g, 3);
       g.SetVertTickPeriod(60 * 3);
       g.SetLeftToRight(true);
     }},
    {"no_grid_no_labels_no_ticks", 290, 114, kGrid,
     [](THistogram& g) {
       g.SetEnableGrid(false);
       g.SetVertTickPeriod(50);
     }},
    {"averages_strip_under_the_graph", 290, 114, kWhole,
     [](THistogram& g) {
       Feed(g, {{2048, 1024}, {2048, 1024}, {2048, 1024}, {2048, 1024}, {2048, 1024}});
     }},
    {"averages_written_by_the_host", 290, 114, kWhole, HostWritesTheValues},
    {"compact_bottom_mode_writes_its_own_values", 290, 114, kWhole,
     [](THistogram& g) {
       HostWritesTheValues(g);
       g.SetCompactMode(TCompactMode::cmNumBottom);
     }},
    {"numbers_only_fill_the_control", 290, 114, kWhole,
     [](THistogram& g) {
       g.SetLineType(TLineType::ltNumeric);
       FeedAll(g, 3000, 700);
     }},
    {"compact_left_mode_panel_over_the_oldest_samples", 290, 114, kWhole,
     [](THistogram& g) {
       g.SetCompactMode(TCompactMode::cmNumLeft);
       g.SetEnableGradient(true);
       FeedAll(g, 2048, 1024);
     }},
    {"compact_left_mode_left_to_right", 290, 114, kWhole,
     [](THistogram& g) {
       g.SetCompactMode(TCompactMode::cmNumLeft);
       g.SetEnableGradient(true);
       g.SetLeftToRight(true);
       FeedAll(g, 2048, 1024);
     }},
};

class GraphReference : public ::testing::TestWithParam<Reference> {};

TEST_P(GraphReference, MatchesTheRendering) {
  ExpectMatchesReference(ReferenceFolder(__FILE__), QLatin1String(GetParam().name), Rendered(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Graphs, GraphReference, ::testing::ValuesIn(References),
                         [](const ::testing::TestParamInfo<Reference>& reference) {
                           return std::string(reference.param.name);
                         });

// The graph drawn into the tray icon: opaque, and each second shown one tick late (the 70 and 30
// beside the right frame, with an empty column left of them); the window's grid and averages strip,
// both on by default, stay out of it.
TEST(GraphReferenceTest, TrayIcon) {
  Settings settings;
  settings.ColorBack = Back;
  settings.ColorDataFrame = Frame;
  settings.ColorDataIn = In;
  settings.ColorDataOut = Out;
  settings.ColorDataBoth = Both;
  settings.EnableGradient = false;
  settings.EnableSmooth = false;
  settings.FixedScale = true;
  settings.FixedScaleValue = 140;  // 10 per pixel on the 14 rows inside the frame
  TTrayIconGraph graph;
  graph.ApplySettings(settings);
  graph.Step(70, 30);
  const QIcon icon = graph.Step(0, 0);
  ExpectMatchesReference(ReferenceFolder(__FILE__), QStringLiteral("tray_icon_opaque_and_one_tick_late"),
                         icon.pixmap(TTrayIconGraph::IconSize).toImage().convertToFormat(QImage::Format_ARGB32));
}

}  // namespace
}  // namespace meterly
