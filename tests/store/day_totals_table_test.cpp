#include "store/day_totals_table.h"
#include "base/date_serial.h"
#include "core/settings.h"
#include "fakes/fake_platform.h"
#include "store/disk_db.h"
#include "store/sqlite_probe.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>

namespace meterly {
namespace {

using testing_support::SqliteProbe;

const QString kSummedHours = QStringLiteral(
    "SELECT USER_NAME, DAY, SUM(DATA_IN), SUM(DATA_OUT), SUM(DIALUP_DURATION) FROM usage GROUP BY USER_NAME, DAY "
    "ORDER BY USER_NAME, DAY");
const QString kDayTotals = QStringLiteral("SELECT * FROM usage_days ORDER BY USER_NAME, DAY");

class DayTotalsTableTest : public ::testing::Test {
 protected:
  QString Path() const { return dir.filePath(QStringLiteral("Meterly.db")); }
  std::unique_ptr<TDiskDB> Open(OpenMode mode = OpenMode::ReadWrite) {
    return std::make_unique<TDiskDB>(Path(), platform, settings, TDiskDB::DefaultBusyTimeoutMs, mode);
  }

  QTemporaryDir dir;
  fakes::FakePlatform platform;
  Settings settings;
};

// Whatever writes the hourly rows (the minute write, a reset, a restore that replaces rows, another
// program with plain SQL), the day totals stay their sums.
TEST_F(DayTotalsTableTest, EveryKindOfWriteKeepsTheDayTotalsEqualToTheHourlySums) {
  auto db = Open();
  std::mt19937 random(11);
  const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
  const QStringList users{QStringLiteral("ann"), QStringLiteral("o'brien")};
  TSQLiteDB::LockGuard lock(*db);
  for (int step = 0; step < 400; ++step) {
    const QString user = QuotedSQL(users[pick(2)]);
    const int day = 46000 + pick(5);
    const int hour = pick(24);
    switch (pick(4)) {
      case 0:
        db->RunInTransaction([&] { db->FlushData(users[pick(2)], day, hour, pick(1000), pick(1000), pick(60)); });
        break;
      case 1:
        db->ExecSQL(QStringLiteral("INSERT OR REPLACE INTO usage VALUES (%1, %2, %3, %4, %5, %6)")
                        .arg(user, QString::number(day), QString::number(hour), QString::number(pick(1000)),
                             QString::number(pick(1000)), QString::number(pick(60))));
        break;
      case 2:
        db->ExecSQL(QStringLiteral("DELETE FROM usage WHERE USER_NAME = %1 AND DAY = %2 AND HOUR < %3")
                        .arg(user, QString::number(day), QString::number(hour)));
        break;
      default:
        db->ExecSQL(QStringLiteral("UPDATE usage SET DATA_IN = DATA_IN + 7, DATA_OUT = DATA_OUT / 2 WHERE HOUR = %1")
                        .arg(hour));
        break;
    }
  }
  SqliteProbe probe(Path());
  EXPECT_EQ(probe.Rows(kDayTotals), probe.Rows(kSummedHours));
  EXPECT_FALSE(probe.Rows(kDayTotals).isEmpty());
}

TEST_F(DayTotalsTableTest, AFileWithoutThemGetsThemFilledAndAReadOnlyOpenSumsTheHours) {
  Open();
  {
    SqliteProbe probe(Path());
    probe.Exec(QStringLiteral(
        "DROP TRIGGER usage_days_insert; DROP TRIGGER usage_days_delete; DROP TRIGGER usage_days_update; "
        "DROP TABLE usage_days; INSERT INTO usage VALUES ('ann', 46000, 3, 10, 20, 1), "
        "('ann', 46000, 4, 1, 2, 3), ('bob', 46001, 0, 5, 5, 5)"));
  }
  EXPECT_EQ(Open(OpenMode::ReadOnly)->DailyTable(), QStringLiteral("usage")) << "never changed for reading";
  EXPECT_EQ(SqliteProbe(Path()).Value(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE name = 'usage_days'")),
            QStringLiteral("0"));

  auto db = Open();
  EXPECT_EQ(db->DailyTable(), QStringLiteral("usage_days"));
  SqliteProbe probe(Path());
  EXPECT_EQ(probe.Rows(kDayTotals),
            (QStringList{QStringLiteral("ann|46000|11|22|4"), QStringLiteral("bob|46001|5|5|5")}));
  TSQLiteDB::LockGuard lock(*db);
  EXPECT_EQ(db->GetTotalsSince(QStringLiteral("ann")).Totals, (UsageTotals{11, 22, 4}));
}

}  // namespace
}  // namespace meterly
