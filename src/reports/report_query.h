#pragma once

#include "store/sqlite_db.h"

#include <functional>

namespace meterly {

// Runs the query and hands every row to the reader, which takes its columns from the database;
// the query is freed on every path. The caller holds the lock. Raises SQLiteException.
void ForEachRow(TSQLiteDB& db, const QString& sql, const std::function<void()>& readRow);

}  // namespace meterly
