#include "reports/row_sorting.h"

#include <limits>

namespace meterly {

namespace {

// Received plus sent, held at the greatest value instead of wrapping.
qint64 TotalOf(qint64 in, qint64 out) {
  qint64 sum = 0;
  if (__builtin_add_overflow(in, out, &sum)) {
    return out > 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
  }
  return sum;
}

}  // namespace

void TSortState::HeaderClicked(int column) {
  const int current = state_ == 0 ? 1 : state_;
  state_ = (current == column || current == -column) ? -current : column;
}

std::strong_ordering CompareHolders(const TDataHolder& a, const TDataHolder& b, int column) {
  switch (column) {
    case 2:
      return a.DataIn <=> b.DataIn;
    case 3:
      return a.DataOut <=> b.DataOut;
    case 4:
      return TotalOf(a.DataIn, a.DataOut) <=> TotalOf(b.DataIn, b.DataOut);
    case 5:
      return a.Dialup <=> b.Dialup;
    default:
      return a.Key <=> b.Key;
  }
}

std::strong_ordering CompareHourlyRecords(const THourlyRecord& a, const THourlyRecord& b, int column) {
  switch (column) {
    case 2:
      return a.Hour <=> b.Hour;
    case 3:
      return a.AvgIn <=> b.AvgIn;
    case 4:
      return a.AvgOut <=> b.AvgOut;
    case 5:
      return a.DataIn <=> b.DataIn;
    case 6:
      return a.DataOut <=> b.DataOut;
    default:
      return a.Day <=> b.Day;
  }
}

}  // namespace meterly
