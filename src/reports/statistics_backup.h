#pragma once

#include "store/disk_db.h"
#include "store/statistics_maintenance.h"

#include <QString>

#include <optional>
#include <stdexcept>
#include <vector>

class QIODevice;

namespace meterly {

// A backup that could not be written or read; the message says why.
class EBackupError : public std::runtime_error {
 public:
  explicit EBackupError(const QString& message) : std::runtime_error(message.toStdString()) {}
  QString message() const { return QString::fromStdString(what()); }
};

// What a backup file holds. Sessions is nullopt when the file has no dialup element: the
// logged sessions then stay as they are.
struct TBackupContents {
  std::vector<TUsageRow> Usage;
  std::optional<std::vector<TRasItem>> Sessions;
};

// Writes the amounts not yet written, then every usage row (by user, day and hour) and every
// logged dial-up session to the file as an XML document in UTF-8. The file is replaced only when
// the whole document is on disk. Raises EBackupError (the file cannot be written, or a text
// holds a character XML cannot carry) or SQLiteException; the old file then stays as it was.
void BackupStatistics(TDiskDB& db, const QString& fileName);
// The document of the backup, for the tests and the file writer alike.
void WriteBackup(TDiskDB& db, QIODevice& device);

// Reads a whole backup, in UTF-8 or windows-1252, without touching the database. Raises
// EBackupError: "Not a backup file", "Corrupted backup file", "missing XML node ..." or the
// XML reader's own error.
TBackupContents ReadBackup(QIODevice& device);
TBackupContents ReadBackupFile(const QString& fileName);

}  // namespace meterly
