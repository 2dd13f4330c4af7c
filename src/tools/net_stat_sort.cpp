#include "tools/net_stat_sort.h"

#include "tools/net_stat_texts.h"

#include <QCollator>

#include <algorithm>
#include <numeric>

namespace meterly {
namespace {

enum Column { ApplicationColumn, ProtocolColumn, LocalColumn, RemoteColumn, StateColumn };

QString CellText(const TNetStatRow& row, int column) {
  switch (column) {
    case ApplicationColumn:
      return row.Caption;
    case ProtocolColumn:
      return row.Protocol;
    case LocalColumn:
      return row.LocalAddress;
    case RemoteColumn:
      return row.RemoteAddress;
    default:
      return row.State;
  }
}

QString AddressKey(const TNetStatRow& row, int column) {
  if (column == LocalColumn) return EndpointSortKey(row.Socket.local);
  if (row.Socket.protocol == platform::SocketProtocol::Udp) return UdpRemoteSortKey();
  return EndpointSortKey(row.Socket.remote);
}

// Sorts the rows by precomputed keys, each compared by `less`.
template <typename Key, typename Less>
void SortByKeys(std::vector<TNetStatRow>& rows, const std::vector<Key>& keys, bool ascending, Less less) {
  std::vector<size_t> order(rows.size());
  std::iota(order.begin(), order.end(), size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&](size_t a, size_t b) { return ascending ? less(keys[a], keys[b]) : less(keys[b], keys[a]); });
  std::vector<TNetStatRow> sorted;
  sorted.reserve(rows.size());
  for (size_t index : order) sorted.push_back(std::move(rows[index]));
  rows = std::move(sorted);
}

}  // namespace

void TNetStatSort::Click(int column) {
  if (column == Column) {
    Ascending = !Ascending;
    return;
  }
  Column = column;
  Ascending = true;
}

void SortNetStatRows(std::vector<TNetStatRow>& rows, const TNetStatSort& sort, bool resolved) {
  if (!resolved && (sort.Column == LocalColumn || sort.Column == RemoteColumn)) {
    std::vector<QString> keys;
    keys.reserve(rows.size());
    for (const TNetStatRow& row : rows) keys.push_back(AddressKey(row, sort.Column));
    SortByKeys(rows, keys, sort.Ascending, [](const QString& a, const QString& b) { return a < b; });
    return;
  }
  QCollator collator;
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  std::vector<QCollatorSortKey> keys;
  keys.reserve(rows.size());
  for (const TNetStatRow& row : rows) keys.push_back(collator.sortKey(CellText(row, sort.Column)));
  SortByKeys(rows, keys, sort.Ascending,
             [](const QCollatorSortKey& a, const QCollatorSortKey& b) { return a.compare(b) < 0; });
}

}  // namespace meterly
