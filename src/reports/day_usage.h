#pragma once

#include <QtGlobal>

#include <vector>

namespace meterly {

// The amounts of one day of the usage record, summed over the hours and users a report selects.
struct TDayUsage {
  qint32 Day = 0;  // day serial
  qint64 DataIn = 0;
  qint64 DataOut = 0;
  quint32 Dialup = 0;  // seconds

  friend bool operator==(const TDayUsage&, const TDayUsage&) = default;
};

// Oldest day first.
using TDailyData = std::vector<TDayUsage>;

}  // namespace meterly
