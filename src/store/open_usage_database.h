#pragma once

#include "store/disk_db.h"
#include "store/sqlite_db.h"

#include <memory>

namespace meterly {

struct Settings;

namespace platform {
class Platform;
}

// The usage database could not be opened. The file is left exactly as it was.
class UsageDatabaseOpenError : public SQLiteException {
 public:
  UsageDatabaseOpenError(const QString& fileName, const QString& reason);

  const QString& FileName() const { return fileName_; }
  const QString& Reason() const { return reason_; }

 private:
  QString fileName_;
  QString reason_;
};

// Finds the file (FindUsageDatabaseLocation), creates its folder, opens it with a busy timeout of
// 5000 ms and, at the default location only, moves the statistics of earlier versions out of the
// registry (TDiskDB::ImportRegistryStats).
//
// Raises UsageDatabaseOpenError when the folder cannot be created or written, or the file cannot
// be opened for writing (not a database, damaged, read-only): DiskDB then stays empty. DiskDB is set as
// soon as the file is open, so when the import raises afterwards the database is there and works.
//
// The machine-wide folder is shared by every local user: a file made there is writable by the
// folder's group. When this user may not write the shared file, usage is recorded in the
// per-user folder instead, and the returned notice says why; otherwise it is empty.
QString OpenUsageDatabase(platform::Platform& platform, const Settings& settings, std::unique_ptr<TDiskDB>& DiskDB);

}  // namespace meterly
