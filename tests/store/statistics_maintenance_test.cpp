#include "store/statistics_maintenance.h"

#include "core/quota_period.h"
#include "support/usage_database.h"

#include "store/qt_printing.h"

#include <gtest/gtest.h>

namespace meterly {
namespace {

using testing_support::UsageDatabase;

constexpr qint32 kToday = 46112;  // 31 March 2026, the fake clock's day

class ResetTest : public ::testing::Test {
 protected:
  ResetTest() {
    store.Write(QStringLiteral("me"), kToday, 1, 10, 20);
    store.Write(QStringLiteral("O'Brien"), kToday, 2, 30, 40);
    store.Write(QStringLiteral("O'Brien"), kToday - 1, 2, 50, 60);
    store.AddSession(QStringLiteral("isp"), QStringLiteral("2026-03-01 10:00:00"), 60);
    db.AddData(0, 5, 5);
  }

  QStringList Users() { return store.Rows(QStringLiteral("SELECT DISTINCT USER_NAME FROM usage ORDER BY 1"), 1); }
  int Sessions() { return static_cast<int>(store.Rows(QStringLiteral("SELECT * FROM dialup"), 5).size()); }

  UsageDatabase store;
  TDiskDB& db = *store.db;
};

TEST_F(ResetTest, OneUserLosesOnlyTheirRowsWhileSessionsAndOthersPendingAmountsStay) {
  ResetStatistics(db, QStringLiteral("O'Brien"));
  EXPECT_EQ(Users(), QStringList{QStringLiteral("me")});
  EXPECT_EQ(Sessions(), 1);
  EXPECT_EQ(db.PendingIn(), 5);
}

TEST_F(ResetTest, TheCurrentUserLosesTheirPendingAmountsAndTheTooltipTotalsFollow) {
  ResetStatistics(db, QStringLiteral("me"));
  EXPECT_EQ(Users(), QStringList{QStringLiteral("O'Brien")});
  EXPECT_EQ(db.PendingIn(), 0);
  EXPECT_EQ(db.CachedPeriodTotals(QuotaPeriod::Daily), UsageTotals{});
}

TEST_F(ResetTest, AllUsersLoseEveryRowEverySessionAndThePendingAmounts) {
  ResetStatistics(db, std::nullopt);
  EXPECT_EQ(store.Contents(), QStringList());
  EXPECT_EQ(db.PendingIn(), 0);
}

TEST_F(ResetTest, AFailedResetChangesNothing) {
  store.AddSession(QStringLiteral("x"), QStringLiteral("2026-03-01 10:00:00"), 1);
  {
    TSQLiteDB::LockGuard lock(db);
    db.ExecSQL(
        QStringLiteral("CREATE TRIGGER no_delete BEFORE DELETE ON dialup BEGIN SELECT RAISE(ABORT, 'kept'); "
                       "END"));
  }
  const QStringList before = store.Contents();
  EXPECT_THROW(ResetStatistics(db, std::nullopt), SQLiteException);
  EXPECT_EQ(store.Contents(), before);
  EXPECT_EQ(db.PendingIn(), 5);
}

TEST(ReplaceStatistics, RowsOfOneKeyAddUpAndSessionsStayWhenNoneAreGiven) {
  UsageDatabase store;
  store.AddSession(QStringLiteral("isp"), QStringLiteral("2026-03-01 10:00:00"), 60);
  store.db->AddData(0, 5, 5);
  std::vector<TUsageRow> rows(1200, TUsageRow{QStringLiteral("u'1"), 40000, 3, 1, 2, 3});
  rows.push_back({QStringLiteral("v"), 40001, 0, 7, 8, 9});
  ReplaceStatistics(*store.db, rows, std::nullopt);
  EXPECT_EQ(store.Contents(),
            (QStringList{QStringLiteral("u'1|40000|3|1200|2400|3600"), QStringLiteral("v|40001|0|7|8|9"),
                         QStringLiteral("isp|2026-03-01 10:00:00|60|0|0")}));
  EXPECT_EQ(store.db->PendingIn(), 0);
}

}  // namespace
}  // namespace meterly
