#include "store/open_usage_database.h"

#include "core/settings.h"
#include "fakes/fake_platform.h"
#include "store/registry_stats.h"
#include "store/sqlite_probe.h"
#include "store/usage_database_location.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace meterly {
namespace {

using testing_support::FileBytes;
using testing_support::SqliteProbe;
using testing_support::WriteFile;

class OpenUsageDatabaseTest : public ::testing::Test {
 protected:
  OpenUsageDatabaseTest() {
    platform.session.executable = dir.filePath(QStringLiteral("bin/meterly"));
    platform.session.allUsersData = dir.filePath(QStringLiteral("shared/Corvane/Meterly"));
    QDir(dir.path()).mkpath(QStringLiteral("bin"));
    platform.registry().Hive().SetValue(RegistryStatsKey, QStringLiteral("36526"),
                                        platform::RegValue::FromBinary(QByteArray("\x05\0\0\0\0\0\0\0", 8)));
  }

  QString DefaultFile() const { return dir.filePath(QStringLiteral("shared/Corvane/Meterly/Meterly.db")); }
  void WriteIni(const QByteArray& text) { WriteFile(dir.filePath(QStringLiteral("bin/meterly.ini")), text); }

  // Opens and expects a refusal that names the default file and leaves it as it was.
  UsageDatabaseOpenError ExpectRefused() {
    const QByteArray before = FileBytes(DefaultFile());
    try {
      OpenUsageDatabase(platform, settings, DiskDB);
    } catch (const UsageDatabaseOpenError& error) {
      EXPECT_EQ(DiskDB, nullptr);
      EXPECT_EQ(error.FileName(), DefaultFile());
      EXPECT_EQ(FileBytes(DefaultFile()), before);
      return error;
    }
    ADD_FAILURE() << "the database was opened";
    return UsageDatabaseOpenError(QString(), QString());
  }

  QTemporaryDir dir;
  fakes::FakePlatform platform;
  Settings settings;
  std::unique_ptr<TDiskDB> DiskDB;
};

// Every local user records into the machine-wide file: whoever creates it lets the group write
// it, and the journal SQLite makes beside it gets the same rights.
TEST_F(OpenUsageDatabaseTest, TheSharedFileIsMadeGroupWritableAndTheOldStatisticsAreMovedIn) {
  platform.session.data = dir.filePath(QStringLiteral("own"));
  EXPECT_TRUE(OpenUsageDatabase(platform, settings, DiskDB).isEmpty());
  ASSERT_NE(DiskDB, nullptr);
  EXPECT_FALSE(platform.registry().Hive().KeyExists(RegistryStatsKey));
  EXPECT_EQ(SqliteProbe(DefaultFile()).Rows(QStringLiteral("SELECT DAY, HOUR, DATA_IN FROM usage")),
            QStringList{QStringLiteral("36526|0|5")});
  const QFileDevice::Permissions groupWrite = QFileDevice::WriteGroup;
  EXPECT_EQ(QFileInfo(DefaultFile()).permissions() & groupWrite, groupWrite);
  DiskDB->AddData(0, 1, 1);
  DiskDB->FlushPending();
  const QString journal = DefaultFile() + QStringLiteral("-journal");
  ASSERT_TRUE(QFileInfo::exists(journal)) << "a truncated journal stays";
  EXPECT_EQ(QFileInfo(journal).permissions() & groupWrite, groupWrite);
}

TEST_F(OpenUsageDatabaseTest, AUserWhoMayNotWriteTheSharedFileRecordsInTheirOwnAndIsTold) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may write any file";
  platform.session.data = dir.filePath(QStringLiteral("own"));
  WriteFile(DefaultFile(), "");
  QFile(DefaultFile()).setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
  const QString notice = OpenUsageDatabase(platform, settings, DiskDB);
  ASSERT_NE(DiskDB, nullptr);
  EXPECT_TRUE(QFileInfo::exists(dir.filePath(QStringLiteral("own/Meterly.db"))));
  EXPECT_TRUE(notice.contains(DefaultFile())) << notice.toStdString();
}

TEST_F(OpenUsageDatabaseTest, TheIniBesideTheProgramNamesAnotherFolderAndNothingIsImported) {
  const QString custom = dir.filePath(QStringLiteral("elsewhere/db"));
  WriteIni("[DB]\nLocation=" + custom.toUtf8() + "\n");
  OpenUsageDatabase(platform, settings, DiskDB);
  ASSERT_NE(DiskDB, nullptr);
  EXPECT_TRUE(QFileInfo::exists(custom + QStringLiteral("/Meterly.db")));
  EXPECT_FALSE(QFileInfo::exists(DefaultFile()));
  EXPECT_TRUE(platform.registry().Hive().KeyExists(RegistryStatsKey));
}

// Only a Location in the [DB] section counts, in any case, with spaces, quotes and any line ends;
// an empty one keeps the default, and a relative one starts beside the ini.
TEST_F(OpenUsageDatabaseTest, TheIniLocationIsReadFromItsSectionOnly) {
  EXPECT_EQ(FindUsageDatabaseLocation(platform.session).FilePath(), DefaultFile()) << "no ini";
  const std::pair<QByteArray, QString> rows[] = {
      {"Location=/top\n[DB]\n;Location=/comment\nOther=1\n[DB2]\nLocation=/other\n", DefaultFile()},
      {"[DB]\nLocation=\n", DefaultFile()},
      {"; where the usage goes\n[Main]\nLocation=/wrong\n[db]\r\n  location = \"/srv/usage\"  \r\n",
       QStringLiteral("/srv/usage/Meterly.db")},
      {"[DB]\nLocation=/srv/Zähler=1\n", QStringLiteral("/srv/Zähler=1/Meterly.db")},
      {"[DB]\nLocation=data/usage\n", dir.filePath(QStringLiteral("bin/data/usage/Meterly.db"))},
  };
  for (const auto& [ini, file] : rows) {
    WriteIni(ini);
    const UsageDatabaseLocation location = FindUsageDatabaseLocation(platform.session);
    EXPECT_EQ(location.FilePath(), file) << ini.toStdString();
    EXPECT_EQ(location.Overridden, file != DefaultFile()) << ini.toStdString();
  }
}

TEST_F(OpenUsageDatabaseTest, AFileThatIsNoDatabaseOrIsDamagedIsNamedInTheErrorAndLeftAlone) {
  QByteArray notADatabase;
  for (int i = 0; i < 200; ++i) notADatabase += "these are somebody's notes, not a database\n";
  WriteFile(DefaultFile(), notADatabase);
  const UsageDatabaseOpenError error = ExpectRefused();
  EXPECT_TRUE(error.message().contains(DefaultFile())) << error.what();
  EXPECT_TRUE(error.Reason().contains(QStringLiteral("file is not a database"))) << error.what();
  EXPECT_TRUE(platform.registry().Hive().KeyExists(RegistryStatsKey));

  QFile::remove(DefaultFile());
  OpenUsageDatabase(platform, settings, DiskDB);
  DiskDB->AddData(0, 1, 2);
  DiskDB->FlushPending();
  DiskDB.reset();
  QByteArray damaged = FileBytes(DefaultFile());
  ASSERT_GT(damaged.size(), 200);
  damaged.replace(100, 60, QByteArray(60, '\xee'));  // the page that lists the tables
  WriteFile(DefaultFile(), damaged);
  EXPECT_TRUE(ExpectRefused().Reason().contains(QStringLiteral("The database disk image is malformed")));
}

TEST_F(OpenUsageDatabaseTest, AFolderThatCannotBeMadeIsReported) {
  WriteFile(dir.filePath(QStringLiteral("shared")), "a file where a folder should be");
  EXPECT_EQ(ExpectRefused().Reason(), QStringLiteral("its folder could not be created"));
}

TEST_F(OpenUsageDatabaseTest, AFileThatMayOnlyBeReadIsRefused) {
  platform.session.data = QFileInfo(DefaultFile()).path();  // the user's own file: nowhere else to go
  OpenUsageDatabase(platform, settings, DiskDB);
  DiskDB.reset();
  QFile::setPermissions(DefaultFile(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
  QFile probe(DefaultFile());
  if (probe.open(QIODevice::ReadWrite)) GTEST_SKIP() << "file permissions do not bind this user (root)";
  EXPECT_EQ(ExpectRefused().Reason(), QStringLiteral("the file may be read but not written"));
}

TEST_F(OpenUsageDatabaseTest, AFolderThatMayNotBeWrittenIsRefused) {
  const QString folder = QFileInfo(DefaultFile()).path();
  QDir().mkpath(folder);
  QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
  if (QFileInfo(folder).isWritable()) GTEST_SKIP() << "file permissions do not bind this user (root)";
  EXPECT_EQ(ExpectRefused().Reason(), QStringLiteral("its folder may not be written"));
  EXPECT_FALSE(QFileInfo::exists(DefaultFile()));
  QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);  // for the clean-up
}

TEST_F(OpenUsageDatabaseTest, AFailedImportLeavesAWorkingDatabase) {
  platform.registry().Hive().SetValue(RegistryStatsKey, QStringLiteral("not a day"),
                                      platform::RegValue::FromBinary(QByteArray(20, '\0')));
  EXPECT_THROW(OpenUsageDatabase(platform, settings, DiskDB), StatsImportError);
  ASSERT_NE(DiskDB, nullptr);
  DiskDB->AddData(0, 3, 4);
  DiskDB->FlushPending();
  SqliteProbe probe(DefaultFile());
  EXPECT_EQ(probe.Value(QStringLiteral("SELECT SUM(DATA_IN) FROM usage")), QStringLiteral("3"));
}

}  // namespace
}  // namespace meterly
