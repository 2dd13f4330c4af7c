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

  QString Path() const { return dir.filePath(QStringLiteral("Meterly.db")); }
  std::unique_ptr<TDiskDB> OpenReadOnly() {
    return std::make_unique<TDiskDB>(Path(), platform, settings, TDiskDB::DefaultBusyTimeoutMs, OpenMode::ReadOnly);
  }

  QTemporaryDir dir;
  fakes::FakePlatform platform;
  Settings settings;
};

TEST_F(DiskDBReadOnlyTest, AMissingFileIsNotCreated) {
  EXPECT_THROW(OpenReadOnly(), SQLiteException);
  EXPECT_FALSE(QFile::exists(Path()));
}

TEST_F(DiskDBReadOnlyTest, AFileOfAnotherLayoutOrNoDatabaseIsRefusedUnchanged) {
  const QList<QByteArray> contents{QByteArray(), QByteArray("not a database, just text\n")};
  for (const QByteArray& content : contents) {
    testing_support::WriteFile(Path(), content);
    const FileState before(Path());
    EXPECT_THROW(OpenReadOnly(), SQLiteException) << content.toStdString();
    EXPECT_TRUE(FileState(Path()) == before);
  }
  // The daily layout of earlier versions would need an upgrade, which a reader may not make.
  QFile::remove(Path());
  SqliteProbe(Path()).Exec(QStringLiteral("CREATE TABLE usage (USER_NAME, DAY, DATA_IN, DATA_OUT, DIALUP_DURATION)"));
  const FileState before(Path());
  EXPECT_THROW(OpenReadOnly(), SQLiteException);
  EXPECT_TRUE(FileState(Path()) == before);
}

}  // namespace
}  // namespace meterly
