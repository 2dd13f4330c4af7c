#pragma once

#include <QString>

#include <functional>

namespace meterly {

class TSQLiteDB;

// The usage of each user and day, summed from the hourly rows and kept equal to them by
// triggers in the file itself, whoever writes it. Reports over many years read it instead of
// summing every hour again (ten years of five users are 438,000 hourly rows but 18,000 days).
namespace DayTotalsTable {

inline const QString Name = QStringLiteral("usage_days");

// Creates the table and its triggers and fills it from the hourly rows, when the file has none
// yet; inside the caller's transaction.
void Ensure(TSQLiteDB& db);

// Runs a change of many hourly rows (a reset, a restore) without the triggers, which cost more
// per row than summing all days again afterwards; inside the caller's transaction.
void ChangeInBulk(TSQLiteDB& db, const std::function<void()>& change);

// Whether the file has the table (a file opened for reading only may not have it yet).
bool Exists(TSQLiteDB& db);

}  // namespace DayTotalsTable

}  // namespace meterly
