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

#include <functional>

namespace meterly {
namespace {

using namespace testing_support;

struct Reference {
  const char* name;
  std::function<QImage()> render;
};

// The whole control as it paints itself, set up with the test colours and then by setUp.
QImage Drawn(int width, int height, const std::function<void(THistogram&)>& setUp) {
  THistogram graph;
  UseTestColours(graph);
  setUp(graph);
  graph.resize(width, height);
  return graph.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The plot alone: no grid, no strip.
QImage Plot(int width, int height, const std::function<void(THistogram&)>& setUp) {
  return Drawn(width, height, [&](THistogram& graph) {
    graph.SetEnableGrid(false);
    graph.SetEnableAverages(false);
    setUp(graph);
  });
}

QImage Grid(int width, const std::function<void(THistogram&)>& setUp) {
  return Drawn(width, 114, [&](THistogram& graph) {
    graph.SetEnableAverages(false);
    setUp(graph);
  });
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

QImage TrayIcon() {
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
  graph.Step(70, 30);  // shown one tick late: beside the right frame, with an empty column left of it
  return graph.Step(0, 0).pixmap(TTrayIconGraph::IconSize).toImage().convertToFormat(QImage::Format_ARGB32);
}

const Reference References[] = {
    {"bars_overlap_up_to_the_smaller_value",
     [] { return Plot(100, 52, [](THistogram& g) {
            Feed(g, {{50, 20}, {20, 80}, {100, 0}, {41, 41}, {0, 0}});
          }); }},
    {"fixed_top_clips_larger_values",
     [] {
       return Plot(100, 52, [](THistogram& g) {
         g.SetMaxValue(100);
         Feed(g, {{1000, 0}, {60, 0}});
       });
     }},
    {"smoothing_overlaps_the_mean_of_the_minima",
     [] {
       return Plot(100, 52, [](THistogram& g) {
         g.SetSmooth(true);
         Feed(g, {{10, 30}, {30, 10}, {0, 0}});
       });
     }},
    {"scale_takes_the_last_reachable_index", [] { return Plot(100, 52, [](THistogram& g) { PeakAt(g, 102); }); }},
    {"scale_ignores_samples_beyond_reach", [] { return Plot(100, 52, [](THistogram& g) { PeakAt(g, 103); }); }},
    {"bars_left_to_right",
     [] {
       return Plot(100, 52, [](THistogram& g) {
         g.SetLeftToRight(true);
         FeedAll(g, 10, 0);
         Feed(g, {{50, 0}, {20, 0}});
       });
     }},
    {"poly_line_ends_on_the_far_edge",
     [] {
       return Plot(102, 52, [](THistogram& g) {
         PolyLine(g, 3);
         FeedAll(g, 10, 0);
         g.AddSample(45, 0);  // index 35: beyond the edge, never drawn
         g.AddSample(40, 0);  // index 34: drawn on the edge
         for (int i = 0; i < 34; ++i) g.AddSample(10, 0);
       });
     }},
    {"poly_line_left_to_right",
     [] {
       return Plot(102, 52, [](THistogram& g) {
         PolyLine(g, 3);
         g.SetLeftToRight(true);
         FeedAll(g, 10, 0);
       });
     }},
    {"bars_wider_than_the_history", [] { return Plot(2200, 12, [](THistogram& g) { FeedAll(g, 5, 0); }); }},
    {"poly_line_wider_than_the_history",
     [] {
       return Plot(4200, 12, [](THistogram& g) {
         PolyLine(g, 2);
         FeedAll(g, 5, 0);
       });
     }},
    {"gradient_from_grad_color_to_back_color",
     [] { return Grid(100, [](THistogram& g) { g.SetEnableGradient(true); }); }},
    {"back_image_stretched_under_the_frame",
     [] {
       return Plot(100, 52, [](THistogram& g) {
         QImage picture(2, 1, QImage::Format_RGB32);
         picture.setPixel(0, 0, qRgb(255, 0, 0));
         picture.setPixel(1, 0, qRgb(0, 0, 255));
         g.SetBackImage(picture);
         g.SetEnableGradient(true);  // the image wins
       });
     }},
    {"grid_labels_read_their_height_in_pixels_without_data", [] { return Grid(290, [](THistogram&) {}); }},
    {"grid_labels_follow_the_scale",
     [] {
       return Grid(290, [](THistogram& g) {
         g.SetMaxValue(112 * 1024);  // 1024 values per pixel
         FeedAll(g, 100000, 0);
       });
     }},
    {"grid_labels_in_bits",
     [] {
       return Grid(290, [](THistogram& g) {
         g.SetMeasurementUnit(TMeasurementUnit::muBits);
         g.SetMaxValue(112 * 1000);
       });
     }},
    {"grid_left_to_right", [] { return Grid(290, [](THistogram& g) { g.SetLeftToRight(true); }); }},
    {"minute_ticks_of_a_poly_line_with_step_three",
     [] {
       return Grid(400, [](THistogram& g) {
         PolyLine(g, 3);
         g.SetVertTickPeriod(60 * 3);
       });
     }},
    {"minute_ticks_left_to_right",
     [] {
       return Grid(400, [](THistogram& g) {
         PolyLine(g, 3);
         g.SetVertTickPeriod(60 * 3);
         g.SetLeftToRight(true);
       });
     }},
    {"no_grid_no_labels_no_ticks",
     [] {
       return Grid(290, [](THistogram& g) {
         g.SetEnableGrid(false);
         g.SetVertTickPeriod(50);
       });
     }},
    {"averages_strip_under_the_graph",
     [] {
       return Drawn(290, 114, [](THistogram& g) {
         Feed(g, {{2048, 1024}, {2048, 1024}, {2048, 1024}, {2048, 1024}, {2048, 1024}});
       });
     }},
    {"averages_written_by_the_host", [] { return Drawn(290, 114, HostWritesTheValues); }},
    {"compact_bottom_mode_writes_its_own_values",
     [] {
       return Drawn(290, 114, [](THistogram& g) {
         HostWritesTheValues(g);
         g.SetCompactMode(TCompactMode::cmNumBottom);
       });
     }},
    {"numbers_only_fill_the_control",
     [] {
       return Drawn(290, 114, [](THistogram& g) {
         g.SetLineType(TLineType::ltNumeric);
         FeedAll(g, 3000, 700);
       });
     }},
    {"compact_left_mode_panel_over_the_oldest_samples",
     [] {
       return Drawn(290, 114, [](THistogram& g) {
         g.SetCompactMode(TCompactMode::cmNumLeft);
         g.SetEnableGradient(true);
         FeedAll(g, 2048, 1024);
       });
     }},
    {"compact_left_mode_left_to_right",
     [] {
       return Drawn(290, 114, [](THistogram& g) {
         g.SetCompactMode(TCompactMode::cmNumLeft);
         g.SetEnableGradient(true);
         g.SetLeftToRight(true);
         FeedAll(g, 2048, 1024);
       });
     }},
    {"tray_icon_opaque_and_one_tick_late", TrayIcon},
};

class GraphReference : public ::testing::TestWithParam<Reference> {};

TEST_P(GraphReference, MatchesTheRendering) {
  ExpectMatchesReference(ReferenceFolder(__FILE__), QLatin1String(GetParam().name), GetParam().render());
}

INSTANTIATE_TEST_SUITE_P(Graphs, GraphReference, ::testing::ValuesIn(References),
                         [](const ::testing::TestParamInfo<Reference>& reference) {
                           return std::string(reference.param.name);
                         });

}  // namespace
}  // namespace meterly
