// The averages strip below the plot and the number panel of the compact mode.
#include "display/averages_strip.h"
#include "display/histogram.h"
#include "display/histogram_fonts.h"
#include "display/histogram_pixels.h"
#include "display/number_panel.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

#include <vector>

namespace meterly {
namespace {

using namespace testing_support;

const Colorref LightIn = Lighten(In, AveragesTintPercent);
const Colorref LightOut = Lighten(Out, AveragesTintPercent);

class StripTest : public ::testing::Test {
 protected:
  void SetUp() override { UseTestColours(graph); }

  const QImage& RenderStrip(int width, int height) {
    graph.resize(width, height);
    graph.RenderBitmap();
    return graph.AveragesImage();
  }

  // The text is centred in its box.
  void ExpectCentredText(const QImage& strip, const QRect& box, const QString& text) {
    const QRect drawn = ColourBox(strip, Rgb(Text), box);
    ASSERT_FALSE(drawn.isNull()) << text.toStdString();
    const QRect alone = TextBox(text, SurfaceFont(graph.FontAverages()), QPoint(0, 0), QSize(300, 40));
    EXPECT_EQ(drawn.size(), alone.size()) << text.toStdString();
    EXPECT_NEAR(drawn.center().x(), box.center().x(), 2) << text.toStdString();
    EXPECT_NEAR(drawn.center().y(), box.center().y(), 3) << text.toStdString();
  }

  THistogram graph;
};

TEST_F(StripTest, TwoTintedBoxesInsideARoundedFrame) {
  Feed(graph, {{2048, 1024}, {2048, 1024}, {2048, 1024}, {2048, 1024}, {2048, 1024}});
  const QImage& strip = RenderStrip(290, 114);
  ASSERT_EQ(strip.size(), QSize(290, AveragesStripHeight));
  const QRect boxIn = AveragesBoxIn(strip.size());
  const QRect boxOut = AveragesBoxOut(strip.size());
  EXPECT_EQ(boxIn, QRect(QPoint(3, 3), QPoint(141, 16)));  // split at (290 - 6) / 2
  EXPECT_EQ(boxOut, QRect(QPoint(142, 3), QPoint(286, 16)));

  EXPECT_EQ(RunsUp(strip, 10, 19, 0), (std::vector{RunOf(Back, 1), RunOf(Frame, 1), RunOf(Back, 1), RunOf(LightIn, 14),
                                                   RunOf(Back, 1), RunOf(Frame, 1), RunOf(Back, 1)}));
  EXPECT_EQ(strip.pixel(141, 4), Rgb(LightIn));
  EXPECT_EQ(strip.pixel(142, 4), Rgb(LightOut));
  EXPECT_EQ(strip.pixel(286, 16), Rgb(LightOut));
  EXPECT_EQ(strip.pixel(287, 16), Rgb(Back));
  EXPECT_EQ(strip.pixel(288, 16), Rgb(Frame));
  // Corner pixels of the frame are left out.
  EXPECT_EQ(strip.pixel(1, 1), Rgb(Back));
  EXPECT_EQ(strip.pixel(2, 1), Rgb(Frame));
  EXPECT_EQ(strip.pixel(288, 18), Rgb(Back));

  ExpectCentredText(strip, boxIn, QStringLiteral("In: 2.0K"));
  ExpectCentredText(strip, boxOut, QStringLiteral("Out: 1.0K"));
}

TEST_F(StripTest, TheHostMayWriteTheValuesButNotInTheCompactModes) {
  graph.SetLabelIn(QStringLiteral("Down"));
  std::vector<quint32> asked;
  graph.SetOnNeedValue([&](THistogram& sender, quint32 value, QString& text) {
    EXPECT_EQ(&sender, &graph);
    EXPECT_TRUE(text.isEmpty());
    asked.push_back(value);
    text = QStringLiteral("v%1").arg(value);
  });
  Feed(graph, {{10, 500}, {10, 0}, {10, 0}, {10, 0}, {15, 0}});
  const QImage& strip = RenderStrip(290, 114);
  EXPECT_EQ(asked, (std::vector<quint32>{11, 100}));
  ExpectCentredText(strip, AveragesBoxIn(strip.size()), QStringLiteral("Down: v11"));
  ExpectCentredText(strip, AveragesBoxOut(strip.size()), QStringLiteral("Out: v100"));

  asked.clear();
  graph.SetCompactMode(TCompactMode::cmNumBottom);
  const QImage& compact = RenderStrip(290, 114);
  EXPECT_TRUE(asked.empty());
  ExpectCentredText(compact, AveragesBoxIn(compact.size()), QStringLiteral("11"));
  ExpectCentredText(compact, AveragesBoxOut(compact.size()), QStringLiteral("100"));
}

TEST_F(StripTest, NumbersOnlyFillTheWholeControlWithTheTwoBoxes) {
  graph.SetLineType(TLineType::ltNumeric);
  FeedAll(graph, 3000, 700);
  graph.resize(290, 114);
  const QImage control = graph.grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(graph.AveragesImage().size(), QSize(290, 114));
  EXPECT_EQ(RunsUp(control, 10, 113, 0),
            (std::vector{RunOf(Back, 1), RunOf(Frame, 1), RunOf(Back, 1), RunOf(LightIn, 108), RunOf(Back, 1),
                         RunOf(Frame, 1), RunOf(Back, 1)}));
  EXPECT_EQ(control.pixel(280, 100), Rgb(LightOut));
  ExpectCentredText(control, AveragesBoxIn(control.size()), QStringLiteral("In: 2.9K"));
  ExpectCentredText(control, AveragesBoxOut(control.size()), QStringLiteral("Out: 700"));
  for (Colorref series : {In, Out, Both}) EXPECT_TRUE(ColourBox(control, Rgb(series), control.rect()).isNull());
}

class NumberPanelTest : public StripTest {
 protected:
  const QFont panelFont = SurfaceFont(HistogramFont(NumberPanelPoints));
};

TEST_F(NumberPanelTest, WidthHasRoomForTheLongerLineInTensOfPixels) {
  const QFontMetrics metrics(panelFont);
  for (const char* value : {"1", "22", "333", "4.4K", "555K", "1.0M"}) {
    const NumberPanelLines lines{QStringLiteral("In: ") + QLatin1String(value), QStringLiteral("Out: 7")};
    const int text = std::max(metrics.horizontalAdvance(lines.In), metrics.horizontalAdvance(lines.Out));
    const int width = NumberPanelWidth(metrics, lines);
    EXPECT_EQ(width % 10, 0) << value;
    EXPECT_GE(width, text + 3) << value;
    EXPECT_LT(width, text + 3 + 10) << value;
  }
}

TEST_F(NumberPanelTest, TheCompactLeftModeShowsTheAveragesOverTheOldestSamples) {
  graph.SetCompactMode(TCompactMode::cmNumLeft);
  graph.SetEnableGradient(true);
  FeedAll(graph, 2048, 1024);
  graph.resize(290, 114);
  const QImage control = graph.grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(graph.GraphImage().size(), QSize(290, 114));  // no strip, no margin
  EXPECT_TRUE(ColourBox(control, Rgb(Tick), control.rect()).isNull());

  const NumberPanelLines lines{QStringLiteral("In: 2.0K"), QStringLiteral("Out: 1.0K")};
  const int width = NumberPanelWidth(QFontMetrics(panelFont), lines);
  const int lineHeight = QFontMetrics(panelFont).height();
  const QRect panel(1, 1, width, 112);
  EXPECT_EQ(RunsUp(control, width + 1, 112, 1), (std::vector{RunOf(Frame, 112)}));
  EXPECT_EQ(control.pixel(2, 1), Rgb(Gradient));
  EXPECT_EQ(control.pixel(2, 112), Rgb(Back));
  EXPECT_EQ(ColourBox(control, Rgb(In), panel), TextBox(lines.In, panelFont, QPoint(4, 1), control.size()));
  EXPECT_EQ(ColourBox(control, Rgb(Out), panel),
            TextBox(lines.Out, panelFont, QPoint(4, 1 + lineHeight), control.size()));
  // The newest samples stay visible beside it.
  EXPECT_EQ(control.pixel(200, 112), Rgb(Both));

  graph.SetLeftToRight(true);
  const QImage mirrored = graph.grab().toImage().convertToFormat(QImage::Format_RGB32);
  const int panelLeft = 289 - width;  // the plot ends before the frame column 289
  EXPECT_EQ(RunsUp(mirrored, panelLeft - 1, 112, 1), (std::vector{RunOf(Frame, 112)}));
  EXPECT_EQ(ColourBox(mirrored, Rgb(In), QRect(panelLeft, 1, width, 112)),
            TextBox(lines.In, panelFont, QPoint(panelLeft + 3, 1), control.size()));
}

}  // namespace
}  // namespace meterly
