#include "display/graph_form.h"

#include "display/colorref.h"
#include "display/graph_window_rules.h"
#include "display/histogram.h"
#include "support/windows.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>

#include <gtest/gtest.h>

#include <vector>

namespace meterly {
namespace {

constexpr double AlphaStep = 1.0 / 255.0;

class GraphFormTest : public ::testing::Test {
 protected:
  GraphFormTest() : form(MakeSettings(settings)) {}

  static Settings& MakeSettings(Settings& s) {
    s.GraphWindow = {40, 50, 300, 120};
    s.ColorBack = 0x203040;
    s.TransparentValue = 50;
    return s;
  }

  void PressKey(int key, Qt::KeyboardModifiers modifiers) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(&form, &press);
  }

  void Mouse(QEvent::Type type, Qt::MouseButton button, const QPoint& global) {
    const QPointF local = form.mapFromGlobal(global);
    QMouseEvent event(type, local, local, global, button, type == QEvent::MouseButtonRelease ? Qt::NoButton : button,
                      Qt::NoModifier);
    QApplication::sendEvent(&form, &event);
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

TEST_F(GraphFormTest, CreatedAsAToolWindowFilledByItsGraph) {
  EXPECT_EQ(form.parentWidget(), nullptr);
  EXPECT_TRUE(form.windowFlags().testFlag(Qt::Tool));
  EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));  // StayOnTop defaults to true
  EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowTitleHint));
  EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowTransparentForInput));
  EXPECT_EQ(form.Bounds(), (GraphBounds{40, 50, 300, 120}));
  EXPECT_EQ(form.Graph().LabelIn(), QStringLiteral("D"));
  EXPECT_EQ(form.Graph().LabelOut(), QStringLiteral("U"));
  EXPECT_EQ(form.Graph().BackColor(), 0x203040u);
  EXPECT_FALSE(form.isVisible());
  EXPECT_FALSE(form.GraphVisible());

  form.show();
  EXPECT_EQ(form.Graph().geometry(), form.rect());
  form.SetBounds({60, 70, 200, 90});
  QApplication::processEvents();
  EXPECT_EQ(form.Graph().geometry(), form.rect());
  EXPECT_EQ(form.Bounds(), (GraphBounds{60, 70, 200, 90}));

  form.AddSample(1234, 56);
  EXPECT_EQ(form.Graph().SeriesIn()[0], 1234u);
  EXPECT_EQ(form.Graph().SeriesOut()[0], 56u);
}

TEST_F(GraphFormTest, OpacityAndTheKeypadKeys) {
  form.show();
  // Without opacity the keys do nothing.
  PressKey(Qt::Key_Minus, Qt::KeypadModifier);
  EXPECT_EQ(settings.TransparentValue, 50);
  EXPECT_DOUBLE_EQ(form.windowOpacity(), 1.0);

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

  form.ClearOpacity();
  EXPECT_FALSE(form.AlphaBlend());
  EXPECT_DOUBLE_EQ(form.windowOpacity(), 1.0);
  PressKey(Qt::Key_Plus, Qt::KeypadModifier);
  EXPECT_EQ(settings.TransparentValue, 60);
}

TEST_F(GraphFormTest, WindowStylesChangeWithoutLosingTheShownWindow) {
  form.show();
  form.SetOpacity(100);
  form.SetClickThrough(true);
  EXPECT_TRUE(form.ClickThrough());
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
  form.show();
  EXPECT_TRUE(form.GraphVisible());
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

  // The user took over a window a notification showed.
  form.hide();
  form.ShowNoActivate();
  form.ClearNotificationOrigin();
  form.HideNotificationWindow();
  EXPECT_TRUE(form.isVisible());
}

TEST_F(GraphFormTest, DraggedByItsBodyAndSnappedWhenSticky) {
  form.show();
  const QRect work = form.screen()->availableGeometry();
  DragFrameTo(work.topLeft() + QPoint(7, 120));
  EXPECT_EQ(form.pos(), work.topLeft() + QPoint(7, 120));

  form.SetSticky(true);
  DragFrameTo(work.topLeft() + QPoint(7, 120));
  EXPECT_EQ(form.pos(), work.topLeft() + QPoint(0, 120));
  DragFrameTo(work.topLeft() + QPoint(150, 11));
  EXPECT_EQ(form.pos(), work.topLeft() + QPoint(150, 11));
  const QPoint nearBottomRight(work.x() + work.width() - form.frameGeometry().width() - 4,
                               work.y() + work.height() - form.frameGeometry().height() + 9);
  DragFrameTo(nearBottomRight);
  EXPECT_EQ(form.frameGeometry().right(), work.right());
  EXPECT_EQ(form.frameGeometry().bottom(), work.bottom());

  // Moves after the button is up do not drag.
  const QPoint before = form.pos();
  Mouse(QEvent::MouseMove, Qt::NoButton, before + QPoint(100, 100));
  EXPECT_EQ(form.pos(), before);
}

TEST_F(GraphFormTest, RightPressAsksForTheMenuAtTheCursor) {
  form.show();
  std::vector<QPoint> menu;
  QObject::connect(&form, &TGraphForm::menuRequested, [&](const QPoint& at) { menu.push_back(at); });
  const QPoint at = form.pos() + QPoint(30, 20);
  Mouse(QEvent::MouseButtonPress, Qt::RightButton, at);
  ASSERT_EQ(menu.size(), 1u);
  EXPECT_EQ(menu[0], at);
  // A press on the graph reaches the window too.
  const QPointF local(5, 5);
  QMouseEvent press(QEvent::MouseButtonPress, local, local, form.Graph().mapToGlobal(local), Qt::RightButton,
                    Qt::RightButton, Qt::NoModifier);
  QApplication::sendEvent(&form.Graph(), &press);
  EXPECT_EQ(menu.size(), 2u);
}

}  // namespace
}  // namespace meterly
