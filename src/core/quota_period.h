#pragma once

#include <QtGlobal>

namespace meterly {

struct Settings;

// The kinds of period (QuotaDefinition::QuotaType).
namespace QuotaPeriod {
constexpr quint8 Daily = 0;
constexpr quint8 Weekly = 1;
constexpr quint8 Monthly = 2;
}  // namespace QuotaPeriod

// First and last day serial of a period, both included.
struct DayRange {
  qint32 First = 0;
  qint32 Last = 0;

  friend bool operator==(const DayRange&, const DayRange&) = default;
};

// The period of the given kind that contains the day serial `date` (0 means `today`).
//   weekly:  starts on weekday weekStartsOn (1 Monday ... 7 Sunday); any other value, such as
//            the 0 of a locale that could not tell, starts the week on Monday.
//   monthly: starts on day monthStartsOn of each month (1 ... 31), or on the month's last day
//            when the month is shorter; 0 counts as 1, anything above 31 as 31.
// An unknown kind counts as daily. A negative date fails the consistency check of "Quota".
DayRange GetPeriod(quint8 quotaType, qint32 date, quint8 weekStartsOn, quint8 monthStartsOn, qint32 today);

// The same with the week and month starts of the settings.
DayRange GetPeriod(quint8 quotaType, qint32 date, const Settings& settings, qint32 today);

}  // namespace meterly
