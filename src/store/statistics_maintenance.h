#pragma once

#include "store/disk_db.h"
#include "store/ras_item.h"

#include <optional>
#include <vector>

namespace meterly {

// One row of the usage table as a backup holds it.
struct TUsageRow {
  QString User;
  qint32 Day = 0;
  qint32 Hour = 0;
  qint64 DataIn = 0;
  qint64 DataOut = 0;
  qint64 Dialup = 0;  // seconds

  friend bool operator==(const TUsageRow&, const TUsageRow&) = default;
};

// Deletes the usage of one user, or of every user together with the logged dial-up sessions
// (which belong to no user), in one transaction. The amounts not yet written are dropped only
// when they are among what is deleted, and only once the deletion is committed. Raises
// SQLiteException; nothing changes then.
void ResetStatistics(TDiskDB& db, const UserFilter& user);

// Replaces every usage row by the given ones (rows of the same user, day and hour add up) and,
// when sessions are given, every logged dial-up session, in one transaction. The amounts not yet
// written are dropped once it is committed. Raises SQLiteException; nothing changes then.
void ReplaceStatistics(TDiskDB& db, const std::vector<TUsageRow>& rows,
                       const std::optional<std::vector<TRasItem>>& sessions);

}  // namespace meterly
