#include "alerts/traffic_notification.h"

#include "alerts/notify_condition.h"
#include "alerts/timed_message.h"
#include "core/conversion.h"
#include "core/settings.h"
#include "core/settings_mapping.h"
#include "platform/shell.h"
#include "platform/sound.h"

#include <QFileInfo>

#include <limits>

namespace meterly {

namespace {

constexpr int kSecondsPerMinute = 60;
constexpr int kLastShellError = 32;

qint64 Signed(quint64 bytes) {
  constexpr qint64 kMost = std::numeric_limits<qint64>::max();
  return bytes > static_cast<quint64>(kMost) ? kMost : static_cast<qint64>(bytes);
}

void OpenTimedMessage(platform::PowerService& power, bool shutdown, const QString& text, int seconds) {
  auto* window = new TTimedMessageForm(power, shutdown, text, seconds);
  window->show();
}

}  // namespace

TTrafficNotification::TTrafficNotification(const Settings& settings, platform::SoundService& sound,
                                           platform::Shell& shell, platform::PowerService& power, Hooks hooks)
    : settings_(settings), sound_(sound), shell_(shell), power_(power), hooks_(std::move(hooks)) {}

void TTrafficNotification::NotificationStep(quint32 in, quint32 out) {
  ++block_.TickCount;
  block_.ReceivedInBlock += in;
  block_.SentInBlock += out;
  if (block_.TickCount >= qint32{settings_.NotifyTimeMin} * kSecondsPerMinute) EndBlock();
}

void TTrafficNotification::EndBlock() {
  const qint64 threshold = NotifyThreshold(settings_.NotifyConditionAmountMb);
  // The block starts again whatever the actions do.
  const NotificationBlock ended = block_;
  try {
    if (NotifyConditionHolds(settings_.NotifyCondition, Signed(ended.ReceivedInBlock), Signed(ended.SentInBlock),
                             threshold)) {
      FireNotification();
    } else if ((settings_.NotifyActions & NotifyAction::ShowGraph) != 0) {
      Run(hooks_.HideGraph);
    }
  } catch (...) {
    RestartBlock();
    throw;
  }
  RestartBlock();
}

QString TTrafficNotification::MessageText() const {
  return tr("Within the last %1 minutes there was %2 than %3 of data: received %4, sent %5")
      .arg(settings_.NotifyTimeMin)
      .arg(NotifyConditionText(settings_.NotifyCondition),
           FormatVolume(false, NotifyThreshold(settings_.NotifyConditionAmountMb), settings_),
           FormatVolume(false, Signed(block_.ReceivedInBlock), settings_),
           FormatVolume(false, Signed(block_.SentInBlock), settings_));
}

void TTrafficNotification::FireNotification() {
  const QString message = MessageText();
  const quint8 actions = settings_.NotifyActions;
  if ((actions & NotifyAction::MsgAndSound) != 0) ShowNotification(settings_.NotifySound, message);
  // A failure here is not the user's to see: nobody asked for this very start.
  if ((actions & NotifyAction::ExecProg) != 0) shell_.OpenProgram(settings_.ExecProg, [](int) {});
  if ((actions & NotifyAction::DropDialup) != 0) Run(hooks_.HangUpAllDialup);
  if ((actions & NotifyAction::Shutdown) != 0 && !AnyTimedMessageOpen()) {
    OpenTimedMessage(power_, true, tr("Your computer will be shut down as per your instruction: %1").arg(message),
                     ShutdownSeconds);
  }
  if ((actions & NotifyAction::ShowGraph) != 0) Run(hooks_.ShowGraph);
}

void TTrafficNotification::ShowNotification(const QString& soundFile, const QString& text) {
  if (!soundFile.isEmpty() && QFileInfo(soundFile).isFile()) sound_.PlaySoundFile(soundFile);
  if (!AnyTimedMessageOpen()) OpenTimedMessage(power_, false, text, MessageSeconds);
}

void TTrafficNotification::TestSound(const QString& soundFile) { ShowNotification(soundFile, TestMessageText()); }

void TTrafficNotification::TestProgram(const QString& program,
                                       std::function<void(const QString& message)> reportFailure) {
  shell_.OpenProgram(program, [report = std::move(reportFailure)](int result) {
    if (result <= kLastShellError && report) report(ShellErrorText(result));
  });
}

void TTrafficNotification::Run(const std::function<void()>& hook) {
  if (hook) hook();
}

}  // namespace meterly
