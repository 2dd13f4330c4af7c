#pragma once

// A usage database of ten years, 24 hours a day, five users (the current one and four others),
// with varied amounts: what the benchmarks measure on. Generated once per run in a temporary
// folder.

#include "base/date_serial.h"
#include "core/quota_period.h"
#include "core/settings.h"
#include "platform/linux/linux_platform.h"
#include "store/disk_db.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

namespace meterly::bench {

constexpr int kTenYears = 10;
constexpr int kFiveUsers = 5;

// Fills the file with every hour of the ten years up to lastDay for the current user and four
// others named after the pattern ("user%1"), with varied amounts.
inline void FillTenYears(TDiskDB& db, qint32 lastDay, const QString& otherUsers = QStringLiteral("user%1")) {
  const qint32 firstDay = DateToDaySerial(DaySerialToDate(lastDay).addYears(-kTenYears)) + 1;
  QStringList users{QuotedSQL(db.GetCurrentUserName())};
  for (int i = 1; i < kFiveUsers; ++i) users.append(QuotedSQL(otherUsers.arg(i)));
  TSQLiteDB::LockGuard lock(db);
  db.RunInTransaction([&] {
    db.ExecSQL(QStringLiteral("WITH RECURSIVE days(d) AS (SELECT %1 UNION ALL SELECT d + 1 FROM days WHERE d < %2), "
                              "hours(h) AS (SELECT 0 UNION ALL SELECT h + 1 FROM hours WHERE h < 23), "
                              "users(u) AS (VALUES (%3)) "
                              "INSERT INTO usage (USER_NAME, DAY, HOUR, DATA_IN, DATA_OUT, DIALUP_DURATION) "
                              "SELECT u, d, h, abs(random()) % 500000000, abs(random()) % 50000000, 0 "
                              "FROM users, days, hours")
                   .arg(firstDay)
                   .arg(lastDay)
                   .arg(users.join(QStringLiteral("), ("))));
  });
}

class TenYearDatabase {
 public:
  static constexpr int kYears = kTenYears;
  static constexpr int kUsers = kFiveUsers;

  explicit TenYearDatabase(const QString& otherUsers = QStringLiteral("user%1")) {
    db = std::make_unique<TDiskDB>(FilePath(), platform, settings);
    lastDay = DateToDaySerial(platform.clock().Now().date());
    firstDay = DateToDaySerial(DaySerialToDate(lastDay).addYears(-kYears)) + 1;
    QElapsedTimer timer;
    timer.start();
    FillTenYears(*db, lastDay, otherUsers);
    TSQLiteDB::LockGuard lock(*db);
    rows = db->FetchFirstRow(QStringLiteral("SELECT COUNT(*) FROM usage")).value(0).toLongLong();
    std::printf("generated %lld rows (%d years x 24 hours x %d users) in %.1f s\n", rows, kYears, kUsers,
                timer.elapsed() / 1000.0);
  }

  // The one database of the run.
  static TenYearDatabase& Instance() {
    static TenYearDatabase database;
    return database;
  }

  QString FilePath() const { return dir.filePath(QStringLiteral("Meterly.db")); }
  double FileMegabytes() const { return static_cast<double>(QFileInfo(FilePath()).size()) / (1024.0 * 1024.0); }
  DayRange LastDays(int count) const { return {lastDay - count + 1, lastDay}; }

  QTemporaryDir dir;
  platform::LinuxPlatform platform;
  Settings settings;
  std::unique_ptr<TDiskDB> db;
  qint32 firstDay = 0;
  qint32 lastDay = 0;
  qint64 rows = 0;
};

}  // namespace meterly::bench
