#include "store/sqlite_db.h"

#include "base/assertion.h"
#include "store/sqlite_probe.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>
#include <type_traits>
#include <typeinfo>

namespace meterly {
namespace {

using testing_support::SqliteProbe;

// The smallest subclass: one table with a constraint that a write can break.
class TTestDB final : public TSQLiteDB {
 public:
  TTestDB(const QString& fileName, bool threadSafe) : TSQLiteDB(fileName, threadSafe, QStringLiteral("TTestDB")) {
    InitSchema();
  }

 protected:
  void InitSchema() override {
    LockGuard lock(*this);
    ExecSQL(
        QStringLiteral("CREATE TABLE IF NOT EXISTS t (id INTEGER PRIMARY KEY, name TEXT, "
                       "amount BIGINT CHECK (amount >= 0))"));
  }
};

// Runs the action and returns the message of the error it raises; a failed check must be the access layer's.
template <typename Error>
QString FailureOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const Error& error) {
    if constexpr (std::is_same_v<Error, EAssertionFailed>) {
      EXPECT_EQ(error.Unit(), QStringLiteral("SQLiteDB"));
    }
    return error.message();
  }
  ADD_FAILURE() << "no " << typeid(Error).name();
  return QString();
}
constexpr auto SqliteFailure = FailureOf<SQLiteException>;
constexpr auto AssertionFailure = FailureOf<EAssertionFailed>;

class SQLiteDBTest : public ::testing::Test {
 protected:
  QString Path(const QString& name = QStringLiteral("test.db")) const { return dir.filePath(name); }

  QTemporaryDir dir;
  TTestDB db{Path(), true};
};

TEST(ErrorTextTest, KnownCodesHaveTheirTextsAndEveryOtherCodeIsUnknown) {
  EXPECT_EQ(ErrorText(101), QStringLiteral("sqlite_step() has finished executing"));
  EXPECT_EQ(ErrorText(24), QStringLiteral("Unknown DB error (24)"));
  EXPECT_EQ(ErrorText(266), QStringLiteral("Unknown DB error (266)"));  // an extended code is not masked
  EXPECT_EQ(ErrorText(-1), QStringLiteral("Unknown DB error (-1)"));
}

TEST_F(SQLiteDBTest, ExecSQLRunsEveryStatementButOpenQueryOnlyTheFirst) {
  TSQLiteDB::LockGuard lock(db);
  db.ExecSQL(QStringLiteral("INSERT INTO t (amount) VALUES (1); INSERT INTO t (amount) VALUES (2)"));
  db.OpenQuery(QStringLiteral("INSERT INTO t (amount) VALUES (3); INSERT INTO t (amount) VALUES (4)"));
  EXPECT_FALSE(db.Next());
  db.FreeQuery();
  EXPECT_EQ(db.FetchFirstRow(QStringLiteral("SELECT group_concat(amount) FROM t")),
            QStringList{QStringLiteral("1,2,3")});
}

TEST_F(SQLiteDBTest, FailuresNameTheClassTheOperationTheCodeAndSqlitesOwnText) {
  TSQLiteDB::LockGuard lock(db);
  EXPECT_EQ(SqliteFailure([&] { db.ExecSQL(QStringLiteral("SELECT * FROM missing")); }),
            QStringLiteral("TTestDB.ExecSQL : SQL error or missing database : no such table: missing"));
  EXPECT_EQ(SqliteFailure([&] { db.OpenQuery(QStringLiteral("SELECT * FROM missing")); }),
            QStringLiteral("TTestDB.OpenQuery : SQL error or missing database"));
  EXPECT_EQ(
      SqliteFailure([&] { db.ExecSQL(QStringLiteral("INSERT INTO t (amount) VALUES (-1)")); }),
      QStringLiteral("TTestDB.ExecSQL : Abort due to constraint violation : CHECK constraint failed: amount >= 0"));
}

TEST_F(SQLiteDBTest, AFailingStepEndsTheLoopQuietlyAndFreeQueryReportsIt) {
  TSQLiteDB::LockGuard lock(db);
  db.OpenQuery(QStringLiteral("INSERT INTO t (amount) VALUES (-1)"));
  EXPECT_FALSE(db.Next());
  EXPECT_EQ(SqliteFailure([&] { db.FreeQuery(); }),
            QStringLiteral("TTestDB.FreeQuery : Abort due to constraint violation"));
  EXPECT_EQ(AssertionFailure([&] { db.Next(); }), QStringLiteral("TTestDB.Next: not prepared or lock is not set"))
      << "the statement is gone all the same";
}

TEST_F(SQLiteDBTest, StepsThroughRowsAndReadsColumnsAsNumbersAndUtf8Text) {
  TSQLiteDB::LockGuard lock(db);
  db.ExecSQL(QStringLiteral("INSERT INTO t (id, name, amount) VALUES (1, %1, 5000000000), (2, NULL, 7)")
                 .arg(QuotedSQL(QStringLiteral("Zürich 東京 o'clock"))));
  db.OpenQuery(QStringLiteral("SELECT id, name, amount FROM t ORDER BY id"));
  ASSERT_TRUE(db.Next());
  EXPECT_EQ(db.ColumnInt(0), 1);
  EXPECT_EQ(db.ColumnText(1), QStringLiteral("Zürich 東京 o'clock"));
  EXPECT_EQ(db.ColumnInt64(2), 5000000000LL);
  ASSERT_TRUE(db.Next());
  EXPECT_EQ(db.ColumnText(1), QString());
  EXPECT_EQ(db.ColumnInt(2), 7);
  EXPECT_EQ(AssertionFailure([&] { db.ColumnInt(3); }),
            QStringLiteral("TTestDB.EnsureColumnAccessible: column index out of range"));
  EXPECT_EQ(AssertionFailure([&] { db.ColumnText(-1); }),
            QStringLiteral("TTestDB.EnsureColumnAccessible: column index out of range"));
  EXPECT_FALSE(db.Next());
  db.FreeQuery();
  EXPECT_EQ(AssertionFailure([&] { db.ColumnInt64(0); }),
            QStringLiteral("TTestDB.EnsureColumnAccessible: not prepared or lock is not set"));
}

// A table and a statement made under the lock cannot be used after it was given back either.
TEST_F(SQLiteDBTest, WithThreadSafeEveryOperationWantsTheLock) {
  db.Lock();
  db.FetchTable(QStringLiteral("SELECT 1"));
  db.OpenQuery(QStringLiteral("SELECT 1"));
  db.Unlock();
  const std::vector<std::pair<std::function<void()>, QString>> cases = {
      {[&] { db.ExecSQL(QStringLiteral("SELECT 1")); }, QStringLiteral("TTestDB.ExecSQL: lock is not set")},
      {[&] { db.FetchTable(QStringLiteral("SELECT 1")); }, QStringLiteral("TTestDB.FetchTable: lock is not set")},
      {[&] { db.GetRowsAffected(); }, QStringLiteral("TTestDB.GetRowsAffected: lock is not set")},
      {[&] { db.OpenQuery(QStringLiteral("SELECT 1")); }, QStringLiteral("TTestDB.OpenQuery: lock is not set")},
      {[&] { db.BeginTransaction(); }, QStringLiteral("TTestDB.ExecSQL: lock is not set")},
      {[&] { db.CloseTable(); }, QStringLiteral("TTestDB.CloseTable: lock is not set or no result set")},
      {[&] { db.Next(); }, QStringLiteral("TTestDB.Next: not prepared or lock is not set")},
      {[&] { db.ColumnInt(0); }, QStringLiteral("TTestDB.EnsureColumnAccessible: not prepared or lock is not set")},
      {[&] { db.FreeQuery(); }, QStringLiteral("TTestDB.FreeQuery: not prepared or lock is not set")},
  };
  for (const auto& [action, message] : cases) EXPECT_EQ(AssertionFailure(action), message);
  EXPECT_FALSE(db.InTransaction());
  db.SetBusyTimeout(100);  // needs no lock
}

TEST_F(SQLiteDBTest, WithoutThreadSafeNoLockIsAskedForButStatementAndTableChecksStay) {
  TTestDB free(Path(QStringLiteral("free.db")), false);
  free.ExecSQL(QStringLiteral("INSERT INTO t (amount) VALUES (4)"));
  EXPECT_EQ(free.GetRowsAffected(), 1);
  EXPECT_EQ(free.FetchFirstRow(QStringLiteral("SELECT amount FROM t")), QStringList{QStringLiteral("4")});
  free.OpenQuery(QStringLiteral("SELECT amount FROM t"));
  ASSERT_TRUE(free.Next());
  EXPECT_EQ(free.ColumnInt(0), 4);
  free.FreeQuery();
  EXPECT_EQ(AssertionFailure([&] { free.CloseTable(); }),
            QStringLiteral("TTestDB.CloseTable: lock is not set or no result set"));
  EXPECT_EQ(AssertionFailure([&] { free.Next(); }), QStringLiteral("TTestDB.Next: not prepared or lock is not set"));
}

TEST_F(SQLiteDBTest, TheLockIsReentrantForItsThreadAndKeepsOtherThreadsOut) {
  db.Lock();
  db.Lock();
  EXPECT_EQ(db.LockCount(), 2);
  db.Unlock();
  EXPECT_EQ(db.LockCount(), 1);

  std::promise<void> otherHasLock;
  std::thread other([&] {
    TSQLiteDB::LockGuard lock(db);
    otherHasLock.set_value();
  });
  std::future<void> acquired = otherHasLock.get_future();
  EXPECT_EQ(acquired.wait_for(std::chrono::milliseconds(100)), std::future_status::timeout);
  db.Unlock();
  EXPECT_EQ(acquired.wait_for(std::chrono::seconds(10)), std::future_status::ready);
  other.join();
  EXPECT_EQ(db.LockCount(), 0);
}

TEST_F(SQLiteDBTest, AFailedTransactionIsRolledBackAndTheFirstErrorPassesOn) {
  TSQLiteDB::LockGuard lock(db);
  const QString message = SqliteFailure([&] {
    db.RunInTransaction([&] {
      EXPECT_TRUE(db.InTransaction());
      db.ExecSQL(QStringLiteral("INSERT INTO t (amount) VALUES (1)"));
      db.ExecSQL(QStringLiteral("INSERT INTO t (amount) VALUES (-1)"));
    });
  });
  EXPECT_TRUE(message.startsWith(QStringLiteral("TTestDB.ExecSQL : Abort due to constraint violation")));
  EXPECT_FALSE(db.InTransaction());
  EXPECT_EQ(db.FetchFirstRow(QStringLiteral("SELECT COUNT(*) FROM t")), QStringList{QStringLiteral("0")});

  db.RunInTransaction([&] { db.ExecSQL(QStringLiteral("INSERT INTO t (amount) VALUES (1)")); });
  EXPECT_FALSE(db.InTransaction());
  SqliteProbe probe(Path());
  EXPECT_EQ(probe.Value(QStringLiteral("SELECT COUNT(*) FROM t")), QStringLiteral("1"));
}

TEST_F(SQLiteDBTest, FileNamesCrossAsUtf8AndAnUnopenableFileRaisesFromCreate) {
  const QString name = Path(QStringLiteral("Zähler 東京.db"));
  { TTestDB named(name, false); }
  EXPECT_TRUE(QFileInfo::exists(name));

  QDir(dir.path()).mkdir(QStringLiteral("folder.db"));
  EXPECT_EQ(SqliteFailure([&] { TTestDB folder(Path(QStringLiteral("folder.db")), false); }),
            QStringLiteral("TTestDB.Create : Unable to open the database file"));
}

TEST(SQLDateTimeTest, FormatsWithAndWithoutTimeAndReadsBackTheSame) {
  const std::pair<QDateTime, QString> rows[] = {
      {QDateTime(QDate(2026, 3, 31), QTime(7, 5, 9)), QStringLiteral("2026-03-31 07:05:09")},
      {QDateTime(QDate(1999, 12, 31), QTime(23, 59, 59)), QStringLiteral("1999-12-31 23:59:59")},
      {QDateTime(QDate(2000, 1, 1), QTime(0, 0, 0)), QStringLiteral("2000-01-01 00:00:00")},
      {QDateTime(QDate(812, 2, 3), QTime(12, 0, 1)), QStringLiteral("0812-02-03 12:00:01")},
  };
  for (const auto& [moment, text] : rows) {
    EXPECT_EQ(DateTimeToSQL(moment, true), text);
    EXPECT_EQ(SQLToDateTime(text), moment) << text.toStdString();
    EXPECT_EQ(DateTimeToSQL(moment, false), text.left(10));
    EXPECT_EQ(SQLToDateTime(text.left(10)), QDateTime(moment.date(), QTime(0, 0))) << text.toStdString();
  }
}

TEST(SQLDateTimeTest, ReadsByPositionAndGivesZeroForAnythingElse) {
  EXPECT_EQ(SQLToDateTime(QStringLiteral("2026/03/31T07:05:09")), QDateTime(QDate(2026, 3, 31), QTime(7, 5, 9)));
  const char* broken[] = {
      "",           "2026-03-31 07:05",    "2026-03-31 07:05:09.5", "2026-02-29", "2026-13-01",
      "0000-01-01", "2026-03-31 24:00:00", "2026-03-31 07:60:00",   "2026-0a-31", "2026-03-31 07:05:-1",
      "+026-03-31"};
  for (const char* text : broken) EXPECT_EQ(SQLToDateTime(QString::fromLatin1(text)), ZeroDateTime()) << text;
  EXPECT_EQ(ZeroDateTime(), QDateTime(QDate(1899, 12, 30), QTime(0, 0)));
}

}  // namespace
}  // namespace meterly
