#pragma once

#include "reports/report_query.h"
#include "store/sqlite_db.h"

#include <QHash>
#include <QString>

#include <array>
#include <cstddef>
#include <vector>

namespace meterly {

// Received, sent and dial-up seconds of the rows with one key.
template <typename KeyType>
struct KeySums {
  KeyType Key{};
  std::array<qint64, 3> Values{};
};

// Sums a query's rows per key in one pass (the key read by readKey, the three amounts in the
// columns 1 to 3), in the order the keys first come. Done here rather than with GROUP BY, for
// which SQLite sorts or looks up again every row of the table. As SQLite's SUM does, a total
// beyond 64 bits fails rather than wraps.
template <typename KeyType, typename ReadKey>
std::vector<KeySums<KeyType>> SumsByKey(TSQLiteDB& db, const QString& sql, ReadKey readKey) {
  std::vector<KeySums<KeyType>> sums;
  QHash<KeyType, std::size_t> places;
  TSQLiteDB::LockGuard lock(db);
  ForEachRow(db, sql, [&] {
    const KeyType key = readKey();
    const auto place = places.constFind(key);
    const std::size_t at = place != places.constEnd() ? *place : sums.size();
    if (at == sums.size()) {
      places.insert(key, at);
      sums.push_back({key, {}});
    }
    std::array<qint64, 3>& values = sums[at].Values;
    for (std::size_t i = 0; i < values.size(); ++i) {
      if (__builtin_add_overflow(values[i], db.ColumnInt64(static_cast<int>(i) + 1), &values[i]))
        throw SQLiteException(QStringLiteral("integer overflow"));
    }
  });
  return sums;
}

}  // namespace meterly
