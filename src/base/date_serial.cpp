#include "base/date_serial.h"

#include <cmath>

namespace meterly {

namespace {

constexpr double kMsPerDay = 86400000.0;
// 1 January 100 and 31 December 9999: the range a stored serial may sensibly hold.
constexpr double kFirstSerial = -657434.0;
constexpr double kLastSerial = 2958465.0;

QDate Epoch() { return QDate(1899, 12, 30); }

}  // namespace

qint32 DateToDaySerial(QDate date) { return static_cast<qint32>(Epoch().daysTo(date)); }

QDate DaySerialToDate(qint32 serial) { return Epoch().addDays(serial); }

double DateTimeToSerial(const QDateTime& moment) {
  const double days = DateToDaySerial(moment.date());
  return days + moment.time().msecsSinceStartOfDay() / kMsPerDay;
}

QDateTime SerialToDateTime(double serial) {
  if (!std::isfinite(serial) || serial < kFirstSerial || serial >= kLastSerial + 1) {
    return QDateTime(Epoch(), QTime(0, 0));
  }
  const double wholeDays = std::floor(serial);
  const auto ms = static_cast<int>(std::llround((serial - wholeDays) * kMsPerDay));
  const QDate day = DaySerialToDate(static_cast<qint32>(wholeDays));
  if (ms >= 86400000) return QDateTime(day.addDays(1), QTime(0, 0));
  return QDateTime(day, QTime::fromMSecsSinceStartOfDay(ms));
}

}  // namespace meterly
