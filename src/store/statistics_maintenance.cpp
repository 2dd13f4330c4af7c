#include "store/statistics_maintenance.h"

#include "store/day_totals_table.h"

#include <QStringList>

#include <charconv>
#include <iterator>

namespace meterly {

namespace {

// Rows per INSERT statement: one statement per row would spend most of a restore parsing SQL.
constexpr std::size_t kRowsPerInsert = 500;

void AppendValues(QString& sql, const TUsageRow& row) {
  const auto number = [&sql](qint64 value) {
    char digits[24];
    const auto end = std::to_chars(std::begin(digits), std::end(digits), value).ptr;
    sql += QLatin1StringView(digits, end - digits);
  };
  sql += QLatin1Char('(');
  sql += QuotedSQL(row.User);
  for (const qint64 value : {qint64{row.Day}, qint64{row.Hour}, row.DataIn, row.DataOut, row.Dialup}) {
    sql += QLatin1Char(',');
    number(value);
  }
  sql += QLatin1Char(')');
}

void InsertUsageRows(TDiskDB& db, const std::vector<TUsageRow>& rows) {
  QString sql;
  for (std::size_t first = 0; first < rows.size(); first += kRowsPerInsert) {
    sql = QStringLiteral("INSERT INTO usage (USER_NAME, DAY, HOUR, DATA_IN, DATA_OUT, DIALUP_DURATION) VALUES ");
    for (std::size_t i = first; i < rows.size() && i < first + kRowsPerInsert; ++i) {
      if (i != first) sql += QLatin1Char(',');
      AppendValues(sql, rows[i]);
    }
    sql += QStringLiteral(
        " ON CONFLICT (USER_NAME, DAY, HOUR) DO UPDATE SET DATA_IN = DATA_IN + excluded.DATA_IN, "
        "DATA_OUT = DATA_OUT + excluded.DATA_OUT, DIALUP_DURATION = DIALUP_DURATION + excluded.DIALUP_DURATION");
    db.ExecSQL(sql);
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
