#include "display/histogram.h"

#include "display/averages_strip.h"
#include "display/colorref.h"
#include "display/histogram_fonts.h"
#include "display/histogram_format.h"
#include "display/histogram_grid.h"
#include "display/number_panel.h"
#include "display/tray_icon_graph.h"
#include "support/expect_assertion.h"
#include "support/histogram_feed.h"

#include <QFontMetrics>
#include <QIcon>
#include <QSet>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <limits>

namespace meterly {
namespace {

using testing_support::ExpectAssertion;
using testing_support::Feed;

constexpr quint32 Top32 = std::numeric_limits<quint32>::max();

TEST(HistogramFormatTest, PlainBelowAThousandThenScaledWithOneDecimalBelowTen) {
  struct Row {
    quint32 value;
    quint32 divisor;
    const char* text;
  };
  const Row rows[] = {
      {0, ByteUnitDivisor, "0"},
      {999, ByteUnitDivisor, "999"},
      {1000, ByteUnitDivisor, "1.0K"},  // 0.98 rounds up
      {1000, BitUnitDivisor, "1.0K"},
      {1536, ByteUnitDivisor, "1.5K"},
      {10239, ByteUnitDivisor, "10.0K"},  // 9.999 is below ten: one decimal
      {10240, ByteUnitDivisor, "10K"},
      {20480, ByteUnitDivisor, "20K"},
      {999999, ByteUnitDivisor, "977K"},
      {1000000, ByteUnitDivisor, "1.0M"},  // the suffix follows powers of 1000
      {1000000, BitUnitDivisor, "1.0M"},
      {999999999, BitUnitDivisor, "1000M"},
      {1000000000, ByteUnitDivisor, "0.9G"},
      {Top32, ByteUnitDivisor, "4.0G"},
      {Top32, BitUnitDivisor, "4.3G"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(FormatValue(row.value, row.divisor).toStdString(), row.text) << row.value << " / " << row.divisor;
  }
}

TEST(LightenTest, MovesEachChannelTowardsWhiteRounded) {
  EXPECT_EQ(Lighten(0x800000, 70), 0xD9B3B3u);  // 0 + 178.5 rounds up, 128 + 88.9 to 217
  EXPECT_EQ(Lighten(0x0000FA, 70), 0xB3B3FEu);  // 250 + 3.5 rounds up
  EXPECT_EQ(Lighten(0x123456, 0), 0x123456u);
  EXPECT_EQ(Lighten(0x123456, 100), 0xFFFFFFu);
  EXPECT_EQ(Lighten(0xFFFFFF, 70), 0xFFFFFFu);
}

TEST(HistogramSamplesTest, NewestFirstAndTheOldestDropsOff) {
  THistogram graph;
  for (quint32 value = 1; value <= SampleCapacity + 1; ++value) graph.AddSample(value, 2 * value);
  EXPECT_EQ(graph.SeriesIn()[0], static_cast<quint32>(SampleCapacity + 1));
  EXPECT_EQ(graph.SeriesIn()[SampleCapacity - 1], 2u);
  EXPECT_EQ(graph.SeriesOut()[SampleCapacity - 1], 4u);
  EXPECT_EQ(graph.AverageIn(), static_cast<quint32>(SampleCapacity + 1 - 2));

  graph.Clear();
  EXPECT_EQ(graph.SeriesIn()[0], 0u);
  EXPECT_EQ(graph.SeriesOut()[SampleCapacity - 1], 0u);
}

TEST(HistogramSamplesTest, AveragesTakeTheNewestFiveRoundedDownWithoutOverflow) {
  THistogram graph;
  Feed(graph, {{Top32, 1}, {Top32, 1}, {Top32, 1}, {Top32, 1}, {Top32, 0}, {Top32, 9}});
  EXPECT_EQ(graph.AverageIn(), Top32);
  EXPECT_EQ(graph.AverageOut(), 0u);  // 4 / 5
}

TEST(HistogramSamplesTest, BitsAreStoredEightTimesTheBytesAndSaturate) {
  THistogram graph;
  graph.SetMeasurementUnit(TMeasurementUnit::muBits);
  graph.AddSample(1000, 0);
  EXPECT_EQ(graph.SeriesIn()[0], 8000u);
  EXPECT_EQ(graph.AverageIn(), 1600u);
  for (int i = 0; i < 4; ++i) graph.AddSample(1000, 0);
  EXPECT_EQ(graph.FormatValue(graph.AverageIn()), QStringLiteral("8.0K")) << "thousands of bits, not 7.8K";

  // Saturated instead of wrapped.
  graph.AddSample(Top32 / 8 + 1, Top32 / 8);
  EXPECT_EQ(graph.SeriesIn()[0], Top32);
  EXPECT_EQ(graph.SeriesOut()[0], Top32 / 8 * 8);
}

// Where the rows sit, the reference images of the grid show.
TEST(HistogramLayoutTest, GridRowValuesAreTheirHeightsAtTheScaleAndSaturate) {
  EXPECT_EQ(GridRows(114, 13, 2.5)[0].Value, 22u);  // 9 pixels at 2.5 per pixel
  EXPECT_EQ(GridRows(114, 13, 5e9)[3].Value, 4294967295u);
}

TEST(HistogramLayoutTest, NumberPanelWidthHasRoomForTheLongerLineInTensOfPixels) {
  const QFontMetrics metrics(SurfaceFont(HistogramFont(NumberPanelPoints)));
  for (const char* value : {"1", "22", "333", "4.4K", "555K", "1.0M"}) {
    const NumberPanelLines lines{QStringLiteral("In: ") + QLatin1String(value), QStringLiteral("Out: 7")};
    const int text = std::max(metrics.horizontalAdvance(lines.In), metrics.horizontalAdvance(lines.Out));
    const int width = NumberPanelWidth(metrics, lines);
    EXPECT_EQ(width % 10, 0) << value;
    EXPECT_GE(width, text + 3) << value;
    EXPECT_LT(width, text + 3 + 10) << value;
  }
}

TEST(HistogramLayoutTest, SurfacesAreOnlyReplacedWhenTheSizeChanges) {
  THistogram graph;
  graph.SetEnableAverages(false);
  graph.resize(16, 16);
  const uchar* first = graph.RenderBitmap().constBits();
  EXPECT_EQ(graph.RenderBitmap().constBits(), first);
  graph.resize(17, 16);
  EXPECT_EQ(graph.RenderBitmap().size(), QSize(17, 16));
}

// What a painting keeps for the next one (the background, the averages strip) never outlives a
// change: a control changed after a painting paints as one that had the change from the start.
TEST(HistogramLayoutTest, AChangeAfterAPaintingShowsAsInAFreshControl) {
  const std::function<void(THistogram&)> changes[] = {
      [](THistogram& g) { g.SetBackColor(0x123456); },
      [](THistogram& g) { g.SetEnableGradient(true); },
      [](THistogram& g) { g.SetFrameColor(0x00FF00); },
      [](THistogram& g) { g.SetLeftToRight(true); },
      [](THistogram& g) { g.SetEnableGrid(false); },
      [](THistogram& g) { g.SetLabelIn(QStringLiteral("Down")); },
      [](THistogram& g) { g.SetFontAverages(HistogramFont(12)); },
      [](THistogram& g) { g.SetCompactMode(TCompactMode::cmNumBottom); },
      [](THistogram& g) { g.SetMeasurementUnit(TMeasurementUnit::muBits); },
      [](THistogram& g) { g.AddSample(5000, 100); },
      [](THistogram& g) { g.resize(150, 90); },
      [](THistogram& g) { g.SetDevicePixelRatio(2); }};
  for (std::size_t i = 0; i < std::size(changes); ++i) {
    THistogram painted;
    THistogram fresh;
    for (THistogram* graph : {&painted, &fresh}) {
      graph->resize(120, 80);
      Feed(*graph, {{3000, 700}, {10, 2000}});
    }
    painted.RenderBitmap();
    changes[i](painted);
    changes[i](fresh);
    EXPECT_EQ(painted.RenderBitmap(), fresh.RenderBitmap()) << "change " << i;
    EXPECT_EQ(painted.AveragesImage(), fresh.AveragesImage()) << "change " << i;
  }
}

TEST(HistogramModeTest, CompactModesPickTheirGridAndAveragesAndDropTheBackImage) {
  THistogram graph;
  QImage picture(4, 4, QImage::Format_RGB32);
  picture.fill(Qt::red);
  graph.SetBackImage(picture);

  graph.SetCompactMode(TCompactMode::cmNumLeft);
  EXPECT_FALSE(graph.EnableGrid());
  EXPECT_FALSE(graph.EnableAverages());
  EXPECT_TRUE(graph.BackImage().isNull());

  // The same mode again leaves the user's later choices alone.
  graph.SetEnableGrid(true);
  graph.SetBackImage(picture);
  graph.SetCompactMode(TCompactMode::cmNumLeft);
  EXPECT_TRUE(graph.EnableGrid());
  EXPECT_FALSE(graph.BackImage().isNull());

  graph.SetCompactMode(TCompactMode::cmNumBottom);
  EXPECT_FALSE(graph.EnableGrid());
  EXPECT_TRUE(graph.EnableAverages());
  EXPECT_TRUE(graph.BackImage().isNull());

  graph.SetBackImage(picture);
  graph.SetCompactMode(TCompactMode::cmNone);
  EXPECT_TRUE(graph.EnableGrid());
  EXPECT_TRUE(graph.EnableAverages());
  EXPECT_FALSE(graph.BackImage().isNull());
}

TEST(HistogramModeTest, BadSettingsFailTheControlsConsistencyCheck) {
  THistogram graph;
  ExpectAssertion("histogram", [&] { graph.SetVertTickPeriod(-1); });
  ExpectAssertion("histogram", [&] { graph.SetLineStep(0); });
  ExpectAssertion("histogram", [&] { graph.SetLineType(static_cast<TLineType>(3)); });
  ExpectAssertion("histogram", [&] { graph.SetCompactMode(static_cast<TCompactMode>(-1)); });
  ExpectAssertion("histogram", [&] { graph.SetMeasurementUnit(static_cast<TMeasurementUnit>(2)); });
  EXPECT_EQ(graph.VertTickPeriod(), 0);
  EXPECT_EQ(graph.LineStep(), 5);
  graph.SetVertTickPeriod(0);
  graph.SetLineStep(1);
  EXPECT_EQ(graph.LineStep(), 1);
}

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

// What the strip's in box shows besides its tint, inside its edge in device pixels: the rows the
// text takes, and its pixels in neither the tint nor the text colour (antialiased glyph edges).
struct BoxText {
  int height = 0;
  int blended = 0;
};

BoxText TextInBoxIn(const THistogram& graph) {
  const QImage& strip = graph.AveragesImage();
  const qreal ratio = strip.devicePixelRatio();
  const QRect logical = AveragesBoxIn(strip.deviceIndependentSize().toSize());
  const QRect box(QPoint(qRound(logical.left() * ratio), qRound(logical.top() * ratio)),
                  QPoint(qRound(logical.right() * ratio), qRound(logical.bottom() * ratio)));
  const QRgb tint = ColorrefToQColor(Lighten(graph.ColorIn(), AveragesTintPercent)).rgb();
  const QRgb text = ColorrefToQColor(graph.TextColor()).rgb();
  BoxText found;
  int first = -1;
  for (int y = box.top() + 1; y < box.bottom(); ++y) {
    for (int x = box.left() + 1; x < box.right(); ++x) {
      if (strip.pixel(x, y) == tint) continue;
      if (first < 0) first = y;
      found.height = y - first + 1;
      found.blended += strip.pixel(x, y) != text;
    }
  }
  return found;
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
    const BoxText text = TextInBoxIn(graph);
    if (ratio == 1.0) heightAtOne = text.height;
    ASSERT_GT(heightAtOne, 0);
    EXPECT_GE(text.height, qFloor(heightAtOne * ratio * 0.8)) << "glyphs drawn anew, not stretched, at " << ratio;
    EXPECT_GT(text.blended, 0) << "antialiased glyph edges at " << ratio;
  }
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
