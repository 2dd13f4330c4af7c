#include "display/colorref.h"
#include "display/graph_settings.h"
#include "display/graph_window_rules.h"
#include "display/histogram.h"
#include "support/expect_assertion.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace meterly {
namespace {

TEST(GraphFormRulesTest, OpacityIsTheTruncatedShareOf255) {
  EXPECT_EQ(OpacityAlpha(0), 0);
  EXPECT_EQ(OpacityAlpha(1), 2);  // 2.55
  EXPECT_EQ(OpacityAlpha(50), 127);
  EXPECT_EQ(OpacityAlpha(99), 252);  // 252.45
  EXPECT_EQ(OpacityAlpha(100), 255);
}

TEST(GraphFormRulesTest, KeypadStepsStopAtBothEnds) {
  EXPECT_EQ(SteppedTransparency(50, TransparencyKeyStep), 60);
  EXPECT_EQ(SteppedTransparency(95, TransparencyKeyStep), 100);
  EXPECT_EQ(SteppedTransparency(100, TransparencyKeyStep), 100);
  EXPECT_EQ(SteppedTransparency(5, -TransparencyKeyStep), 0);
  EXPECT_EQ(SteppedTransparency(0, -TransparencyKeyStep), 0);
  // A value stored out of range by hand comes back into it with the first key.
  EXPECT_EQ(SteppedTransparency(250, -TransparencyKeyStep), 100);
  EXPECT_EQ(SteppedTransparency(-40, TransparencyKeyStep), 0);
}

TEST(GraphFormRulesTest, EdgesWithinTenPixelsSnapToTheWorkArea) {
  const QRect work(0, 32, 1280, 768);  // a panel takes the top 32 rows
  const QSize size(290, 114);
  auto snapped = [&](int x, int y) { return SnappedPosition(QRect(QPoint(x, y), size), work); };

  EXPECT_EQ(snapped(10, 300), QPoint(0, 300));
  EXPECT_EQ(snapped(11, 300), QPoint(11, 300));
  EXPECT_EQ(snapped(-10, 300), QPoint(0, 300));  // pushed a little beyond the edge
  EXPECT_EQ(snapped(-11, 300), QPoint(-11, 300));
  EXPECT_EQ(snapped(500, 42), QPoint(500, 32));
  EXPECT_EQ(snapped(500, 43), QPoint(500, 43));
  // The right and bottom edges: the outer edge of the frame meets the work area's.
  EXPECT_EQ(snapped(1280 - 290 - 10, 800 - 114 - 10), QPoint(1280 - 290, 800 - 114));
  EXPECT_EQ(snapped(1280 - 290 + 10, 800 - 114 + 10), QPoint(1280 - 290, 800 - 114));
  EXPECT_EQ(snapped(1280 - 290 - 11, 800 - 114 - 11), QPoint(1280 - 290 - 11, 800 - 114 - 11));
  // A frame as wide as the work area: its left edge wins.
  EXPECT_EQ(SnappedPosition(QRect(5, 300, 1285, 100), work), QPoint(0, 300));
  // A work area away from the origin (a second monitor).
  EXPECT_EQ(SnappedPosition(QRect(1285, 5, 290, 114), QRect(1280, 0, 1920, 1080)), QPoint(1280, 0));
}

TEST(GraphFormRulesTest, ClickThroughNeedsOpacity) {
  Settings settings;
  settings.EnableClickThrough = true;
  EXPECT_FALSE(ClickThroughWanted(settings));
  settings.EnableTransparent = true;
  EXPECT_TRUE(ClickThroughWanted(settings));

  // Toggling is refused while opacity is off, and nothing changes.
  settings.EnableTransparent = false;
  EXPECT_FALSE(ToggleClickThrough(settings));
  EXPECT_TRUE(settings.EnableClickThrough);
  settings.EnableClickThrough = false;
  EXPECT_FALSE(ToggleClickThrough(settings));
  EXPECT_FALSE(settings.EnableClickThrough);

  settings.EnableTransparent = true;
  EXPECT_TRUE(ToggleClickThrough(settings));
  EXPECT_TRUE(settings.EnableClickThrough);
  EXPECT_TRUE(ToggleClickThrough(settings));
  EXPECT_FALSE(settings.EnableClickThrough);
}

TEST(GraphFormRulesTest, MinuteTicksScaleScaleAndSizeFollowTheLineType) {
  Settings settings;
  EXPECT_EQ(MinuteTickPeriod(settings), 0);
  settings.EnableMinuteTicks = true;
  EXPECT_EQ(MinuteTickPeriod(settings), 60);
  settings.LineType = 1;  // poly-line: a sample every LineStep pixels
  settings.LineStep = 3;
  EXPECT_EQ(MinuteTickPeriod(settings), 180);
  settings.LineType = 2;
  EXPECT_EQ(MinuteTickPeriod(settings), 60);

  EXPECT_EQ(GraphMinimumClientSize(settings), QSize(80, 25));
  settings.LineType = 0;
  EXPECT_EQ(GraphMinimumClientSize(settings), QSize(80, 50));

  settings.FixedScaleValue = 125000;
  EXPECT_EQ(ScaleMaximum(settings), 0u);
  settings.FixedScale = true;
  EXPECT_EQ(ScaleMaximum(settings), 125000u);

  settings.ShowInTray = true;
  EXPECT_TRUE(TrayIconShowsGraph(settings));
  settings.LineType = 2;
  EXPECT_FALSE(TrayIconShowsGraph(settings));
}

TEST(GraphFormRulesTest, CaptionNamesTheMonitoredSource) {
  TAdapterEntry entry;
  entry.Description = QStringLiteral("Büro 100%");
  EXPECT_EQ(GraphCaption(&entry), QStringLiteral("Meterly (Büro 100%)"));
  EXPECT_EQ(GraphCaption(nullptr), QStringLiteral("Meterly (Not Available)"));
}

TEST(GraphFormRulesTest, BoundsRecordAndFirstStartPlace) {
  const GraphBounds bounds{-20, 700, 333, 60};
  EXPECT_EQ(BoundsRect(bounds), QRect(-20, 700, 333, 60));
  EXPECT_EQ(BoundsOf(BoundsRect(bounds)), bounds);
  EXPECT_EQ(CentredGraphBounds(QSize(1280, 800)), (GraphBounds{495, 343, 290, 114}));
  EXPECT_EQ(CentredGraphBounds(QSize(1366, 769)), (GraphBounds{538, 327, 290, 114}));
}

Settings ColourfulSettings() {
  Settings settings;
  settings.ColorBack = 0x102030;
  settings.ColorDataIn = 0x0000FF;
  settings.ColorDataOut = 0x00FF00;
  settings.ColorDataBoth = 0xFF0000;
  settings.ColorDataText = 0x404040;
  settings.ColorDataFrame = 0x808000;
  settings.EnableGradient = false;
  settings.GradientColor = 0x123456;
  settings.LineType = 1;
  settings.LineStep = 4;
  return settings;
}

TEST(GraphSettingsTest, ColourSettingsGiveTheGraphItsLook) {
  THistogram graph;
  const Settings settings = ColourfulSettings();
  ApplyColourSettings(graph, settings);
  EXPECT_EQ(graph.BackColor(), 0x102030u);
  EXPECT_EQ(graph.ColorIn(), 0x0000FFu);
  EXPECT_EQ(graph.ColorOut(), 0x00FF00u);
  EXPECT_EQ(graph.ColorBoth(), 0xFF0000u);
  EXPECT_EQ(graph.TextColor(), 0x404040u);
  EXPECT_EQ(graph.FrameColor(), 0x808000u);
  EXPECT_EQ(graph.TickColor(), Lighten(0x404040, 40));
  EXPECT_NE(graph.TickColor(), graph.TextColor());
  EXPECT_FALSE(graph.EnableGradient());
  EXPECT_EQ(graph.GradColor(), 0x123456u);
  EXPECT_EQ(graph.LineType(), TLineType::ltPolyLine);
  EXPECT_EQ(graph.LineStep(), 4);
  EXPECT_EQ(graph.MeasurementUnit(), TMeasurementUnit::muBytes);
}

TEST(GraphSettingsTest, SwitchingTheUnitEmptiesTheGraphAndApplyingAgainDoesNot) {
  THistogram graph;
  Settings settings;
  ApplyColourSettings(graph, settings);
  graph.AddSample(1000, 2000);
  ApplyColourSettings(graph, settings);  // Apply pressed without a new unit
  EXPECT_EQ(graph.SeriesIn()[0], 1000u);

  settings.Unit = 1;
  ApplyColourSettings(graph, settings);
  EXPECT_EQ(graph.MeasurementUnit(), TMeasurementUnit::muBits);
  EXPECT_EQ(graph.SeriesIn()[0], 0u);
  EXPECT_EQ(graph.SeriesOut()[0], 0u);
  graph.AddSample(1000, 0);
  EXPECT_EQ(graph.SeriesIn()[0], 8000u);

  settings.Unit = 0;
  ApplyColourSettings(graph, settings);
  EXPECT_EQ(graph.SeriesIn()[0], 0u);
}

TEST(GraphSettingsTest, ScaleAndWindowSettings) {
  THistogram graph;
  Settings settings;
  settings.FixedScale = true;
  settings.FixedScaleValue = 5000;
  settings.EnableSmooth = false;
  settings.LeftToRight = true;
  settings.EnableGridAndAxes = false;
  settings.EnableMinuteTicks = true;
  settings.LineType = 1;
  settings.LineStep = 3;
  ApplyScaleSettings(graph, settings);
  ApplyWindowGraphSettings(graph, settings);
  EXPECT_EQ(graph.MaxValue(), 5000u);
  EXPECT_FALSE(graph.Smooth());
  EXPECT_TRUE(graph.LeftToRight());
  EXPECT_FALSE(graph.EnableGrid());
  EXPECT_EQ(graph.VertTickPeriod(), 180);

  settings.FixedScale = false;
  settings.EnableSmooth = true;
  settings.EnableGridAndAxes = true;
  settings.EnableMinuteTicks = false;
  ApplyScaleSettings(graph, settings);
  ApplyWindowGraphSettings(graph, settings);
  EXPECT_EQ(graph.MaxValue(), 0u);
  EXPECT_TRUE(graph.Smooth());
  EXPECT_TRUE(graph.EnableGrid());
  EXPECT_EQ(graph.VertTickPeriod(), 0);
}

TEST(GraphSettingsTest, StoredValuesTheGraphCannotDrawFailItsChecks) {
  THistogram graph;
  Settings settings;
  settings.LineType = 3;
  testing_support::ExpectAssertion("histogram", [&] { ApplyColourSettings(graph, settings); });
  settings.LineType = 0;
  settings.LineStep = 0;
  testing_support::ExpectAssertion("histogram", [&] { ApplyColourSettings(graph, settings); });
}

TEST(GraphSettingsTest, BackImageOnlyFromAnExistingBitmap) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  QImage picture(12, 7, QImage::Format_RGB32);
  picture.fill(Qt::red);
  const QString bitmap = folder.filePath(QStringLiteral("back.bmp"));
  ASSERT_TRUE(picture.save(bitmap, "BMP"));
  const QString png = folder.filePath(QStringLiteral("looks-like.bmp"));
  ASSERT_TRUE(picture.save(png, "PNG"));

  const QImage loaded = LoadBackImage(true, bitmap);
  EXPECT_EQ(loaded.size(), QSize(12, 7));
  EXPECT_EQ(loaded.pixel(3, 3) | 0xFF000000, qRgb(255, 0, 0));
  EXPECT_TRUE(LoadBackImage(false, bitmap).isNull());
  EXPECT_TRUE(LoadBackImage(true, png).isNull());
  EXPECT_TRUE(LoadBackImage(true, folder.filePath(QStringLiteral("missing.bmp"))).isNull());
  EXPECT_TRUE(LoadBackImage(true, folder.path()).isNull());
  EXPECT_TRUE(LoadBackImage(true, QString()).isNull());
}

}  // namespace
}  // namespace meterly
