#pragma once

#include <QDate>
#include <QDateTime>

namespace meterly {

// Calendar days and moments as serial numbers counted from 30 December 1899, the form in
// which days are keyed in the usage record and moments are kept in the settings.
// Day serial 36526 is 1 January 2000; the fraction of a date-time serial is the time of day.

qint32 DateToDaySerial(QDate date);
QDate DaySerialToDate(qint32 serial);

// Local date-time <-> days since 1899-12-30 00:00, to the millisecond.
double DateTimeToSerial(const QDateTime& moment);
QDateTime SerialToDateTime(double serial);

}  // namespace meterly
