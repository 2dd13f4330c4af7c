#include "alerts/timed_message_with_remind_option.h"

#include "base/assertion.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QVBoxLayout>

#include <array>

namespace meterly {

namespace {

constexpr double kHour = 1.0 / 24;
// Days added by the choices before the last one.
constexpr std::array<double, 4> kRemindSpans{kHour, 1, 3, 7};
constexpr double kLastMsOfDay = 86399999.0 / 86400000.0;

}  // namespace

const QStringList& RemindChoiceTexts() {
  // Translated where they are shown.
  static const QStringList texts{
      QStringLiteral(QT_TRANSLATE_NOOP("meterly::TTimedMessageWithRemindOptionForm", "一小时")),
      QStringLiteral(QT_TRANSLATE_NOOP("meterly::TTimedMessageWithRemindOptionForm", "一天")),
      QStringLiteral(QT_TRANSLATE_NOOP("meterly::TTimedMessageWithRemindOptionForm", "三天")),
      QStringLiteral(QT_TRANSLATE_NOOP("meterly::TTimedMessageWithRemindOptionForm", "一周")),
      QStringLiteral(QT_TRANSLATE_NOOP("meterly::TTimedMessageWithRemindOptionForm", "在此周期不实行"))};
  return texts;
}

double RemindNextNotify(int choice, double now, qint32 periodLast) {
  METERLY_ASSERT(choice >= 0 && choice < RemindChoiceTexts().size(), "TimedMessageWithRemindOption",
                 "Unknown remind choice");
  if (choice < static_cast<int>(kRemindSpans.size())) return now + kRemindSpans[static_cast<size_t>(choice)];
  return periodLast + kLastMsOfDay;
}

TTimedMessageWithRemindOptionForm::TTimedMessageWithRemindOptionForm(platform::PowerService& power, bool shutdown,
                                                                     const QString& text, int seconds, QWidget* parent)
    : TTimedMessageForm(power, shutdown, text, seconds, parent) {
  RemindMeGroupBox = new QGroupBox(tr("Remind me again"), this);
  RemindMeComboBox = new QComboBox(RemindMeGroupBox);
  for (const QString& choice : RemindChoiceTexts()) RemindMeComboBox->addItem(tr(choice.toUtf8().constData()));
  RemindMeComboBox->setCurrentIndex(0);
  auto* layout = new QVBoxLayout(RemindMeGroupBox);
  layout->addWidget(RemindMeComboBox);
  OptionsLayout().addWidget(RemindMeGroupBox);
}

void TTimedMessageWithRemindOptionForm::closeEvent(QCloseEvent* event) {
  TTimedMessageForm::closeEvent(event);
  if (reported_) return;
  reported_ = true;
  Q_EMIT RemindChosen(RemindMeComboBox->currentIndex());
}

}  // namespace meterly
