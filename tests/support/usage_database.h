#pragma once

// A usage database in a temporary folder, on the fake platform, for tests of what reads and
// writes the usage record.

#include "core/settings.h"
#include "fakes/fake_platform.h"
#include "store/disk_db.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>

namespace meterly::testing_support {

struct UsageDatabase {
  UsageDatabase() {
    platform.clockFake.localNow = QDateTime(QDate(2026, 3, 31), QTime(12, 30));
    platform.session.user = QStringLiteral("me");
    db = std::make_unique<TDiskDB>(dir.filePath(QStringLiteral("Meterly.db")), platform, settings);
  }

  void Write(const QString& user, qint32 day, qint32 hour, qint64 in, qint64 out, quint32 dialup = 0) {
    TSQLiteDB::LockGuard lock(*db);
    db->RunInTransaction([&] { db->FlushData(user, day, hour, in, out, dialup); });
  }

  void AddSession(const QString& name, const QString& since, quint32 duration, qint64 in = 0, qint64 out = 0) {
    TSQLiteDB::LockGuard lock(*db);
    db->ExecSQL(QStringLiteral("INSERT INTO dialup VALUES (%1, %2, %3, %4, %5)")
                    .arg(QuotedSQL(name), QuotedSQL(since))
                    .arg(duration)
                    .arg(in)
                    .arg(out));
  }

  // Every row of a query with that many columns, its cells joined by "|".
  QStringList Rows(const QString& sql, int columns) {
    QStringList result;
    TSQLiteDB::LockGuard lock(*db);
    db->OpenQuery(sql);
    while (db->Next()) {
      QStringList cells;
      for (int c = 0; c < columns; ++c) cells.append(db->ColumnText(c));
      result.append(cells.join(QLatin1Char('|')));
    }
    db->FreeQuery();
    return result;
  }

  // Both tables, in a fixed order.
  QStringList Contents() {
    return Rows(QStringLiteral("SELECT USER_NAME, DAY, HOUR, DATA_IN, DATA_OUT, DIALUP_DURATION FROM usage ORDER BY "
                               "USER_NAME, DAY, HOUR"),
                6) +
           Rows(QStringLiteral("SELECT * FROM dialup ORDER BY CONN_NAME, SINCE"), 5);
  }

  QTemporaryDir dir;
  fakes::FakePlatform platform;
  Settings settings;
  std::unique_ptr<TDiskDB> db;
};

}  // namespace meterly::testing_support
