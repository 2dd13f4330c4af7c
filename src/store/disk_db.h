#pragma once

#include "core/quota_period.h"
#include "store/peak_hours.h"
#include "store/ras_item.h"
#include "store/sqlite_db.h"

#include <array>
#include <optional>
#include <vector>

namespace meterly {

struct Settings;

namespace platform {
class Clock;
class Platform;
class Registry;
class UserSession;
}  // namespace platform

// What the database takes from the system: the user name, the clock and the registry of
// ImportRegistryStats.
struct DiskDbServices {
  platform::UserSession& Session;
  platform::Clock& Clock;
  platform::Registry& Registry;
};

// A user whose rows are counted, or nullopt for every user.
using UserFilter = std::optional<QString>;

struct UsageTotals {
  qint64 DataIn = 0;
  qint64 DataOut = 0;
  qint64 DialupDuration = 0;  // seconds

  friend bool operator==(const UsageTotals&, const UsageTotals&) = default;
};

struct TotalsSince {
  UsageTotals Totals;
  qint32 FirstDay = 0;  // the first recorded day, or today when nothing is recorded
};

// The usage database: bytes received and sent and dial-up seconds per user, day and hour, and a
// log of finished dial-up sessions, in one SQLite file. The tick adds each second's amounts in
// memory (AddData); FlushPending writes them to the row of the current hour.
//
// The connection is shared between threads: every operation runs between Lock and Unlock (the
// ones that write take the lock themselves; queries expect the caller to hold it).
class TDiskDB final : public TSQLiteDB {
 public:
  static constexpr int DefaultBusyTimeoutMs = 5000;

  // Opens or creates the file and brings its tables to the current layout. The busy timeout is
  // set before the tables are touched, so that another connection's write does not fail the
  // start. Raises SQLiteException. The platform gives the clock, the user name and the registry
  // of ImportRegistryStats; the settings give the peak hours and the week and month starts.
  // Opened read-only, the file is only checked to hold the current layout (SQLiteException
  // otherwise) and is never changed: only the queries may be used.
  TDiskDB(const QString& fileName, platform::Platform& platform, const Settings& settings,
          int busyTimeoutMs = DefaultBusyTimeoutMs, OpenMode mode = OpenMode::ReadWrite);
  // The same with only the services it uses, for a program that has no whole platform.
  TDiskDB(const QString& fileName, const DiskDbServices& services, const Settings& settings,
          int busyTimeoutMs = DefaultBusyTimeoutMs, OpenMode mode = OpenMode::ReadWrite);

  // Adds to the amounts not yet written, under the current local day and hour.
  void AddData(quint32 dialupSeconds, qint64 in, qint64 out);
  // Whether amounts not yet written belong to a day and hour other than the current ones.
  bool PendingHourEnded() const;
  // Writes the amounts not yet written to their hours of the current user, in a transaction of
  // its own. When that fails they stay for the next call, and the exception passes on.
  void FlushPending();
  void ClearPending();

  qint64 PendingIn() const;
  qint64 PendingOut() const;
  quint32 PendingDialup() const;

  // The current user's totals of the current day (QuotaPeriod::Daily), week or month, from
  // memory: what was read from the file, kept current with what is added and written. The
  // file is read again at the next write when another connection changed it or the period
  // turned; RefreshPeriodTotals reads it at once (after a reset or a change of the week or
  // month start).
  UsageTotals CachedPeriodTotals(quint8 periodType);
  // The current day, week or month.
  DayRange CurrentPeriod(quint8 periodType) const;
  void RefreshPeriodTotals();

  // Adds to one row, creating it; only inside a transaction.
  void FlushData(const QString& user, qint32 day, qint32 hour, qint64 in, qint64 out, quint32 dialupSeconds);

  // Logs a finished session; opens no transaction of its own.
  void AddDialupSession(const TRasItem& session);

  // Moves the daily totals of earlier versions from the registry into hour 0 of their days, for
  // the current user, and deletes them from the registry, in one transaction: when anything
  // fails, neither the database nor the registry changes and the exception passes on
  // (StatsImportError, SQLiteException or platform::RegistryError).
  void ImportRegistryStats();

  // Totals over the days first ... last. The amounts not yet written belong to the current hour
  // of the current user: they are included when the range holds today and the user matches.
  UsageTotals GetTotals(qint32 firstDay, qint32 lastDay, const UserFilter& user);
  // The same restricted to the hours of the filter (the settings' peak hours); no dial-up seconds.
  UsageTotals GetHoursTotals(qint32 firstDay, qint32 lastDay, const UserFilter& user, THourFilter filter);
  // Everything ever recorded.
  TotalsSince GetTotalsSince(const UserFilter& user);

  // The table to sum when the hours do not matter: the day totals when the file has them (a file
  // opened for reading only may not yet), else the hourly rows. Both have USER_NAME, DAY,
  // DATA_IN, DATA_OUT and DIALUP_DURATION.
  const QString& DailyTable() const { return dailyTable_; }

  // The login name of the current user, or "Error" when it cannot be told; read once.
  QString GetCurrentUserName() const { return userName_; }

  // The amounts not yet written that belong to the days first ... last, the user and the hours of
  // the mask, each counted in the day and hour it was added in.
  UsageTotals PendingFor(qint32 firstDay, qint32 lastDay, const UserFilter& user, quint32 hourMask) const;
  qint32 Today() const;

 protected:
  void InitSchema() override;

 private:
  void UpgradeToHourlyLayout();
  void CheckCurrentLayout();
  QString DayCondition(qint32 firstDay, qint32 lastDay) const;
  qint64 WholeNumber(const QString& text, const char* operation) const;
  // The amounts of one hour not yet written.
  struct PendingHour {
    qint32 Day = 0;
    qint32 Hour = 0;
    UsageTotals Amounts;
  };
  // What the file held for the current user over one period when it was last read.
  struct StoredPeriod {
    DayRange Range;
    UsageTotals Stored;
  };

  UsageTotals StoredTotals(qint32 firstDay, qint32 lastDay, const UserFilter& user, const char* operation);
  qint64 DataVersion();
  void KeepPeriodsCurrent(const std::vector<PendingHour>& written);

  platform::Clock& clock_;
  platform::Registry& registry_;
  const Settings& settings_;
  const QString userName_;
  const OpenMode mode_;
  QString dailyTable_ = QStringLiteral("usage");
  std::vector<PendingHour> pending_;                          // oldest first
  std::array<std::optional<StoredPeriod>, 3> storedPeriods_;  // by period type
  bool periodsStale_ = true;
  qint64 dataVersion_ = -1;
};

}  // namespace meterly
