#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <memory>

namespace meterly {

struct Settings;
class TQuotaSetup;

namespace platform {
class Clock;
class PowerService;
}  // namespace platform

// The overuse message: when the quota is used up to the chosen percentage, a timed window with a
// remind list tells the user so, and the choice made there decides when the message may come
// back. The tick runs the check about once a minute while the message is switched on.
class QuotaOveruseCheck {
  Q_DECLARE_TR_FUNCTIONS(QuotaOveruseCheck)

 public:
  static constexpr int MessageSeconds = 60;

  // Opens the remind window without waiting; `remindChosen` receives the item chosen in its
  // remind list when it closes, however it closes.
  using RemindWindowFactory =
      std::function<void(const QString& text, int seconds, std::function<void(int)> remindChosen)>;

  QuotaOveruseCheck(Settings& settings, TQuotaSetup& quota, platform::Clock& clock,
                    std::function<bool()> anyTimedMessageOpen, RemindWindowFactory openRemindWindow,
                    std::function<void()> saveSettings);
  ~QuotaOveruseCheck();

  QuotaOveruseCheck(const QuotaOveruseCheck&) = delete;
  QuotaOveruseCheck& operator=(const QuotaOveruseCheck&) = delete;

  // Opens the message unless the time for it has not come (QuotaNextNotify), the quota is not
  // used up to QuotaOverusePercentage, or a timed message window is open already.
  void CheckQuotaOveruse();

  // Sets QuotaNextNotify from a remind choice made now, then saves all settings.
  void ApplyRemindChoice(int choice);

  // The message for a threshold.
  static QString MessageText(int percent);

 private:
  Settings& settings_;
  TQuotaSetup& quota_;
  platform::Clock& clock_;
  std::function<bool()> anyTimedMessageOpen_;
  RemindWindowFactory openRemindWindow_;
  std::function<void()> saveSettings_;
  // A window may close after this check is gone (at the end of the process); its choice is
  // then dropped.
  std::shared_ptr<QuotaOveruseCheck*> self_;
};

// The factory of the real remind window: a TTimedMessageWithRemindOptionForm, not a shutdown
// warning, shown at once.
QuotaOveruseCheck::RemindWindowFactory RemindWindowOpener(platform::PowerService& power);

}  // namespace meterly
