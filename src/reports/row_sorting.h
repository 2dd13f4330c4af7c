#pragma once

#include "reports/report_rows.h"

#include <QtGlobal>

#include <compare>

namespace meterly {

// The sort state of a report list: a signed column number counted from 1, negative for
// descending; 0 means the rows keep the order in which they were added.
class TSortState {
 public:
  // A click on the header of the column (counted from 1): sorts by it ascending, or turns the
  // direction when it already sorts by it. Until the first click the state counts as 1.
  void HeaderClicked(int column);

  int Value() const { return state_; }
  bool Sorted() const { return state_ != 0; }
  int Column() const { return state_ < 0 ? -state_ : (state_ == 0 ? 1 : state_); }
  bool Descending() const { return state_ < 0; }

  // Orders two compared values in the direction of the state.
  bool Before(std::strong_ordering order) const { return Descending() ? order > 0 : order < 0; }

 private:
  int state_ = 0;
};

// Three-way comparisons of two rows by a column (counted from 1), on their numbers: a byte
// amount of the totals row never wraps, whatever the other values.
std::strong_ordering CompareHolders(const TDataHolder& a, const TDataHolder& b, int column);
std::strong_ordering CompareHourlyRecords(const THourlyRecord& a, const THourlyRecord& b, int column);

}  // namespace meterly
