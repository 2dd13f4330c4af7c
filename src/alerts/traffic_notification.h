#pragma once

#include <QCoreApplication>
#include <QString>
#include <QtGlobal>

#include <functional>

namespace meterly {

struct Settings;

namespace platform {
class PowerService;
class Shell;
class SoundService;
}  // namespace platform

// What a block of minutes has counted so far; cleared as a whole.
struct NotificationBlock {
  quint64 ReceivedInBlock = 0;
  quint64 SentInBlock = 0;
  qint32 TickCount = 0;
};

// Traffic notifications: the tick hands in every counted second while notifications are on;
// at the end of each block of "NotifyTimeMin" minutes the condition is evaluated and, when it
// holds, the chosen actions run in their order. Firing uses the applied settings
// ("NotifySound", "ExecProg"), never what is being edited in the settings window.
class TTrafficNotification {
  Q_DECLARE_TR_FUNCTIONS(TTrafficNotification)

 public:
  static constexpr int MessageSeconds = 30;
  static constexpr int ShutdownSeconds = 60;

  // What the actions reach outside this folder. A hook left empty does nothing.
  struct Hooks {
    std::function<void()> HangUpAllDialup;
    // Shows the graph window without activating it when it is hidden, noting that a
    // notification showed it.
    std::function<void()> ShowGraph;
    // Hides the graph window if a notification showed it.
    std::function<void()> HideGraph;
  };

  TTrafficNotification(const Settings& settings, platform::SoundService& sound, platform::Shell& shell,
                       platform::PowerService& power, Hooks hooks);

  // One counted second of the current block.
  void NotificationStep(quint32 in, quint32 out);
  // Starts an empty block (the settings were applied).
  void RestartBlock() { block_ = NotificationBlock{}; }
  const NotificationBlock& Block() const { return block_; }

  // Runs the chosen actions for the block that just ended, in order: message and sound, the
  // program, hanging up, the shutdown warning, the graph window.
  void FireNotification();
  // Plays the sound file if there is one, then opens a message window unless a timed message
  // window is open already.
  void ShowNotification(const QString& soundFile, const QString& text);

  // The message of a firing, from the current block.
  QString MessageText() const;

  // The settings page's test buttons, with what is in its choosers: the test message with its
  // sound, and the program, whose failure (a ShellExecute result below 33) reaches
  // reportFailure with its text.
  void TestSound(const QString& soundFile);
  void TestProgram(const QString& program, std::function<void(const QString& message)> reportFailure);

  static QString TestMessageText() { return tr("This is a test notification"); }

 private:
  void EndBlock();
  static void Run(const std::function<void()>& hook);

  const Settings& settings_;
  platform::SoundService& sound_;
  platform::Shell& shell_;
  platform::PowerService& power_;
  Hooks hooks_;
  NotificationBlock block_;
};

}  // namespace meterly
