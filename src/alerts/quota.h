#pragma once

#include "core/quota_period.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <functional>

namespace meterly {

struct QuotaDefinition;
struct Settings;
class TDiskDB;
struct UsageTotals;

namespace platform {
class Clock;
}

// Values of QuotaDefinition::QuotaHours.
namespace QuotaHoursKind {
constexpr quint8 FlatRate = 0;
constexpr quint8 OnOffPeak = 1;
}  // namespace QuotaHoursKind

// Values of QuotaDefinition::QuotaTraffic.
namespace QuotaTrafficKind {
constexpr quint8 Total = 0;
constexpr quint8 DownloadsOnly = 1;
constexpr quint8 UploadsOnly = 2;
}  // namespace QuotaTrafficKind

// Two byte counts: with flat rate the whole amount and 0, with on/off-peak the on-peak and the
// off-peak amount.
struct QuotaAmounts {
  qint64 First = 0;
  qint64 Second = 0;

  friend bool operator==(const QuotaAmounts&, const QuotaAmounts&) = default;
};

// The quota model: works on the one quota definition held in the settings, so that what the
// quota window edits is at once what the figures and the overuse check see. An enumeration value
// outside its range fails the consistency check of "Quota" where it is used.
class TQuotaSetup {
  Q_DECLARE_TR_FUNCTIONS(TQuotaSetup)

 public:
  // The database may be absent (not open, or failed to open): nothing is used then.
  using DatabaseSource = std::function<TDiskDB*()>;

  TQuotaSetup(Settings& settings, platform::Clock& clock, DatabaseSource database);

  QuotaDefinition& Definition();
  const QuotaDefinition& Definition() const;

  // The period of the quota's kind that holds the day serial `date`; 0 means today.
  DayRange GetPeriod(qint32 date = 0) const;
  // Bytes counted in the current period, from the database and what it has not written yet.
  QuotaAmounts GetUsed() const;
  // The allowances in bytes: on-peak (the one allowance of a flat rate) and off-peak.
  QuotaAmounts GetAllowance() const;
  // Whether either half that counts is used up to `percent` percent or more.
  bool IsUsedUp(int percent) const;
  // Days from today to the period's last day, both counted; 1 on (or after) the last day.
  qint32 DaysLeft() const;

  // The current period's dates in the locale's short format: one day, or "first - last".
  QString GetPeriodText(const QLocale& locale = QLocale::system()) const;
  // "Type: 每月, Hours: Flat rate, Traffic: Total, 500 MB"
  QString GetSummary() const;

  // used / allowance * 100 to the nearest whole number, a half going to the even neighbour;
  // 100 when there is no allowance (0 or negative). Saturates at the ends of int.
  static int UsedPercent(qint64 used, qint64 allowance);
  // What is left of the allowance; negative when it is exceeded.
  static qint64 Left(qint64 used, qint64 allowance) { return allowance - used; }
  // An even share of what is left over the days left; 0 when nothing is left.
  static qint64 SuggestedDailyUsage(qint64 left, qint32 daysLeft);

  // Display texts of the enumerations, in value order, and of one value.
  static const QStringList& QuotaTypeTexts();
  static const QStringList& QuotaHoursTexts();
  static const QStringList& QuotaTrafficTexts();
  static const QStringList& QuotaUnitTexts();
  static QString QuotaTypeText(quint8 value);
  static QString QuotaHoursText(quint8 value);
  static QString QuotaTrafficText(quint8 value);
  static QString QuotaUnitText(quint8 value);

  // Bytes in one unit of QuotaUnit (KB, MB, GB).
  static qint64 UnitSize(quint8 quotaUnit);

 private:
  qint32 Today() const;
  bool IsOnOffPeak() const;
  quint8 TrafficKind() const;
  static qint64 Counted(quint8 trafficKind, const UsageTotals& totals);

  Settings& settings_;
  platform::Clock& clock_;
  DatabaseSource database_;
};

}  // namespace meterly
