#include "core/quota_period.h"

#include "base/assertion.h"
#include "base/date_serial.h"
#include "core/settings.h"

#include <QDate>

#include <algorithm>

namespace meterly {

namespace {

constexpr int kMonday = 1;
constexpr int kSunday = 7;
constexpr int kLastMonthDay = 31;

DayRange WeekContaining(qint32 date, quint8 weekStartsOn) {
  const int startDay = (weekStartsOn >= kMonday && weekStartsOn <= kSunday) ? weekStartsOn : kMonday;
  const int weekday = DaySerialToDate(date).dayOfWeek();
  const qint32 monday = date - (weekday - kMonday);
  const qint32 first = startDay > weekday ? monday - 7 + (startDay - kMonday) : monday + (startDay - kMonday);
  return {first, first + 6};
}

// The day on which a period starts in the month of `anyDay`: the start day, or the month's last
// day when the month is shorter.
QDate StartInMonthOf(QDate anyDay, int startsOn) {
  return QDate(anyDay.year(), anyDay.month(), std::min(startsOn, anyDay.daysInMonth()));
}

DayRange MonthContaining(qint32 date, quint8 monthStartsOn) {
  const int startsOn = std::clamp<int>(monthStartsOn, 1, kLastMonthDay);
  const QDate day = DaySerialToDate(date);
  QDate first = StartInMonthOf(day, startsOn);
  if (day < first) first = StartInMonthOf(QDate(day.year(), day.month(), 1).addMonths(-1), startsOn);
  const QDate nextStart = StartInMonthOf(QDate(first.year(), first.month(), 1).addMonths(1), startsOn);
  return {DateToDaySerial(first), DateToDaySerial(nextStart) - 1};
}

}  // namespace

DayRange GetPeriod(quint8 quotaType, qint32 date, quint8 weekStartsOn, quint8 monthStartsOn, qint32 today) {
  METERLY_ASSERT(date >= 0, "Quota", "GetPeriod: the date is negative");
  if (date == 0) date = today;
  switch (quotaType) {
    case QuotaPeriod::Weekly:
      return WeekContaining(date, weekStartsOn);
    case QuotaPeriod::Monthly:
      return MonthContaining(date, monthStartsOn);
    default:
      return {date, date};
  }
}

DayRange GetPeriod(quint8 quotaType, qint32 date, const Settings& settings, qint32 today) {
  return GetPeriod(quotaType, date, settings.WeekStartsOn, settings.MonthStartsOn, today);
}

}  // namespace meterly
