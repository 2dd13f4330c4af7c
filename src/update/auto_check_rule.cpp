#include "update/auto_check_rule.h"

#include "base/date_serial.h"

namespace meterly {

bool AutoCheckDue(qint32 lastAutoCheckDate, const QDateTime& now) {
  if (lastAutoCheckDate > DateToDaySerial(now.date())) return true;
  return DateTimeToSerial(now) - lastAutoCheckDate >= kAutoCheckIntervalDays;
}

}  // namespace meterly
