// Writes the usage database the report timings run on: ten years up to today, 24 hours a day, the
// current user and four others, with varied amounts (the shape of usage_database_bench's file).
#include "base/date_serial.h"
#include "core/settings.h"
#include "platform/linux/linux_platform.h"
#include "store/disk_db.h"

#include <QStringList>

#include <cstdio>

int main(int argc, char** argv) {
  using namespace meterly;
  if (argc != 2) {
    std::fputs("usage: make_usage_database FILE\n", stderr);
    return 2;
  }
  constexpr int kYears = 10;
  constexpr int kUsers = 5;
  platform::LinuxPlatform platform;
  const Settings settings;
  TDiskDB db(QString::fromLocal8Bit(argv[1]), platform, settings);
  const qint32 lastDay = DateToDaySerial(platform.clock().now().date());
  const qint32 firstDay = DateToDaySerial(DaySerialToDate(lastDay).addYears(-kYears)) + 1;
  QStringList users{QuotedSQL(db.GetCurrentUserName())};
  for (int i = 1; i < kUsers; ++i) users.append(QuotedSQL(QStringLiteral("user%1").arg(i)));
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
  return 0;
}
