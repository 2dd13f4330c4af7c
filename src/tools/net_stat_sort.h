#pragma once

#include "tools/net_stat_rows.h"

#include <vector>

namespace meterly {

// The list's order: a column and a direction.
struct TNetStatSort {
  int Column = 0;
  bool Ascending = true;

  // A click on the header: the current column turns round, another one becomes the column,
  // ascending.
  void Click(int column);
};

// Sorts by the text of the sort column, case-insensitively in the user's locale. The address
// columns without resolving sort by their numbers instead (IPv4 before IPv6, then the port).
// Rows with equal texts keep their order.
void SortNetStatRows(std::vector<TNetStatRow>& rows, const TNetStatSort& sort, bool resolved);

}  // namespace meterly
