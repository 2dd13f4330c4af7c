#pragma once

#include "core/quota_period.h"
#include "reports/day_usage.h"
#include "store/disk_db.h"

#include <optional>

namespace meterly {

struct Settings;

// The days a report covers: every recorded day, or the days first ... last.
using ReportDays = std::optional<DayRange>;

// The SQL of the rows that make the per-day totals (DAY, DATA_IN, DATA_OUT, DIALUP_DURATION) for
// a user (or all users), the hours the settings' HoursShown keeps and the days; without an hours
// filter it reads the given table of day totals.
QString DailyDataQuery(const UserFilter& user, const Settings& settings, const ReportDays& days,
                       const QString& dailyTable = QStringLiteral("usage"));

// Per-day totals, oldest day first. Today's amounts not yet written are added to today's row
// when it exists and they belong to the selection (the user, the hours kept). Takes the
// database lock; raises SQLiteException. A HoursShown outside 0 to 2 fails the consistency
// check of "totals".
TDailyData LoadDailyData(TDiskDB& db, const UserFilter& user, const Settings& settings, const ReportDays& days = {});

}  // namespace meterly
