#include "store/open_usage_database.h"

#include "platform/platform.h"
#include "store/usage_database_location.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace meterly {

UsageDatabaseOpenError::UsageDatabaseOpenError(const QString& fileName, const QString& reason)
    : SQLiteException(QCoreApplication::translate("OpenUsageDatabase", "The usage database %1 could not be opened: %2")
                          .arg(fileName, reason)),
      fileName_(fileName),
      reason_(reason) {}

namespace {

// A new shared file is made group-writable (the folder's set-group-ID bit gives it the folder's
// group); SQLite gives its journal the same permissions. The owner of an older file made with a
// narrower mask widens it.
void PrepareSharedFile(const QString& fileName) {
  constexpr QFileDevice::Permissions kShared = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                               QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                               QFileDevice::ReadOther;
  QFile file(fileName);
  if (!file.exists()) {
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return;
    file.close();
    file.setPermissions(kShared);
    return;
  }
  if ((file.permissions() & QFileDevice::WriteGroup) == 0) file.setPermissions(file.permissions() | kShared);
}

std::unique_ptr<TDiskDB> OpenFile(const QString& folder, platform::Platform& platform, const Settings& settings,
                                  bool shared) {
  const QString fileName = QDir(folder).filePath(UsageDatabaseFileName);
  if (!QDir().mkpath(folder))
    throw UsageDatabaseOpenError(fileName,
                                 QCoreApplication::translate("OpenUsageDatabase", "its folder could not be created"));
  // The journal is made beside the file at the first write: without it every write would fail.
  if (!QFileInfo(folder).isWritable()) {
    throw UsageDatabaseOpenError(fileName,
                                 QCoreApplication::translate("OpenUsageDatabase", "its folder may not be written"));
  }
  if (shared) PrepareSharedFile(fileName);
  std::unique_ptr<TDiskDB> db;
  try {
    db = std::make_unique<TDiskDB>(fileName, platform, settings);
  } catch (const SQLiteException& error) {
    throw UsageDatabaseOpenError(fileName, error.message());
  }
  // SQLite quietly opens a file it may not write for reading only; every write would then fail.
  if (db->IsReadOnly())
    throw UsageDatabaseOpenError(
        fileName, QCoreApplication::translate("OpenUsageDatabase", "the file may be read but not written"));
  return db;
}

}  // namespace

QString OpenUsageDatabase(platform::Platform& platform, const Settings& settings, std::unique_ptr<TDiskDB>& DiskDB) {
  const UsageDatabaseLocation location = FindUsageDatabaseLocation(platform.userSession());
  const QString ownFolder = platform.userSession().DataDir();
  const bool shared = !location.Overridden && QDir(location.Folder) != QDir(ownFolder);
  const QString sharedFile = QDir(location.Folder).filePath(UsageDatabaseFileName);
  QString notice;
  if (shared && QFileInfo::exists(sharedFile) && !QFileInfo(sharedFile).isWritable()) {
    // Another user made it without giving the group the right to write.
    DiskDB = OpenFile(ownFolder, platform, settings, false);
    notice = QCoreApplication::translate("OpenUsageDatabase",
                                         "Usage is recorded in %1 for this user only: the shared usage database %2 "
                                         "may not be written by this user.")
                 .arg(QDir(ownFolder).filePath(UsageDatabaseFileName), sharedFile);
  } else {
    DiskDB = OpenFile(location.Folder, platform, settings, shared);
  }
  try {
    if (!location.Overridden) DiskDB->ImportRegistryStats();
  } catch (...) {
    DiskDB->RefreshPeriodTotals();
    throw;
  }
  DiskDB->RefreshPeriodTotals();
  return notice;
}

}  // namespace meterly
