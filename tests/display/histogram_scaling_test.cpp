#include "display/averages_strip.h"
#include "display/colorref.h"
#include "display/histogram.h"
#include "display/tray_icon_graph.h"

#include <QIcon>
#include <QSet>

#include <gtest/gtest.h>

#include <algorithm>

namespace meterly {
namespace {

constexpr qreal Ratios[] = {1.0, 1.25, 1.5, 2.0};

// A graph of full-height received bars on a plain background, with the averages strip.
void Prepare(THistogram& graph, qreal ratio) {
  graph.setGeometry(0, 0, 120, 80);
  graph.SetDevicePixelRatio(ratio);
  graph.SetEnableGradient(false);
  graph.SetEnableGrid(false);
  graph.SetEnableAverages(true);
  graph.SetSmooth(false);
  graph.SetMaxValue(1000);
  for (int i = 0; i < 200; ++i) graph.AddSample(1000, 0);
}

// The strip's in box, in device pixels.
QRect DeviceBoxIn(const QImage& strip) {
  const qreal ratio = strip.devicePixelRatio();
  const QRect logical = AveragesBoxIn(strip.deviceIndependentSize().toSize());
  return {QPoint(qRound(logical.left() * ratio), qRound(logical.top() * ratio)),
          QPoint(qRound(logical.right() * ratio), qRound(logical.bottom() * ratio))};
}

// The rows of the strip's in box that hold anything but its tint: the drawn text.
int TextHeight(const QImage& strip, Colorref tint) {
  const QRect box = DeviceBoxIn(strip);
  const QRgb background = ColorrefToQColor(Lighten(tint, AveragesTintPercent)).rgb();
  int first = -1;
  int last = -1;
  for (int y = box.top() + 1; y < box.bottom(); ++y) {
    for (int x = box.left() + 1; x < box.right(); ++x) {
      if (strip.pixel(x, y) == background) continue;
      if (first < 0) first = y;
      last = y;
    }
  }
  return first < 0 ? 0 : last - first + 1;
}

TEST(HistogramScalingTest, SurfacesHoldDevicePixelsAndBarsFillThemWithoutBlending) {
  for (const qreal ratio : Ratios) {
    THistogram graph;
    Prepare(graph, ratio);
    const QImage& surface = graph.RenderBitmap();
    EXPECT_EQ(surface.devicePixelRatio(), ratio);
    EXPECT_EQ(surface.width(), qCeil(120 * ratio)) << ratio;
    EXPECT_EQ(graph.AveragesImage().devicePixelRatio(), ratio);

    // Halfway up the plot every device pixel inside the frame is the bar's own colour.
    const QRgb in = ColorrefToQColor(graph.ColorIn()).rgb();
    const int y = surface.height() / 3;
    QSet<QRgb> colours;
    for (int x = qCeil(3 * ratio); x < surface.width() - qCeil(3 * ratio); ++x) colours.insert(surface.pixel(x, y));
    EXPECT_EQ(colours, QSet<QRgb>{in}) << "ratio " << ratio;
  }
}

TEST(HistogramScalingTest, TheAveragesTextIsDrawnAtTheDeviceResolutionAndAntialiased) {
  int heightAtOne = 0;
  for (const qreal ratio : Ratios) {
    THistogram graph;
    Prepare(graph, ratio);
    graph.RenderBitmap();
    const int height = TextHeight(graph.AveragesImage(), graph.ColorIn());
    if (ratio == 1.0) heightAtOne = height;
    ASSERT_GT(heightAtOne, 0);
    EXPECT_GE(height, qFloor(heightAtOne * ratio * 0.8)) << "glyphs drawn anew, not stretched, at " << ratio;
  }
  THistogram graph;
  Prepare(graph, 2.0);
  graph.RenderBitmap();
  const QImage strip = graph.AveragesImage();
  const QRgb text = ColorrefToQColor(graph.TextColor()).rgb();
  const QRgb tint = ColorrefToQColor(Lighten(graph.ColorIn(), AveragesTintPercent)).rgb();
  int blended = 0;
  const QRect box = DeviceBoxIn(strip);
  for (int y = box.top(); y <= box.bottom(); ++y) {
    for (int x = box.left(); x <= box.right(); ++x) blended += strip.pixel(x, y) != text && strip.pixel(x, y) != tint;
  }
  EXPECT_GT(blended, 0) << "antialiased glyph edges";
}

TEST(HistogramScalingTest, TheTrayIconIsDrawnAtEverySizeATrayAsksFor) {
  TTrayIconGraph icon;
  const QIcon image = icon.Step(1000, 1000);
  for (const int size : TTrayIconGraph::TraySizes) {
    EXPECT_TRUE(image.availableSizes().contains(QSize(size, size))) << size;
    const QImage drawn = image.pixmap(QSize(size, size), 1.0).toImage();
    EXPECT_EQ(drawn.size(), QSize(size, size));
    // The frame is one pixel wide at every size: drawn for the size, not stretched.
    EXPECT_EQ(drawn.pixel(0, size / 2), drawn.pixel(0, size / 2 + 1));
    EXPECT_NE(drawn.pixel(1, size / 2), drawn.pixel(0, size / 2)) << size;
  }
  EXPECT_EQ(icon.Graph().size(), QSize(TTrayIconGraph::IconSize, TTrayIconGraph::IconSize));
}

}  // namespace
}  // namespace meterly
