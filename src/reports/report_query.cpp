#include "reports/report_query.h"

namespace meterly {

void ForEachRow(TSQLiteDB& db, const QString& sql, const std::function<void()>& readRow) {
  db.OpenQuery(sql);
  try {
    while (db.Next()) readRow();
  } catch (...) {
    try {
      db.FreeQuery();
    } catch (...) {
      // The first failure is the one worth reporting.
    }
    throw;
  }
  db.FreeQuery();
}

}  // namespace meterly
