#include "alerts/quota_overuse_check.h"

#include "alerts/quota.h"
#include "alerts/timed_message_with_remind_option.h"
#include "base/date_serial.h"
#include "core/settings.h"
#include "platform/clock.h"

namespace meterly {

QuotaOveruseCheck::QuotaOveruseCheck(Settings& settings, TQuotaSetup& quota, platform::Clock& clock,
                                     std::function<bool()> anyTimedMessageOpen, RemindWindowFactory openRemindWindow,
                                     std::function<void()> saveSettings)
    : settings_(settings),
      quota_(quota),
      clock_(clock),
      anyTimedMessageOpen_(std::move(anyTimedMessageOpen)),
      openRemindWindow_(std::move(openRemindWindow)),
      saveSettings_(std::move(saveSettings)),
      self_(std::make_shared<QuotaOveruseCheck*>(this)) {}

QuotaOveruseCheck::~QuotaOveruseCheck() = default;

QString QuotaOveruseCheck::MessageText(int percent) {
  return tr("Your quota has been used up at least %1 percent. Please choose 'Quota' from the popup menu for details.")
      .arg(percent);
}

void QuotaOveruseCheck::CheckQuotaOveruse() {
  if (DateTimeToSerial(clock_.Now()) <= settings_.Quota.QuotaNextNotify) return;
  if (!quota_.IsUsedUp(settings_.QuotaOverusePercentage)) return;
  if (anyTimedMessageOpen_()) return;

  std::weak_ptr<QuotaOveruseCheck*> check = self_;
  openRemindWindow_(MessageText(settings_.QuotaOverusePercentage), MessageSeconds, [check](int choice) {
    if (const auto alive = check.lock()) (*alive)->ApplyRemindChoice(choice);
  });
}

void QuotaOveruseCheck::ApplyRemindChoice(int choice) {
  const double now = DateTimeToSerial(clock_.Now());
  settings_.Quota.QuotaNextNotify = RemindNextNotify(choice, now, quota_.GetPeriod().Last);
  saveSettings_();
}

QuotaOveruseCheck::RemindWindowFactory RemindWindowOpener(platform::PowerService& power) {
  return [&power](const QString& text, int seconds, std::function<void(int)> remindChosen) {
    auto* window = new TTimedMessageWithRemindOptionForm(power, false, text, seconds);
    QObject::connect(window, &TTimedMessageWithRemindOptionForm::RemindChosen, window, std::move(remindChosen));
    window->show();
  };
}

}  // namespace meterly
