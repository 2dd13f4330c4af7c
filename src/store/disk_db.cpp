#include "store/disk_db.h"

#include "base/assertion.h"
#include "base/date_serial.h"
#include "core/settings.h"
#include "platform/platform.h"
#include "store/day_totals_table.h"
#include "store/registry_stats.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <limits>
#include <utility>

namespace meterly {

namespace {

const QString kTotalsColumns = QStringLiteral(
    "SELECT COALESCE(SUM(DATA_IN), 0), \nCOALESCE(SUM(DATA_OUT), 0),\n"
    "COALESCE(SUM(DIALUP_DURATION), 0)");
const QString kTrafficColumns = QStringLiteral("SELECT COALESCE(SUM(DATA_IN), 0), \nCOALESCE(SUM(DATA_OUT), 0)");

QString UserCondition(const UserFilter& user, const QString& prefix) {
  return user ? prefix + QuotedSQL(*user) : QString();
}

// The lines of a totals query, without the empty ones.
QString JoinLines(const QStringList& lines) {
  QStringList present;
  for (const QString& line : lines) {
    if (!line.isEmpty()) present.append(line);
  }
  return present.join(QLatin1Char('\n'));
}

QString NameOfUser(platform::UserSession& session) {
  const QString name = session.UserName();
  return name.isEmpty() ? QStringLiteral("Error") : name;
}

bool InRange(const DayRange& range, qint32 day) { return day >= range.First && day <= range.Last; }

void Add(UsageTotals& sum, const UsageTotals& amounts) {
  sum.DataIn += amounts.DataIn;
  sum.DataOut += amounts.DataOut;
  sum.DialupDuration += amounts.DialupDuration;
}

}  // namespace

TDiskDB::TDiskDB(const QString& fileName, platform::Platform& platform, const Settings& settings, int busyTimeoutMs,
                 OpenMode mode)
    : TDiskDB(fileName, DiskDbServices{platform.userSession(), platform.clock(), platform.registry()}, settings,
              busyTimeoutMs, mode) {}

TDiskDB::TDiskDB(const QString& fileName, const DiskDbServices& services, const Settings& settings, int busyTimeoutMs,
                 OpenMode mode)
    : TSQLiteDB(fileName, true, QStringLiteral("TDiskDB"), mode),
      clock_(services.Clock),
      registry_(services.Registry),
      settings_(settings),
      userName_(NameOfUser(services.Session)),
      mode_(mode) {
  SetBusyTimeout(busyTimeoutMs);
  InitSchema();
}

void TDiskDB::InitSchema() {
  LockGuard lock(*this);
  if (mode_ == OpenMode::ReadOnly) {
    CheckCurrentLayout();
    if (DayTotalsTable::Exists(*this)) dailyTable_ = DayTotalsTable::Name;
    return;
  }
  ExecSQL(QStringLiteral("PRAGMA journal_mode = TRUNCATE"));
  ExecSQL(QStringLiteral("PRAGMA synchronous = NORMAL"));
  // A row replaced on a conflict is deleted through the triggers too, so the day totals stay right.
  ExecSQL(QStringLiteral("PRAGMA recursive_triggers = ON"));
  RunInTransaction([this] {
    ExecSQL(
        QStringLiteral("CREATE TABLE IF NOT EXISTS usage (USER_NAME VARCHAR(64) NOT NULL, DAY INTEGER NOT NULL, "
                       "DATA_IN BIGINT NOT NULL, DATA_OUT BIGINT NOT NULL, DIALUP_DURATION INTEGER NOT NULL, "
                       "PRIMARY KEY (USER_NAME, DAY))"));
    ExecSQL(QStringLiteral("CREATE INDEX IF NOT EXISTS IDX_USAGE_DAY ON usage (DAY)"));
    ExecSQL(
        QStringLiteral("CREATE TABLE IF NOT EXISTS dialup (CONN_NAME VARCHAR(256) NOT NULL, SINCE DATETIME NOT "
                       "NULL, DURATION INTEGER NOT NULL, DATA_IN BIGINT NOT NULL, DATA_OUT BIGINT NOT NULL)"));
    if (GetUserVersion() == 0) UpgradeToHourlyLayout();
    DayTotalsTable::Ensure(*this);
  });
  dailyTable_ = DayTotalsTable::Name;
}

// A file this connection may not upgrade must already have the hourly layout.
void TDiskDB::CheckCurrentLayout() {
  if (GetUserVersion() == 1) return;
  throw SQLiteException(ClassName() + QStringLiteral(".Create : ") +
                        QCoreApplication::translate("TDiskDB", "the file holds no usage record of this version"));
}

// Every row of the daily layout becomes hour 0 of its day.
void TDiskDB::UpgradeToHourlyLayout() {
  ExecSQL(
      QStringLiteral("CREATE TABLE temp (USER_NAME VARCHAR(64) NOT NULL, DAY INTEGER NOT NULL,HOUR INTEGER "
                     "DEFAULT 0 NOT NULL CHECK (HOUR BETWEEN 0 AND 23), DATA_IN BIGINT NOT NULL, DATA_OUT BIGINT "
                     "NOT NULL, DIALUP_DURATION INTEGER NOT NULL,PRIMARY KEY (USER_NAME, DAY, HOUR))"));
  ExecSQL(
      QStringLiteral("INSERT INTO temp (USER_NAME, DAY, DATA_IN, DATA_OUT, DIALUP_DURATION) SELECT USER_NAME, "
                     "DAY, DATA_IN, DATA_OUT, DIALUP_DURATION FROM usage"));
  ExecSQL(QStringLiteral("DROP TABLE usage"));
  ExecSQL(QStringLiteral("ALTER TABLE temp RENAME TO usage"));
  ExecSQL(QStringLiteral("CREATE INDEX IDX_USAGE_HOUR ON usage (HOUR)"));
  ExecSQL(QStringLiteral("CREATE INDEX IDX_USAGE_DAY ON usage (DAY)"));
  SetUserVersion(1);
}

void TDiskDB::AddData(quint32 dialupSeconds, qint64 in, qint64 out) {
  const QDateTime now = clock_.Now();
  const qint32 day = DateToDaySerial(now.date());
  const int hour = now.time().hour();
  if (pending_.empty() || pending_.back().Day != day || pending_.back().Hour != hour) {
    pending_.push_back({day, hour, {}});
  }
  Add(pending_.back().Amounts, {in, out, dialupSeconds});
}

bool TDiskDB::PendingHourEnded() const {
  if (pending_.empty()) return false;
  const QDateTime now = clock_.Now();
  return pending_.front().Day != DateToDaySerial(now.date()) || pending_.front().Hour != now.time().hour();
}

void TDiskDB::ClearPending() { pending_.clear(); }

qint64 TDiskDB::PendingIn() const {
  qint64 sum = 0;
  for (const PendingHour& hour : pending_) sum += hour.Amounts.DataIn;
  return sum;
}

qint64 TDiskDB::PendingOut() const {
  qint64 sum = 0;
  for (const PendingHour& hour : pending_) sum += hour.Amounts.DataOut;
  return sum;
}

quint32 TDiskDB::PendingDialup() const {
  qint64 sum = 0;
  for (const PendingHour& hour : pending_) sum += hour.Amounts.DialupDuration;
  return static_cast<quint32>(sum);
}

void TDiskDB::FlushPending() {
  const bool nothing = std::all_of(pending_.begin(), pending_.end(),
                                   [](const PendingHour& hour) { return hour.Amounts == UsageTotals{}; });
  if (nothing) {
    pending_.clear();
    return;
  }
  LockGuard lock(*this);
  // Another connection's commit changes the version this connection sees; our own do not.
  if (DataVersion() != dataVersion_) periodsStale_ = true;
  RunInTransaction([this] {
    for (const PendingHour& hour : pending_) {
      FlushData(GetCurrentUserName(), hour.Day, hour.Hour, hour.Amounts.DataIn, hour.Amounts.DataOut,
                static_cast<quint32>(hour.Amounts.DialupDuration));
    }
  });
  const std::vector<PendingHour> written = std::exchange(pending_, {});
  if (periodsStale_) {
    RefreshPeriodTotals();
  } else {
    KeepPeriodsCurrent(written);
  }
}

qint64 TDiskDB::DataVersion() {
  return WholeNumber(FetchFirstRow(QStringLiteral("PRAGMA data_version")).value(0), ".DataVersion");
}

void TDiskDB::KeepPeriodsCurrent(const std::vector<PendingHour>& written) {
  for (std::optional<StoredPeriod>& period : storedPeriods_) {
    if (!period) continue;
    for (const PendingHour& hour : written) {
      if (InRange(period->Range, hour.Day)) Add(period->Stored, hour.Amounts);
    }
  }
}

void TDiskDB::RefreshPeriodTotals() {
  LockGuard lock(*this);
  dataVersion_ = DataVersion();
  for (quint8 type = QuotaPeriod::Daily; type <= QuotaPeriod::Monthly; ++type) {
    const DayRange range = CurrentPeriod(type);
    storedPeriods_[type] =
        StoredPeriod{range, StoredTotals(range.First, range.Last, userName_, ".RefreshPeriodTotals")};
  }
  periodsStale_ = false;
}

UsageTotals TDiskDB::CachedPeriodTotals(quint8 periodType) {
  METERLY_ASSERT(periodType <= QuotaPeriod::Monthly, "Main", "Unknown period type");
  const DayRange range = CurrentPeriod(periodType);
  std::optional<StoredPeriod>& period = storedPeriods_[periodType];
  if (!period || period->Range != range) {
    // A period that has just begun holds nothing this program has written yet; the next write
    // reads the file again in case another one did.
    period = StoredPeriod{range, {}};
    periodsStale_ = true;
  }
  UsageTotals totals = period->Stored;
  Add(totals, PendingFor(range.First, range.Last, userName_, AllHoursMask));
  return totals;
}

void TDiskDB::FlushData(const QString& user, qint32 day, qint32 hour, qint64 in, qint64 out, quint32 dialupSeconds) {
  METERLY_ASSERT(InTransaction(), "Main", "FlushData is called outside of a transaction");
  const QString amounts[] = {QString::number(in), QString::number(out), QString::number(dialupSeconds)};
  const QString key[] = {QuotedSQL(user), QString::number(day), QString::number(hour)};
  // One pass of arg(): a user name holding "%1" must stay as it is.
  ExecSQL(QStringLiteral("UPDATE usage SET DATA_IN = DATA_IN + %1, DATA_OUT = DATA_OUT + %2, DIALUP_DURATION = "
                         "DIALUP_DURATION + %3 WHERE USER_NAME = %4 AND DAY = %5 AND HOUR = %6")
              .arg(amounts[0], amounts[1], amounts[2], key[0], key[1], key[2]));
  if (GetRowsAffected() != 0) return;
  ExecSQL(QStringLiteral("INSERT OR REPLACE INTO usage (USER_NAME, DAY, HOUR, DATA_IN, DATA_OUT, DIALUP_DURATION) "
                         "VALUES (%1, %2, %3, %4, %5, %6)")
              .arg(key[0], key[1], key[2], amounts[0], amounts[1], amounts[2]));
}

void TDiskDB::AddDialupSession(const TRasItem& session) {
  ExecSQL(QStringLiteral("INSERT INTO dialup (CONN_NAME, SINCE, DURATION, DATA_IN, DATA_OUT) VALUES (%1, %2, %3, %4, "
                         "%5)")
              .arg(QuotedSQL(session.Name), QuotedSQL(DateTimeToSQL(session.Since, true)),
                   QString::number(session.Duration), QString::number(session.DataIn),
                   QString::number(session.DataOut)));
}

void TDiskDB::ImportRegistryStats() {
  platform::Registry& registry = registry_;
  const std::optional<std::vector<RegistryStatsDay>> days = ReadRegistryStats(registry.Hive());
  if (!days) return;

  LockGuard lock(*this);
  const RegistryStatsValues removed = RemoveRegistryStats(registry.Hive());
  bool registrySaved = false;
  try {
    RunInTransaction([&] {
      const QString user = GetCurrentUserName();
      for (const RegistryStatsDay& day : *days) {
        FlushData(user, day.Day, 0, day.DataIn, day.DataOut, day.DialupDuration);
      }
      registry.Save();
      registrySaved = true;
    });
  } catch (...) {
    // The totals were not committed: they must stay in the registry, or they would be lost.
    RestoreRegistryStats(registry.Hive(), removed);
    if (registrySaved) {
      try {
        registry.Save();
      } catch (const platform::RegistryError&) {
        // Still in the hive in memory: the next save of the settings writes them back.
      }
    }
    throw;
  }
}

qint32 TDiskDB::Today() const { return DateToDaySerial(clock_.Now().date()); }

QString TDiskDB::DayCondition(qint32 firstDay, qint32 lastDay) const {
  if (firstDay == lastDay) return QStringLiteral("DAY = %1").arg(firstDay);
  return QStringLiteral("DAY BETWEEN %1 AND %2").arg(firstDay).arg(lastDay);
}

UsageTotals TDiskDB::PendingFor(qint32 firstDay, qint32 lastDay, const UserFilter& user, quint32 hourMask) const {
  UsageTotals sum;
  if (user && *user != GetCurrentUserName()) return sum;
  for (const PendingHour& hour : pending_) {
    if (hour.Day >= firstDay && hour.Day <= lastDay && HourInMask(hourMask, hour.Hour)) Add(sum, hour.Amounts);
  }
  return sum;
}

qint64 TDiskDB::WholeNumber(const QString& text, const char* operation) const {
  bool ok = false;
  const qint64 value = text.toLongLong(&ok);
  if (!ok) {
    throw SQLiteException(ClassName() + QString::fromLatin1(operation) + QStringLiteral(" : ") +
                          QCoreApplication::translate("TDiskDB", "not a whole number: \"%1\"").arg(text));
  }
  return value;
}

UsageTotals TDiskDB::StoredTotals(qint32 firstDay, qint32 lastDay, const UserFilter& user, const char* operation) {
  const QStringList row = FetchFirstRow(
      JoinLines({kTotalsColumns, QStringLiteral("FROM usage"), QStringLiteral("WHERE"), DayCondition(firstDay, lastDay),
                 UserCondition(user, QStringLiteral("AND USER_NAME = "))}));
  return {WholeNumber(row.value(0), operation), WholeNumber(row.value(1), operation),
          WholeNumber(row.value(2), operation)};
}

UsageTotals TDiskDB::GetTotals(qint32 firstDay, qint32 lastDay, const UserFilter& user) {
  UsageTotals totals = StoredTotals(firstDay, lastDay, user, ".GetTotals");
  Add(totals, PendingFor(firstDay, lastDay, user, AllHoursMask));
  return totals;
}

UsageTotals TDiskDB::GetHoursTotals(qint32 firstDay, qint32 lastDay, const UserFilter& user, THourFilter filter) {
  const quint32 mask = MaskOfFilter(PeakHourMasks(settings_.PeakHourFrom, settings_.PeakHourTo), filter);
  // "+HOUR" keeps SQLite on the day index: through the hour index it would read most of the
  // table (about 130 ms on ten years of data instead of under 1 ms).
  const QString hours =
      filter == THourFilter::AllHours ? QString() : QStringLiteral("AND +HOUR IN (%1)").arg(HourList(mask));
  const QStringList row = FetchFirstRow(
      JoinLines({kTrafficColumns, QStringLiteral("FROM usage"), QStringLiteral("WHERE"),
                 DayCondition(firstDay, lastDay), hours, UserCondition(user, QStringLiteral("AND USER_NAME = "))}));
  const UsageTotals pending = PendingFor(firstDay, lastDay, user, mask);
  return {WholeNumber(row.value(0), ".GetHoursTotals") + pending.DataIn,
          WholeNumber(row.value(1), ".GetHoursTotals") + pending.DataOut, 0};
}

TotalsSince TDiskDB::GetTotalsSince(const UserFilter& user) {
  const QString& table = DailyTable();
  const QStringList row =
      FetchFirstRow(QStringLiteral("SELECT COALESCE(SUM(DATA_IN), 0), COALESCE(SUM(DATA_OUT), 0), "
                                   "COALESCE(SUM(DIALUP_DURATION), 0), COALESCE(MIN(DAY), 0) FROM ") +
                    table + UserCondition(user, QStringLiteral(" WHERE USER_NAME = ")));
  const qint32 today = Today();
  const UsageTotals pending =
      PendingFor(std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max(), user, AllHoursMask);
  TotalsSince result;
  result.Totals = {WholeNumber(row.value(0), ".GetTotalsSince") + pending.DataIn,
                   WholeNumber(row.value(1), ".GetTotalsSince") + pending.DataOut,
                   WholeNumber(row.value(2), ".GetTotalsSince") + pending.DialupDuration};
  const auto firstDay = static_cast<qint32>(WholeNumber(row.value(3), ".GetTotalsSince"));
  result.FirstDay = firstDay != 0 ? firstDay : today;
  return result;
}

DayRange TDiskDB::CurrentPeriod(quint8 periodType) const { return GetPeriod(periodType, 0, settings_, Today()); }

}  // namespace meterly
