#include "store/statistics_maintenance.h"

#include "store/day_totals_table.h"

#include <QStringList>

namespace meterly {

namespace {

// Rows per INSERT statement: one statement per row would spend most of a restore parsing SQL.
constexpr std::size_t kRowsPerInsert = 500;

QString ValuesOf(const TUsageRow& row) {
  return QStringLiteral("(%1,%2,%3,%4,%5,%6)")
      .arg(QuotedSQL(row.User), QString::number(row.Day), QString::number(row.Hour), QString::number(row.DataIn),
           QString::number(row.DataOut), QString::number(row.Dialup));
}

void InsertUsageRows(TDiskDB& db, const std::vector<TUsageRow>& rows) {
  for (std::size_t first = 0; first < rows.size(); first += kRowsPerInsert) {
    QStringList values;
    for (std::size_t i = first; i < rows.size() && i < first + kRowsPerInsert; ++i) values.append(ValuesOf(rows[i]));
    db.ExecSQL(QStringLiteral("INSERT INTO usage (USER_NAME, DAY, HOUR, DATA_IN, DATA_OUT, DIALUP_DURATION) VALUES ") +
               values.join(QLatin1Char(',')) +
               QStringLiteral(" ON CONFLICT (USER_NAME, DAY, HOUR) DO UPDATE SET DATA_IN = DATA_IN + excluded.DATA_IN, "
                              "DATA_OUT = DATA_OUT + excluded.DATA_OUT, DIALUP_DURATION = DIALUP_DURATION + "
                              "excluded.DIALUP_DURATION"));
  }
}

}  // namespace

void ResetStatistics(TDiskDB& db, const UserFilter& user) {
  TSQLiteDB::LockGuard lock(db);
  db.RunInTransaction([&] {
    DayTotalsTable::ChangeInBulk(db, [&] {
      if (user) {
        db.ExecSQL(QStringLiteral("DELETE FROM usage WHERE USER_NAME = ") + QuotedSQL(*user));
      } else {
        db.ExecSQL(QStringLiteral("DELETE FROM usage"));
        db.ExecSQL(QStringLiteral("DELETE FROM dialup"));
      }
    });
  });
  if (!user || *user == db.GetCurrentUserName()) db.ClearPending();
  db.RefreshPeriodTotals();
}

void ReplaceStatistics(TDiskDB& db, const std::vector<TUsageRow>& rows,
                       const std::optional<std::vector<TRasItem>>& sessions) {
  TSQLiteDB::LockGuard lock(db);
  db.RunInTransaction([&] {
    DayTotalsTable::ChangeInBulk(db, [&] {
      db.ExecSQL(QStringLiteral("DELETE FROM usage"));
      InsertUsageRows(db, rows);
    });
    if (!sessions) return;
    db.ExecSQL(QStringLiteral("DELETE FROM dialup"));
    for (const TRasItem& session : *sessions) db.AddDialupSession(session);
  });
  db.ClearPending();
  db.RefreshPeriodTotals();
}

}  // namespace meterly
