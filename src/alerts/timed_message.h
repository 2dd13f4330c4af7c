#pragma once

#include "platform/power.h"

#include <QWidget>

class QCloseEvent;
class QFrame;
class QLabel;
class QPushButton;
class QShowEvent;
class QTimer;
class QVBoxLayout;

namespace meterly {

// The one small always-on-top window through which alerts reach the user: a message, an OK
// button that counts down and a Cancel button. When the count reaches 0 the window performs its
// OK action by itself: it closes, and a shutdown warning first asks the system to power off.
// Callers create it with new and show it without waiting; it frees itself when it closes.
class TTimedMessageForm : public QWidget {
  Q_OBJECT

 public:
  static constexpr int TimerIntervalMs = 1000;
  // The request a shutdown warning makes: shut down, power off, force hung programs (what
  // current systems are asked for).
  static constexpr quint32 ShutdownFlags = platform::ExitWindowsFlag::Shutdown | platform::ExitWindowsFlag::PowerOff |
                                           platform::ExitWindowsFlag::ForceIfHung;

  // A window made with 30 seconds shows 30 at once and acts when the count reaches 0 (at once
  // when made with 0 seconds or fewer). The power service is used only by a shutdown warning.
  TTimedMessageForm(platform::PowerService& power, bool shutdown, const QString& text, int seconds,
                    QWidget* parent = nullptr);

  // One step of the countdown: the timer's handler.
  void TimerTimer();

  int Counter() const { return counter_; }
  bool IsShutdownWarning() const { return shutdown_; }

  QFrame* PanelInfo;
  QLabel* LabelInfo;
  QPushButton* ButtonOk;
  QPushButton* ButtonCancel;
  QTimer* Timer;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

  // Where a descendant adds its controls, between the message and the buttons.
  QVBoxLayout& OptionsLayout() { return *optionsLayout_; }

 private:
  void FormCreate();
  void BuildControls(const QString& text);
  void OkAction();
  void CentreOnScreen();

  platform::PowerService& power_;
  const bool shutdown_;
  qint32 counter_;
  QVBoxLayout* optionsLayout_ = nullptr;
  bool centred_ = false;
};

// Whether a timed message window (of any kind) is open now.
bool AnyTimedMessageOpen();

}  // namespace meterly
