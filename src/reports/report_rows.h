#pragma once

#include <QtGlobal>

#include <limits>

namespace meterly {

// The values a row of a day-based report sorts by.
struct TDataHolder {
  qint32 Key = 0;  // the day serial of a day row, the first day of a period row
  qint64 DataIn = 0;
  qint64 DataOut = 0;
  quint32 Dialup = 0;

  // The holder of the totals row: it sorts after every other row in ascending order.
  static constexpr TDataHolder Greatest() {
    return {std::numeric_limits<qint32>::max(), std::numeric_limits<qint64>::max(), std::numeric_limits<qint64>::max(),
            std::numeric_limits<quint32>::max()};
  }
};

// One hour of one day of the hourly report.
struct THourlyRecord {
  quint32 AvgIn = 0;  // bytes per second over the hour
  quint32 AvgOut = 0;
  qint64 DataIn = 0;
  qint64 DataOut = 0;
  qint32 Day = 0;
  quint8 Hour = 0;
};

}  // namespace meterly
