#include "alerts/timed_message.h"

#include "fakes/fake_platform.h"
#include "support/windows.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace meterly {
namespace {

using platform::ExitWindowsFlag::ForceIfHung;
using platform::ExitWindowsFlag::PowerOff;
using platform::ExitWindowsFlag::Reboot;
using platform::ExitWindowsFlag::Shutdown;

using testing_support::RunDeferredDeletes;

class TimedMessageTest : public ::testing::Test {
 protected:
  ~TimedMessageTest() override { testing_support::DeleteTopLevel<TTimedMessageForm>(); }

  QPointer<TTimedMessageForm> Open(bool shutdown, int seconds) {
    auto* window = new TTimedMessageForm(power, shutdown, QStringLiteral("Traffic above 1 MB"), seconds);
    window->show();
    return window;
  }

  static void CountDown(TTimedMessageForm& window, int steps) {
    for (int step = 0; step < steps; ++step) window.TimerTimer();
  }

  fakes::FakePowerService power;
};

TEST_F(TimedMessageTest, TheCountdownShowsTheSecondsGivenFirstAndOneLessEachStep) {
  const QPointer<TTimedMessageForm> window = Open(false, 30);
  EXPECT_EQ(window->ButtonOk->text(), QStringLiteral("确定(&O) (30)"));
  EXPECT_TRUE(window->Timer->isActive());
  EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));

  window->TimerTimer();
  EXPECT_EQ(window->ButtonOk->text(), QStringLiteral("确定(&O) (29)"));
  CountDown(*window, 28);
  EXPECT_EQ(window->ButtonOk->text(), QStringLiteral("确定(&O) (1)"));
  EXPECT_TRUE(window->isVisible());
}

// Every way a window closes frees it; only a shutdown warning's OK or its count reaching 0
// powers off, and a refused power-off closes the window all the same.
TEST_F(TimedMessageTest, EveryWayOfClosingFreesTheWindowAndOnlyAShutdownsOkPowersOff) {
  const struct {
    const char* name;
    std::function<void(TTimedMessageForm&)> closeIt;
    bool powersOffAShutdown;
  } closings[] = {
      {"OK", [](TTimedMessageForm& w) { w.ButtonOk->click(); }, true},
      {"Cancel", [](TTimedMessageForm& w) { w.ButtonCancel->click(); }, false},
      {"close box", [](TTimedMessageForm& w) { w.close(); }, false},
      {"time up", [](TTimedMessageForm& w) { CountDown(w, 60); }, true},
  };
  for (const bool refusing : {false, true}) {
    for (const bool shutdown : {false, true}) {
      for (const auto& closing : closings) {
        SCOPED_TRACE(testing::Message() << closing.name << (shutdown ? ", shutdown" : "")
                                        << (refusing ? ", refused" : ""));
        power.powerOffCalls = 0;
        power.refusing = refusing;
        const QPointer<TTimedMessageForm> window = Open(shutdown, 60);
        closing.closeIt(*window);
        EXPECT_EQ(power.powerOffCalls, shutdown && closing.powersOffAShutdown ? 1 : 0);
        ASSERT_FALSE(window.isNull());
        EXPECT_FALSE(window->isVisible());
        EXPECT_FALSE(window->Timer->isActive());
        RunDeferredDeletes();
        EXPECT_TRUE(window.isNull());
      }
    }
  }
}

TEST_F(TimedMessageTest, OnlyAShutdownOrPowerOffRequestPowersOff) {
  for (const quint32 flags : {Shutdown | PowerOff | ForceIfHung, Shutdown | PowerOff, Shutdown, PowerOff}) {
    fakes::FakePowerService fake;
    EXPECT_TRUE(platform::ExitWindowsWithPrivilege(fake, flags)) << flags;
    EXPECT_EQ(fake.powerOffCalls, 1) << flags;
  }
  // Logging off and restarting are never turned into a power-off.
  for (const quint32 flags : {0u, Reboot, Reboot | Shutdown, Reboot | PowerOff | ForceIfHung}) {
    fakes::FakePowerService fake;
    QString error;
    EXPECT_FALSE(platform::ExitWindowsWithPrivilege(fake, flags, &error)) << flags;
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(fake.powerOffCalls, 0) << flags;
  }
  power.refusing = true;
  QString error;
  EXPECT_FALSE(platform::ExitWindowsWithPrivilege(power, TTimedMessageForm::ShutdownFlags, &error));
  EXPECT_EQ(error, QStringLiteral("Access denied (fake)"));
}

// Whether the label shows pixels of pure red (the glyphs' cores, not their blended edges).
bool ShowsRedText(QLabel& label) {
  const QImage image = label.grab().toImage();
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor pixel = image.pixelColor(x, y);
      if (pixel.red() > 200 && pixel.green() < 60 && pixel.blue() < 60) return true;
    }
  }
  return false;
}

TEST_F(TimedMessageTest, AShutdownWarningsTextIsRed) {
  const QPointer<TTimedMessageForm> warning = Open(true, 60);
  EXPECT_TRUE(ShowsRedText(*warning->LabelInfo));
  const QPointer<TTimedMessageForm> notification = Open(false, 30);
  EXPECT_FALSE(ShowsRedText(*notification->LabelInfo));
}

// That an open timed message counts and a closed one does not, though not yet freed, the
// notification and remind window tests show.
TEST_F(TimedMessageTest, AnyTimedMessageOpenIgnoresOtherWindows) {
  QWidget other;
  other.show();
  EXPECT_FALSE(AnyTimedMessageOpen());
  const QPointer<TTimedMessageForm> window = Open(false, 30);
  EXPECT_TRUE(AnyTimedMessageOpen());
}

}  // namespace
}  // namespace meterly
