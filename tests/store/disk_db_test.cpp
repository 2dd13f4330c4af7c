#include "store/disk_db.h"

#include "base/assertion.h"
#include "base/date_serial.h"
#include "core/settings.h"
#include "fakes/fake_platform.h"
#include "store/registry_stats.h"
#include "store/sqlite_probe.h"
#include "support/expect_assertion.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

namespace meterly {

void PrintTo(const UsageTotals& totals, std::ostream* out) {
  *out << "{in " << totals.DataIn << ", out " << totals.DataOut << ", dial-up " << totals.DialupDuration << "}";
}

namespace {

using platform::RegValue;
using testing_support::FileBytes;
using testing_support::SqliteProbe;

const qint32 kMarch31 = DateToDaySerial(QDate(2026, 3, 31));

QString Row(qint32 day, int hour, qint64 in, qint64 out, qint64 dialup,
            const QString& user = QStringLiteral("tester")) {
  return user + QStringLiteral("|%1|%2|%3|%4|%5").arg(day).arg(hour).arg(in).arg(out).arg(dialup);
}

QByteArray StatsValue(qint64 in, qint64 out, quint32 dialup) {
  QByteArray bytes(20, '\0');
  qToLittleEndian(in, bytes.data());
  qToLittleEndian(out, bytes.data() + 8);
  qToLittleEndian(dialup, bytes.data() + 16);
  return bytes;
}

class DiskDBTest : public ::testing::Test {
 protected:
  DiskDBTest() { SetNow(QDate(2026, 3, 31), QTime(12, 30)); }

  QString Path() const { return dir.filePath(QStringLiteral("Meterly.db")); }

  std::unique_ptr<TDiskDB> Open(int busyTimeoutMs = TDiskDB::DefaultBusyTimeoutMs,
                                OpenMode mode = OpenMode::ReadWrite) {
    return std::make_unique<TDiskDB>(Path(), platform, settings, busyTimeoutMs, mode);
  }

  void SetNow(QDate day, QTime time) { platform.clockFake.localNow = QDateTime(day, time); }

  // Rows of the usage table as "user|day|hour|in|out|dialup", in key order.
  QStringList UsageRows() {
    SqliteProbe probe(Path());
    return probe.Rows(QStringLiteral("SELECT * FROM usage ORDER BY USER_NAME, DAY, HOUR"));
  }

  void WriteRow(TDiskDB& db, const QString& user, qint32 day, qint32 hour, qint64 in, qint64 out, quint32 dialup) {
    TSQLiteDB::LockGuard lock(db);
    db.RunInTransaction([&] { db.FlushData(user, day, hour, in, out, dialup); });
  }

  QTemporaryDir dir;
  fakes::FakePlatform platform;
  Settings settings;
};

TEST_F(DiskDBTest, ANewFileGetsBothTablesBothIndicesAndVersionOne) {
  Open();
  SqliteProbe probe(Path());
  EXPECT_EQ(
      probe.Rows(QStringLiteral("SELECT type, name FROM sqlite_master WHERE name NOT LIKE 'sqlite_%' ORDER BY name")),
      (QStringList{QStringLiteral("index|IDX_USAGE_DAY"), QStringLiteral("index|IDX_USAGE_HOUR"),
                   QStringLiteral("table|dialup"), QStringLiteral("table|usage"), QStringLiteral("table|usage_days"),
                   QStringLiteral("trigger|usage_days_delete"), QStringLiteral("trigger|usage_days_insert"),
                   QStringLiteral("trigger|usage_days_update")}));
  EXPECT_EQ(probe.Value(QStringLiteral("PRAGMA user_version")), QStringLiteral("1"));
  EXPECT_EQ(probe.Value(QStringLiteral("PRAGMA journal_mode")), QStringLiteral("delete"))
      << "the journal mode belongs to the connection, not to the file";
}

TEST_F(DiskDBTest, ADailyFileKeepsEveryRowAtHourZeroAndASecondOpenChangesNothing) {
  {
    SqliteProbe probe(Path());
    probe.Exec(QStringLiteral(
        "CREATE TABLE usage (USER_NAME VARCHAR(64) NOT NULL, DAY INTEGER NOT NULL, DATA_IN BIGINT NOT NULL, "
        "DATA_OUT BIGINT NOT NULL, DIALUP_DURATION INTEGER NOT NULL, PRIMARY KEY (USER_NAME, DAY));"
        "CREATE INDEX IDX_USAGE_DAY ON usage (DAY);"
        "INSERT INTO usage VALUES ('ann', 40000, 10, 20, 30), ('ann', 40001, 5000000000, 6, 0), ('bob', 40000, 1, 2, "
        "3);"));
  }
  Open();
  EXPECT_EQ(UsageRows(), (QStringList{Row(40000, 0, 10, 20, 30, "ann"), Row(40001, 0, 5000000000, 6, 0, "ann"),
                                      Row(40000, 0, 1, 2, 3, "bob")}));
  {
    SqliteProbe probe(Path());
    EXPECT_EQ(probe.Value(QStringLiteral("PRAGMA user_version")), QStringLiteral("1"));
    EXPECT_EQ(
        probe.Value(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = 'index' AND name LIKE 'IDX_%'")),
        QStringLiteral("2"));
    EXPECT_TRUE(probe.Value(QStringLiteral("SELECT sql FROM sqlite_master WHERE name = 'usage'"))
                    .contains(QStringLiteral("CHECK (HOUR BETWEEN 0 AND 23)")));
  }
  const QByteArray upgraded = FileBytes(Path());
  const QDateTime modified = QFileInfo(Path()).lastModified();
  Open();
  EXPECT_EQ(FileBytes(Path()), upgraded);
  EXPECT_EQ(QFileInfo(Path()).lastModified(), modified);
}

// Whenever they are written (after midnight, after a suspend of hours), amounts go to their hour.
TEST_F(DiskDBTest, AmountsAddUpInTheRowOfTheHourTheyWereCountedIn) {
  auto db = Open();
  db->AddData(0, 100, 200);
  db->AddData(1, 5000000000LL, 6000000000LL);  // amounts beyond 32 bits are kept whole
  db->FlushPending();
  SetNow(QDate(2026, 3, 31), QTime(12, 59, 59));
  db->AddData(1, 1, 2);
  db->FlushPending();  // into the row written before
  SetNow(QDate(2026, 3, 31), QTime(23, 59, 30));
  db->AddData(0, 10, 20);
  EXPECT_FALSE(db->PendingHourEnded());
  SetNow(QDate(2026, 4, 1), QTime(0, 0, 1));
  EXPECT_TRUE(db->PendingHourEnded());
  db->AddData(0, 1, 2);
  SetNow(QDate(2026, 4, 1), QTime(9, 15));  // resumed from a suspend
  db->AddData(0, 3, 4);
  EXPECT_EQ(db->PendingIn(), 14);
  db->FlushPending();
  EXPECT_FALSE(db->PendingHourEnded());
  EXPECT_EQ(UsageRows(), (QStringList{Row(kMarch31, 12, 5000000101, 6000000202, 2), Row(kMarch31, 23, 10, 20, 0),
                                      Row(kMarch31 + 1, 0, 1, 2, 0), Row(kMarch31 + 1, 9, 3, 4, 0)}));
}

TEST_F(DiskDBTest, NothingPendingTouchesNothing) {
  auto db = Open();
  QStringList issued;
  db->SetStatementObserver([&](const QString& sql) { issued.append(sql); });
  const QByteArray before = FileBytes(Path());
  db->AddData(0, 0, 0);
  db->FlushPending();
  EXPECT_TRUE(issued.isEmpty()) << issued.join(QLatin1Char('\n')).toStdString();
  EXPECT_EQ(FileBytes(Path()), before);

  db->AddData(1, 0, 0);  // a dial-up second alone is worth a write
  db->FlushPending();
  EXPECT_TRUE(issued.contains(QStringLiteral("BEGIN")));
  EXPECT_EQ(UsageRows(), QStringList{Row(kMarch31, 12, 0, 0, 1)});
}

// Another program's lock keeps the write from beginning, a reader keeps it from being committed.
TEST_F(DiskDBTest, AFailedWriteOrCommitKeepsThePendingAmountsForTheNextOne) {
  auto db = Open(0);
  db->AddData(1, 300, 400);
  for (const char* blocker : {"BEGIN EXCLUSIVE", "BEGIN; SELECT COUNT(*) FROM usage"}) {
    SqliteProbe other(Path());
    other.Exec(QString::fromLatin1(blocker));
    try {
      db->FlushPending();
      ADD_FAILURE() << "written despite " << blocker;
    } catch (const SQLiteException& error) {
      EXPECT_TRUE(error.message().contains(QStringLiteral("The database file is locked"))) << error.what();
    }
    EXPECT_FALSE(db->InTransaction());
    EXPECT_EQ(db->LockCount(), 0);
    other.Exec(QStringLiteral("ROLLBACK"));
  }
  EXPECT_TRUE(UsageRows().isEmpty());
  db->AddData(0, 1, 1);
  SetNow(QDate(2026, 3, 31), QTime(13, 1));
  db->AddData(0, 2, 2);
  db->FlushPending();
  EXPECT_EQ(UsageRows(), (QStringList{Row(kMarch31, 12, 301, 401, 1), Row(kMarch31, 13, 2, 2, 0)}));
}

TEST_F(DiskDBTest, FlushDataOutsideATransactionFailsTheCheck) {
  auto db = Open();
  TSQLiteDB::LockGuard lock(*db);
  testing_support::ExpectAssertion("Main", [&] { db->FlushData(QStringLiteral("ann"), kMarch31, 1, 1, 1, 1); });
}

TEST_F(DiskDBTest, AUserNameWithQuotesAndPlaceholdersIsStoredAndFoundAsItIsAndAnUnknownOneAsError) {
  const QString name = QStringLiteral("o'brien %1 %4");
  platform.session.user = name;
  auto db = Open();
  db->AddData(0, 11, 22);
  db->FlushPending();
  db->AddData(0, 1, 1);
  db->FlushPending();
  {
    TSQLiteDB::LockGuard lock(*db);
    EXPECT_EQ(db->GetTotals(kMarch31, kMarch31, name), (UsageTotals{12, 23, 0}));
    EXPECT_EQ(db->GetTotalsSince(name).Totals, (UsageTotals{12, 23, 0}));
  }
  platform.session.user.clear();
  db = Open();
  db->AddData(0, 1, 2);
  db->FlushPending();
  EXPECT_EQ(UsageRows(), (QStringList{Row(kMarch31, 12, 1, 2, 0, "Error"), Row(kMarch31, 12, 12, 23, 0, name)}));
}

// A missing file is not created; an empty one, text, or the daily layout that needs an upgrade is refused as it is.
TEST_F(DiskDBTest, ReadingOnlyRefusesWhatItCannotReadAsItIs) {
  const auto openReadOnly = [this] { return Open(TDiskDB::DefaultBusyTimeoutMs, OpenMode::ReadOnly); };
  // What a reader must never change: the bytes, the time of the last change, the files beside it.
  const auto fileState = [this] {
    return std::tuple(FileBytes(Path()), QFileInfo(Path()).lastModified(), QDir(dir.path()).entryList(QDir::Files));
  };
  EXPECT_THROW(openReadOnly(), SQLiteException);
  EXPECT_FALSE(QFile::exists(Path()));
  const std::function<void()> files[] = {
      [&] { testing_support::WriteFile(Path(), QByteArray()); },
      [&] { testing_support::WriteFile(Path(), "not a database, just text\n"); },
      [&] {
        SqliteProbe(Path()).Exec(
            QStringLiteral("CREATE TABLE usage (USER_NAME, DAY, DATA_IN, DATA_OUT, DIALUP_DURATION)"));
      },
  };
  for (const auto& makeFile : files) {
    QFile::remove(Path());
    makeFile();
    const auto before = fileState();
    EXPECT_THROW(openReadOnly(), SQLiteException);
    EXPECT_TRUE(fileState() == before);
  }
}

class DiskDBTotalsTest : public DiskDBTest {
 protected:
  DiskDBTotalsTest() {
    db = Open();
    const QString ann = QStringLiteral("ann");
    WriteRow(*db, ann, kMarch31 - 1, 10, 1, 2, 3);
    WriteRow(*db, ann, kMarch31, 0, 10, 20, 30);
    WriteRow(*db, ann, kMarch31, 6, 100, 200, 0);
    WriteRow(*db, ann, kMarch31, 7, 1000, 2000, 0);
    WriteRow(*db, ann, kMarch31, 21, 10000, 20000, 0);
    WriteRow(*db, ann, kMarch31, 22, 100000, 200000, 0);
    WriteRow(*db, QStringLiteral("bob"), kMarch31, 23, 1000000, 2000000, 5);
    settings.PeakHourFrom = 22;
    settings.PeakHourTo = 6;
  }

  std::unique_ptr<TDiskDB> db;
};

TEST_F(DiskDBTotalsTest, TotalsSumTheRangeAndTheUser) {
  TSQLiteDB::LockGuard lock(*db);
  EXPECT_EQ(db->GetTotals(kMarch31, kMarch31, std::nullopt), (UsageTotals{1111110, 2222220, 35}));
  EXPECT_EQ(db->GetTotals(kMarch31, kMarch31, QStringLiteral("ann")), (UsageTotals{111110, 222220, 30}));
  EXPECT_EQ(db->GetTotals(kMarch31 - 1, kMarch31, QStringLiteral("ann")), (UsageTotals{111111, 222222, 33}));
  EXPECT_EQ(db->GetTotals(kMarch31 - 1, kMarch31 - 1, std::nullopt), (UsageTotals{1, 2, 3}));
  EXPECT_EQ(db->GetTotals(kMarch31 + 1, kMarch31 + 9, std::nullopt), (UsageTotals{0, 0, 0}));
}

TEST_F(DiskDBTotalsTest, PendingAmountsCountWhereTheyWillBeWrittenAndTotalsSinceStartAtTheFirstRecordedDay) {
  platform.session.user = QStringLiteral("ann");
  db = Open();
  db->AddData(2, 5, 6);
  TSQLiteDB::LockGuard lock(*db);
  EXPECT_EQ(db->GetTotals(kMarch31, kMarch31, QStringLiteral("ann")), (UsageTotals{111115, 222226, 32}));
  EXPECT_EQ(db->GetTotals(kMarch31 - 3, kMarch31 + 3, std::nullopt), (UsageTotals{1111116, 2222228, 40}));
  // Not in a range without today, nor for another user.
  EXPECT_EQ(db->GetTotals(kMarch31 - 1, kMarch31 - 1, std::nullopt), (UsageTotals{1, 2, 3}));
  EXPECT_EQ(db->GetTotals(kMarch31, kMarch31, QStringLiteral("bob")), (UsageTotals{1000000, 2000000, 5}));
  const TotalsSince all = db->GetTotalsSince(std::nullopt);
  EXPECT_EQ(all.Totals, (UsageTotals{1111116, 2222228, 40}));
  EXPECT_EQ(all.FirstDay, kMarch31 - 1);
  const TotalsSince bob = db->GetTotalsSince(QStringLiteral("bob"));
  EXPECT_EQ(bob.Totals, (UsageTotals{1000000, 2000000, 5}));
  EXPECT_EQ(bob.FirstDay, kMarch31);
}

TEST_F(DiskDBTotalsTest, HourTotalsFollowThePeakHoursAndCountPendingInTheHalfOfItsHour) {
  SetNow(QDate(2026, 3, 31), QTime(23, 10));
  db->AddData(0, 5, 6);
  TSQLiteDB::LockGuard lock(*db);
  EXPECT_EQ(db->GetHoursTotals(kMarch31, kMarch31, std::nullopt, THourFilter::PeakHours),
            (UsageTotals{1100115, 2200226, 0}));
  EXPECT_EQ(db->GetHoursTotals(kMarch31, kMarch31, std::nullopt, THourFilter::OffPeakHours),
            (UsageTotals{11000, 22000, 0}));
  EXPECT_EQ(db->GetHoursTotals(kMarch31, kMarch31, QStringLiteral("ann"), THourFilter::AllHours),
            (UsageTotals{111110, 222220, 0}));
  SetNow(QDate(2026, 4, 1), QTime(7, 0));  // the amounts of 23:10 stay in their hour
  EXPECT_EQ(db->GetHoursTotals(kMarch31, kMarch31, std::nullopt, THourFilter::PeakHours),
            (UsageTotals{1100115, 2200226, 0}));
  EXPECT_EQ(db->GetHoursTotals(kMarch31 + 1, kMarch31 + 1, std::nullopt, THourFilter::AllHours),
            (UsageTotals{0, 0, 0}));
}

TEST_F(DiskDBTest, TotalsSinceOnAnEmptyTableAreThePendingAmountsFromToday) {
  auto db = Open();
  db->AddData(3, 40, 50);
  TSQLiteDB::LockGuard lock(*db);
  const TotalsSince since = db->GetTotalsSince(std::nullopt);
  EXPECT_EQ(since.Totals, (UsageTotals{40, 50, 3}));
  EXPECT_EQ(since.FirstDay, kMarch31);
}

TEST_F(DiskDBTest, PeriodTotalsComeFromMemoryAndStayCurrent) {
  settings.WeekStartsOn = 1;
  settings.MonthStartsOn = 15;
  auto db = Open();
  for (const auto& [day, in] : {std::pair{14, 1}, {15, 10}, {29, 100}, {30, 1000}}) {
    WriteRow(*db, QStringLiteral("tester"), DateToDaySerial(QDate(2026, 3, day)), 5, in, 0, 0);
  }
  WriteRow(*db, QStringLiteral("tester"), kMarch31, 5, 10000, 0, 3);
  WriteRow(*db, QStringLiteral("other"), kMarch31, 5, 7777, 0, 0);
  db->RefreshPeriodTotals();
  int statements = 0;
  db->SetStatementObserver([&statements](const QString&) { ++statements; });
  const auto in = [&](quint8 period) { return db->CachedPeriodTotals(period).DataIn; };

  EXPECT_EQ(db->CachedPeriodTotals(QuotaPeriod::Daily), (UsageTotals{10000, 0, 3}));
  EXPECT_EQ(in(QuotaPeriod::Weekly), 11000);
  EXPECT_EQ(in(QuotaPeriod::Monthly), 11110);
  db->AddData(1, 5, 0);  // pending amounts count at once
  EXPECT_EQ(db->CachedPeriodTotals(QuotaPeriod::Daily), (UsageTotals{10005, 0, 4}));
  EXPECT_EQ(statements, 0) << "nothing is read for the tooltip";

  db->FlushPending();  // written: counted once, still without reading
  EXPECT_EQ(in(QuotaPeriod::Monthly), 11115);
  EXPECT_EQ(statements, 5) << "the version check and the transaction: BEGIN, UPDATE, INSERT, COMMIT";

  // Another program's write is seen at the next write, not before.
  SqliteProbe(Path()).Exec(QStringLiteral("UPDATE usage SET DATA_IN = DATA_IN + 500 WHERE USER_NAME = 'tester' "
                                          "AND DAY = %1 AND HOUR = 5")
                               .arg(kMarch31));
  EXPECT_EQ(in(QuotaPeriod::Daily), 10005);
  db->AddData(0, 1, 0);
  db->FlushPending();
  EXPECT_EQ(in(QuotaPeriod::Daily), 10506);

  // A new day starts empty, and the file is read again at the next write.
  SetNow(QDate(2026, 4, 1), QTime(0, 0, 5));
  EXPECT_EQ(in(QuotaPeriod::Daily), 0);
  EXPECT_EQ(in(QuotaPeriod::Weekly), 11506);
  WriteRow(*db, QStringLiteral("tester"), kMarch31 + 1, 0, 42, 0, 0);
  db->AddData(0, 1, 0);
  db->FlushPending();
  EXPECT_EQ(in(QuotaPeriod::Daily), 43);
}

class RegistryImportTest : public DiskDBTest {
 protected:
  platform::RegistryHive& Hive() { return platform.registry().Hive(); }
};

TEST_F(RegistryImportTest, ADayOfTheOldStatisticsBecomesHourZeroOfThatDayAndTheKeyIsGone) {
  Hive().SetValue(RegistryStatsKey, QStringLiteral("36526"), RegValue::FromBinary(StatsValue(5000000000LL, 2000, 30)));
  Hive().SetValue(RegistryStatsKey, QStringLiteral("36527"), RegValue::FromBinary(StatsValue(1, 2, 0)));
  // A short value reads as zeros for the missing bytes.
  Hive().SetValue(RegistryStatsKey, QStringLiteral("40000"), RegValue::FromBinary(StatsValue(7, 8, 9).left(12)));
  Hive().SetValue(QStringLiteral("Software\\Corvane\\Meterly\\Main"), QStringLiteral("Unit"), RegValue::FromDWord(1));
  auto db = Open();
  WriteRow(*db, QStringLiteral("tester"), 36527, 0, 10, 10, 10);
  db->ImportRegistryStats();
  EXPECT_EQ(UsageRows(),
            (QStringList{Row(36526, 0, 5000000000, 2000, 30), Row(36527, 0, 11, 12, 10), Row(40000, 0, 7, 8, 0)}));
  EXPECT_FALSE(Hive().KeyExists(RegistryStatsKey));
  ASSERT_TRUE(platform.registryFile.contents.has_value());
  EXPECT_FALSE(platform.registryFile.contents->contains("Stats"));
  EXPECT_TRUE(platform.registryFile.contents->contains("\"Unit\"=dword:00000001"));
  EXPECT_EQ(db->LockCount(), 0);

  // Nothing left: a second run changes nothing.
  const int writes = platform.registryFile.writeCount;
  db->ImportRegistryStats();
  EXPECT_EQ(platform.registryFile.writeCount, writes);
  EXPECT_EQ(UsageRows().size(), 3);
}

// A value that is no day, one too large for a day (refused rather than dropped), a key below.
TEST_F(RegistryImportTest, StatisticsThatAreNoDaysAreRefusedAndLeaveTheRegistryAsItWas) {
  auto db = Open();
  const std::tuple<QString, QString, RegValue> damages[] = {
      {RegistryStatsKey, QStringLiteral("yesterday"), RegValue::FromBinary({})},
      {RegistryStatsKey, QStringLiteral("36528"), RegValue::FromBinary(QByteArray(41, 1))},
      {RegistryStatsKey + QStringLiteral("\\Inner"), QStringLiteral("x"), RegValue::FromDWord(1)},
  };
  for (const auto& [key, name, value] : damages) {
    Hive().DeleteKey(RegistryStatsKey);
    Hive().SetValue(RegistryStatsKey, QStringLiteral("36526"), RegValue::FromBinary(StatsValue(1, 2, 3)));
    Hive().SetValue(key, name, value);
    const platform::RegistryHive before = Hive();
    EXPECT_THROW(db->ImportRegistryStats(), StatsImportError);
    EXPECT_TRUE(UsageRows().isEmpty());
    EXPECT_EQ(Hive(), before);
    EXPECT_EQ(platform.registryFile.writeCount, 0);
    EXPECT_EQ(db->LockCount(), 0);
  }
}

// A commit that fails puts the statistics back into the saved registry.
TEST_F(RegistryImportTest, AFailedSaveOrCommitKeepsTheStatisticsAndTheDatabaseUnchanged) {
  Hive().SetValue(RegistryStatsKey, QStringLiteral("36526"), RegValue::FromBinary(StatsValue(1, 2, 3)));
  const platform::RegistryHive before = Hive();
  auto db = Open(0);
  platform.registryFile.failWrites = true;
  EXPECT_THROW(db->ImportRegistryStats(), platform::RegistryError);
  EXPECT_TRUE(UsageRows().isEmpty());
  EXPECT_EQ(Hive(), before);

  platform.registryFile.failWrites = false;
  {
    SqliteProbe reader(Path());
    reader.Exec(QStringLiteral("BEGIN"));
    reader.Rows(QStringLiteral("SELECT COUNT(*) FROM usage"));
    EXPECT_THROW(db->ImportRegistryStats(), SQLiteException);
    reader.Exec(QStringLiteral("COMMIT"));
  }
  EXPECT_TRUE(UsageRows().isEmpty());
  EXPECT_EQ(Hive(), before);
  ASSERT_TRUE(platform.registryFile.contents.has_value());
  EXPECT_TRUE(platform.registryFile.contents->contains("Stats"));
  EXPECT_FALSE(db->InTransaction());

  db->ImportRegistryStats();
  EXPECT_EQ(UsageRows(), QStringList{Row(36526, 0, 1, 2, 3)});
  EXPECT_FALSE(platform.registryFile.contents->contains("Stats"));
}

}  // namespace
}  // namespace meterly
