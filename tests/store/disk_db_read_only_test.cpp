#include "core/settings.h"
#include "fakes/fake_platform.h"
#include "store/disk_db.h"
#include "store/sqlite_probe.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace meterly {
namespace {

using testing_support::FileBytes;
using testing_support::SqliteProbe;

// What a reader must never change: the bytes, the time of the last change, the files beside it.
struct FileState {
  explicit FileState(const QString& path)
      : bytes(FileBytes(path)),
        modified(QFileInfo(path).lastModified()),
        neighbours(QFileInfo(path).dir().entryList(QDir::Files)) {}
  QByteArray bytes;
  QDateTime modified;
  QStringList neighbours;
  friend bool operator==(const FileState&, const FileState&) = default;
};

class DiskDBReadOnlyTest : public ::testing::Test {
 protected:
  DiskDBReadOnlyTest() { platform.clockFake.localNow = QDateTime(QDate(2026, 3, 31), QTime(12, 30)); }

  QString path() const { return dir.filePath(QStringLiteral("Meterly.db")); }
  std::unique_ptr<TDiskDB> openReadOnly() {
    return std::make_unique<TDiskDB>(path(), platform, settings, TDiskDB::DefaultBusyTimeoutMs, OpenMode::ReadOnly);
  }

  QTemporaryDir dir;
  fakes::FakePlatform platform;
  Settings settings;
};

TEST_F(DiskDBReadOnlyTest, AMissingFileIsNotCreated) {
  EXPECT_THROW(openReadOnly(), SQLiteException);
  EXPECT_FALSE(QFile::exists(path()));
}

TEST_F(DiskDBReadOnlyTest, AFileOfAnotherLayoutOrNoDatabaseIsRefusedUnchanged) {
  const QList<QByteArray> contents{QByteArray(), QByteArray("not a database, just text\n")};
  for (const QByteArray& content : contents) {
    testing_support::WriteFile(path(), content);
    const FileState before(path());
    EXPECT_THROW(openReadOnly(), SQLiteException) << content.toStdString();
    EXPECT_TRUE(FileState(path()) == before);
  }
  // The daily layout of earlier versions would need an upgrade, which a reader may not make.
  QFile::remove(path());
  SqliteProbe(path()).exec(QStringLiteral("CREATE TABLE usage (USER_NAME, DAY, DATA_IN, DATA_OUT, DIALUP_DURATION)"));
  const FileState before(path());
  EXPECT_THROW(openReadOnly(), SQLiteException);
  EXPECT_TRUE(FileState(path()) == before);
}

}  // namespace
}  // namespace meterly
