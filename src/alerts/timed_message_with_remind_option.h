#pragma once

#include "alerts/timed_message.h"

#include <QStringList>

class QComboBox;
class QGroupBox;

namespace meterly {

// The items of the remind list, in order: in one hour, one day, three days, one week, and not
// before the next period.
const QStringList& RemindChoiceTexts();

// The moment (a date-time serial) before which the overuse message is not shown again, for a
// remind choice made at `now` (a date-time serial) in a period whose last day is `periodLast`:
// now plus the chosen span, or the end of the period's last day (23:59:59.999). A choice outside
// the list fails the consistency check of "TimedMessageWithRemindOption".
double RemindNextNotify(int choice, double now, qint32 periodLast);

// The timed message with a choice of when to be reminded again. However it closes (OK, Cancel,
// the end of the countdown, the close box) it reports the chosen item once, through RemindChosen.
class TTimedMessageWithRemindOptionForm : public TTimedMessageForm {
  Q_OBJECT

 public:
  TTimedMessageWithRemindOptionForm(platform::PowerService& power, bool shutdown, const QString& text, int seconds,
                                    QWidget* parent = nullptr);

  QGroupBox* RemindMeGroupBox;
  QComboBox* RemindMeComboBox;

 Q_SIGNALS:
  void RemindChosen(int choice);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  bool reported_ = false;
};

}  // namespace meterly
