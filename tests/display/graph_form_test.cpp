#include "display/graph_form.h"

#include "display/colorref.h"
#include "display/graph_settings.h"
#include "display/graph_window_rules.h"
#include "display/histogram.h"
#include "support/windows.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

namespace meterly {
namespace {

constexpr double AlphaStep = 1.0 / 255.0;

class GraphFormTest : public ::testing::Test {
 protected:
  GraphFormTest() : form(MakeSettings(settings)) { form.show(); }

  static Settings& MakeSettings(Settings& s) {
    s.GraphWindow = {40, 50, 300, 120};
    s.TransparentValue = 50;
    return s;
  }

  void PressKey(int key, Qt::KeyboardModifiers modifiers) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(&form, &press);
  }

  void Mouse(QEvent::Type type, Qt::MouseButton button, const QPoint& global, QWidget* target = nullptr) {
    QWidget& receiver = target != nullptr ? *target : form;
    const QPointF local = receiver.mapFromGlobal(global);
    QMouseEvent event(type, local, local, global, button, type == QEvent::MouseButtonRelease ? Qt::NoButton : button,
                      Qt::NoModifier);
    QApplication::sendEvent(&receiver, &event);
  }

  // Presses on the window body at its (10, 10) and lets go at the place that puts the frame at target.
  void DragFrameTo(const QPoint& target) {
    const QPoint grip = form.pos() + QPoint(10, 10);
    Mouse(QEvent::MouseButtonPress, Qt::LeftButton, grip);
    Mouse(QEvent::MouseMove, Qt::LeftButton, target + QPoint(10, 10));
    Mouse(QEvent::MouseButtonRelease, Qt::LeftButton, target + QPoint(10, 10));
  }

  Settings settings;
  TGraphForm form;
};

// The window's look and its samples come from the main form's settings: its tests show them.
TEST_F(GraphFormTest, TheGraphFillsTheWindow) {
  EXPECT_EQ(form.Graph().geometry(), form.rect());
  form.SetBounds({60, 70, 200, 90});
  QApplication::processEvents();
  EXPECT_EQ(form.Graph().geometry(), form.rect());
}

TEST_F(GraphFormTest, OpacityAndTheKeypadKeys) {
  form.SetOpacity(OpacityAlpha(settings.TransparentValue));
  EXPECT_TRUE(form.AlphaBlend());
  EXPECT_NEAR(form.windowOpacity(), 127 / 255.0, AlphaStep);

  PressKey(Qt::Key_Plus, Qt::KeypadModifier);
  EXPECT_EQ(settings.TransparentValue, 60);
  EXPECT_NEAR(form.windowOpacity(), 153 / 255.0, AlphaStep);
  // The main keyboard's plus and minus are other keys.
  PressKey(Qt::Key_Plus, Qt::NoModifier);
  PressKey(Qt::Key_Minus, Qt::ShiftModifier);
  EXPECT_EQ(settings.TransparentValue, 60);

  // Without opacity the keys do nothing.
  form.ClearOpacity();
  EXPECT_FALSE(form.AlphaBlend());
  EXPECT_DOUBLE_EQ(form.windowOpacity(), 1.0);
  PressKey(Qt::Key_Plus, Qt::KeypadModifier);
  EXPECT_EQ(settings.TransparentValue, 60);
}

TEST_F(GraphFormTest, WindowStylesChangeWithoutLosingTheShownWindow) {
  form.SetOpacity(100);
  form.SetClickThrough(true);
  EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowTransparentForInput));
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(form.Bounds(), (GraphBounds{40, 50, 300, 120}));
  EXPECT_NEAR(form.windowOpacity(), 100 / 255.0, AlphaStep);

  form.SetStayOnTop(false);
  form.SetCaptionShown(false);
  EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowTitleHint));
  EXPECT_TRUE(form.windowFlags().testFlag(Qt::Tool));
  EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowTransparentForInput));
  EXPECT_TRUE(form.isVisible());

  form.SetClickThrough(false);
  EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowTransparentForInput));

  // A hidden window stays hidden.
  form.hide();
  form.SetCaptionShown(true);
  EXPECT_FALSE(form.isVisible());
}

TEST_F(GraphFormTest, ClosingHidesAndRecordsTheBounds) {
  int closed = 0;
  QObject::connect(&form, &TGraphForm::closed, [&] { ++closed; });
  form.SetBounds({15, 25, 250, 100});
  EXPECT_TRUE(form.close());
  EXPECT_FALSE(form.isVisible());
  EXPECT_FALSE(form.GraphVisible());
  EXPECT_EQ(closed, 1);
  EXPECT_EQ(settings.GraphWindow, (GraphBounds{15, 25, 250, 100}));

  QPointer<TGraphForm> alive(&form);
  testing_support::RunDeferredDeletes();
  EXPECT_FALSE(alive.isNull());
  form.show();
  EXPECT_TRUE(form.GraphVisible());
}

TEST_F(GraphFormTest, NotificationShowsAndHidesOnlyItsOwnShowing) {
  form.hide();
  form.ShowNoActivate();
  EXPECT_TRUE(form.isVisible());
  EXPECT_TRUE(form.ShownByNotification());
  form.HideNotificationWindow();
  EXPECT_FALSE(form.isVisible());

  // Shown by the user, then by a notification: the window stays.
  form.ClearNotificationOrigin();
  form.show();
  form.ShowNoActivate();
  EXPECT_FALSE(form.ShownByNotification());
  form.HideNotificationWindow();
  EXPECT_TRUE(form.isVisible());
}

TEST_F(GraphFormTest, DraggedByItsBodyAndSnappedWhenSticky) {
  const QRect work = form.screen()->availableGeometry();
  DragFrameTo(work.topLeft() + QPoint(7, 120));
  EXPECT_EQ(form.pos(), work.topLeft() + QPoint(7, 120));

  form.SetSticky(true);
  DragFrameTo(work.topLeft() + QPoint(7, 120));
  EXPECT_EQ(form.pos(), work.topLeft() + QPoint(0, 120));

  // Moves after the button is up do not drag.
  const QPoint before = form.pos();
  Mouse(QEvent::MouseMove, Qt::NoButton, before + QPoint(100, 100));
  EXPECT_EQ(form.pos(), before);
}

TEST_F(GraphFormTest, RightPressAsksForTheMenuAtTheCursor) {
  std::vector<QPoint> menu;
  QObject::connect(&form, &TGraphForm::menuRequested, [&](const QPoint& at) { menu.push_back(at); });
  const QPoint at = form.pos() + QPoint(30, 20);
  Mouse(QEvent::MouseButtonPress, Qt::RightButton, at);
  ASSERT_EQ(menu.size(), 1u);
  EXPECT_EQ(menu[0], at);
  // A press on the graph reaches the window too.
  Mouse(QEvent::MouseButtonPress, Qt::RightButton, form.Graph().mapToGlobal(QPoint(5, 5)), &form.Graph());
  EXPECT_EQ(menu.size(), 2u);
}

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
  EXPECT_EQ(SteppedTransparency(5, -TransparencyKeyStep), 0);
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

  // Toggling is refused while opacity is off, and the stored choice stays.
  settings.EnableTransparent = false;
  EXPECT_FALSE(ToggleClickThrough(settings));
  EXPECT_TRUE(settings.EnableClickThrough);
}

TEST(GraphFormRulesTest, TheFirstStartPlaceIsCentred) {
  EXPECT_EQ(CentredGraphBounds(QSize(1280, 800)), (GraphBounds{495, 343, 290, 114}));
  EXPECT_EQ(CentredGraphBounds(QSize(1366, 769)), (GraphBounds{538, 327, 290, 114}));
}

TEST(GraphSettingsTest, TheSettingsGiveTheGraphItsLookScaleAndWindowOptions) {
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
  settings.LineStep = 3;
  settings.FixedScale = true;
  settings.FixedScaleValue = 5000;
  settings.EnableSmooth = true;
  settings.LeftToRight = true;
  settings.EnableGridAndAxes = false;
  settings.EnableMinuteTicks = true;
  THistogram graph;
  ApplyColourSettings(graph, settings);
  ApplyScaleSettings(graph, settings);
  ApplyWindowGraphSettings(graph, settings);
  EXPECT_EQ(graph.BackColor(), 0x102030u);
  EXPECT_EQ(graph.ColorIn(), 0x0000FFu);
  EXPECT_EQ(graph.ColorOut(), 0x00FF00u);
  EXPECT_EQ(graph.ColorBoth(), 0xFF0000u);
  EXPECT_EQ(graph.TextColor(), 0x404040u);
  EXPECT_EQ(graph.FrameColor(), 0x808000u);
  EXPECT_EQ(graph.TickColor(), Lighten(0x404040, 40));
  EXPECT_FALSE(graph.EnableGradient());
  EXPECT_EQ(graph.GradColor(), 0x123456u);
  EXPECT_EQ(graph.LineType(), TLineType::ltPolyLine);
  EXPECT_EQ(graph.LineStep(), 3);
  EXPECT_EQ(graph.MaxValue(), 5000u);
  EXPECT_TRUE(graph.Smooth());
  EXPECT_TRUE(graph.LeftToRight());
  EXPECT_FALSE(graph.EnableGrid());
  EXPECT_EQ(graph.VertTickPeriod(), 180);

  // Switched off, the fixed scale and the minute ticks leave nothing behind.
  settings.FixedScale = false;
  settings.EnableMinuteTicks = false;
  ApplyScaleSettings(graph, settings);
  ApplyWindowGraphSettings(graph, settings);
  EXPECT_EQ(graph.MaxValue(), 0u);
  EXPECT_EQ(graph.VertTickPeriod(), 0);
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

  EXPECT_EQ(LoadBackImage(true, bitmap).size(), QSize(12, 7));
  EXPECT_TRUE(LoadBackImage(false, bitmap).isNull());
  EXPECT_TRUE(LoadBackImage(true, png).isNull());
  EXPECT_TRUE(LoadBackImage(true, folder.filePath(QStringLiteral("missing.bmp"))).isNull());
  EXPECT_TRUE(LoadBackImage(true, folder.path()).isNull());
  EXPECT_TRUE(LoadBackImage(true, QString()).isNull());
}

}  // namespace
}  // namespace meterly
