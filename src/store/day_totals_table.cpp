#include "store/day_totals_table.h"

#include "store/sqlite_db.h"

#include <QStringList>

namespace meterly::DayTotalsTable {

namespace {

// Adds (sign "+") or takes away (sign "-") one hourly row, NEW or OLD, from its day. No conflict
// clause: the one of the statement that fires the trigger (INSERT OR REPLACE) would override it.
QString Apply(const char* row, const char* sign) {
  const QString r = QLatin1String(row);
  const QString s = QLatin1String(sign);
  return QStringLiteral(
             "INSERT INTO usage_days SELECT %1.USER_NAME, %1.DAY, 0, 0, 0 WHERE NOT EXISTS "
             "(SELECT 1 FROM usage_days WHERE USER_NAME = %1.USER_NAME AND DAY = %1.DAY); "
             "UPDATE usage_days SET DATA_IN = DATA_IN %2 %1.DATA_IN, DATA_OUT = DATA_OUT %2 %1.DATA_OUT, "
             "DIALUP_DURATION = DIALUP_DURATION %2 %1.DIALUP_DURATION WHERE USER_NAME = %1.USER_NAME AND DAY = "
             "%1.DAY; ")
      .arg(r, s);
}

// A day whose last hourly row went is gone too.
const QString kDropEmptyDay = QStringLiteral(
    "DELETE FROM usage_days WHERE USER_NAME = OLD.USER_NAME AND DAY = OLD.DAY AND NOT EXISTS "
    "(SELECT 1 FROM usage WHERE USER_NAME = OLD.USER_NAME AND DAY = OLD.DAY); ");

}  // namespace

bool Exists(TSQLiteDB& db) {
  return db.FetchFirstRow(
               QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND name = '%1'").arg(Name))
             .value(0) == QStringLiteral("1");
}

namespace {

void DropTriggers(TSQLiteDB& db) {
  for (const char* trigger : {"usage_days_insert", "usage_days_delete", "usage_days_update"}) {
    db.ExecSQL(QStringLiteral("DROP TRIGGER IF EXISTS ") + QLatin1String(trigger));
  }
}

}  // namespace

void ChangeInBulk(TSQLiteDB& db, const std::function<void()>& change) {
  DropTriggers(db);
  db.ExecSQL(QStringLiteral("DROP TABLE IF EXISTS usage_days"));
  change();
  Ensure(db);
}

void Ensure(TSQLiteDB& db) {
  if (Exists(db)) return;
  DropTriggers(db);
  db.ExecSQL(
      QStringLiteral("CREATE TABLE usage_days (USER_NAME VARCHAR(64) NOT NULL, DAY INTEGER NOT NULL, "
                     "DATA_IN BIGINT NOT NULL, DATA_OUT BIGINT NOT NULL, DIALUP_DURATION INTEGER NOT NULL, "
                     "PRIMARY KEY (DAY, USER_NAME))"));
  db.ExecSQL(
      QStringLiteral("INSERT INTO usage_days SELECT USER_NAME, DAY, SUM(DATA_IN), SUM(DATA_OUT), "
                     "SUM(DIALUP_DURATION) FROM usage GROUP BY USER_NAME, DAY"));
  db.ExecSQL(
      QStringLiteral("CREATE TRIGGER usage_days_insert AFTER INSERT ON usage BEGIN %1END").arg(Apply("NEW", "+")));
  db.ExecSQL(QStringLiteral("CREATE TRIGGER usage_days_delete AFTER DELETE ON usage BEGIN %1%2END")
                 .arg(Apply("OLD", "-"), kDropEmptyDay));
  db.ExecSQL(QStringLiteral("CREATE TRIGGER usage_days_update AFTER UPDATE ON usage BEGIN %1%2%3END")
                 .arg(Apply("OLD", "-"), kDropEmptyDay, Apply("NEW", "+")));
}

}  // namespace meterly::DayTotalsTable
