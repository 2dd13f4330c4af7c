#include "store/open_usage_database.h"

#include "platform/platform.h"
#include "store/usage_database_location.h"

#include <QDir>
#include <QFileInfo>

namespace meterly {

UsageDatabaseOpenError::UsageDatabaseOpenError(const QString& fileName, const QString& reason)
    : SQLiteException(QStringLiteral("The usage database %1 could not be opened: %2").arg(fileName, reason)),
      fileName_(fileName),
      reason_(reason) {}

void OpenUsageDatabase(platform::Platform& platform, const Settings& settings, std::unique_ptr<TDiskDB>& DiskDB) {
  const UsageDatabaseLocation location = FindUsageDatabaseLocation(platform.userSession());
  const QString fileName = location.FilePath();
  if (!QDir().mkpath(location.Folder)) {
    throw UsageDatabaseOpenError(fileName, QStringLiteral("its folder could not be created"));
  }
  // The journal is made beside the file at the first write: without it every write would fail.
  if (!QFileInfo(location.Folder).isWritable()) {
    throw UsageDatabaseOpenError(fileName, QStringLiteral("its folder may not be written"));
  }
  std::unique_ptr<TDiskDB> db;
  try {
    db = std::make_unique<TDiskDB>(fileName, platform, settings);
  } catch (const SQLiteException& error) {
    throw UsageDatabaseOpenError(fileName, error.message());
  }
  // SQLite quietly opens a file it may not write for reading only; every write would then fail.
  if (db->IsReadOnly()) throw UsageDatabaseOpenError(fileName, QStringLiteral("the file may be read but not written"));
  DiskDB = std::move(db);
  if (!location.Overridden) DiskDB->ImportRegistryStats();
}

}  // namespace meterly
