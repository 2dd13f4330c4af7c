#include "alerts/quota.h"

#include "base/assertion.h"
#include "base/date_serial.h"
#include "core/settings.h"
#include "platform/clock.h"
#include "store/disk_db.h"

#include <limits>

namespace meterly {

namespace {

// A percentage of a 64-bit byte count needs about 71 bits before the division.
__extension__ using Wide = __int128;

// The text of an enumeration value, as shown; a value outside the list fails the model's check.
QString TextOf(const QStringList& texts, quint8 value, const char* failure) {
  METERLY_ASSERT(value < texts.size(), "Quota", failure);
  return QCoreApplication::translate("TQuotaSetup", texts.at(value).toUtf8().constData());
}

// n / d rounded to the nearest whole number, a half going to the even neighbour; d > 0.
Wide DivideHalfToEven(Wide n, Wide d) {
  Wide quotient = n / d;
  const Wide twiceRest = 2 * (n % d < 0 ? -(n % d) : n % d);
  const Wide away = n < 0 ? -1 : 1;
  if (twiceRest > d || (twiceRest == d && quotient % 2 != 0)) quotient += away;
  return quotient;
}

}  // namespace

TQuotaSetup::TQuotaSetup(Settings& settings, platform::Clock& clock, DatabaseSource database)
    : settings_(settings), clock_(clock), database_(std::move(database)) {}

QuotaDefinition& TQuotaSetup::Definition() { return settings_.Quota; }
const QuotaDefinition& TQuotaSetup::Definition() const { return settings_.Quota; }

qint32 TQuotaSetup::Today() const { return DateToDaySerial(clock_.Now().date()); }

bool TQuotaSetup::IsOnOffPeak() const {
  const quint8 hours = Definition().QuotaHours;
  METERLY_ASSERT(hours < QuotaHoursTexts().size(), "Quota", "Unknown quota hours");
  return hours == QuotaHoursKind::OnOffPeak;
}

quint8 TQuotaSetup::TrafficKind() const {
  const quint8 traffic = Definition().QuotaTraffic;
  METERLY_ASSERT(traffic < QuotaTrafficTexts().size(), "Quota", "Unknown quota traffic");
  return traffic;
}

qint64 TQuotaSetup::Counted(quint8 trafficKind, const UsageTotals& totals) {
  switch (trafficKind) {
    case QuotaTrafficKind::DownloadsOnly:
      return totals.DataIn;
    case QuotaTrafficKind::UploadsOnly:
      return totals.DataOut;
    default:
      return totals.DataIn + totals.DataOut;
  }
}

DayRange TQuotaSetup::GetPeriod(qint32 date) const {
  const quint8 type = Definition().QuotaType;
  METERLY_ASSERT(type < QuotaTypeTexts().size(), "Quota", "Unknown quota type");
  return meterly::GetPeriod(type, date, settings_, Today());
}

QuotaAmounts TQuotaSetup::GetUsed() const {
  const bool onOffPeak = IsOnOffPeak();
  const quint8 traffic = TrafficKind();
  const DayRange period = GetPeriod();
  TDiskDB* db = database_ ? database_() : nullptr;
  if (db == nullptr) return {};

  TSQLiteDB::LockGuard lock(*db);
  const auto countedIn = [&](THourFilter hours) {
    return Counted(traffic, db->GetHoursTotals(period.First, period.Last, std::nullopt, hours));
  };
  if (!onOffPeak) return {countedIn(THourFilter::AllHours), 0};
  return {countedIn(THourFilter::PeakHours), countedIn(THourFilter::OffPeakHours)};
}

QuotaAmounts TQuotaSetup::GetAllowance() const {
  const qint64 unit = UnitSize(Definition().QuotaUnit);
  return {Definition().OnPeakAllowance * unit, Definition().OffPeakAllowance * unit};
}

bool TQuotaSetup::IsUsedUp(int percent) const {
  const bool onOffPeak = IsOnOffPeak();
  const QuotaAmounts used = GetUsed();
  const QuotaAmounts allowance = GetAllowance();
  if (UsedPercent(used.First, allowance.First) >= percent) return true;
  return onOffPeak && UsedPercent(used.Second, allowance.Second) >= percent;
}

qint32 TQuotaSetup::DaysLeft() const {
  const qint32 today = Today();
  const qint32 last = GetPeriod().Last;
  return last > today ? last - today + 1 : 1;
}

QString TQuotaSetup::GetPeriodText(const QLocale& locale) const {
  const DayRange period = GetPeriod();
  const auto shortDate = [&](qint32 day) { return locale.toString(DaySerialToDate(day), QLocale::ShortFormat); };
  if (Definition().QuotaType == QuotaPeriod::Daily) return shortDate(period.First);
  return shortDate(period.First) + QStringLiteral(" - ") + shortDate(period.Last);
}

QString TQuotaSetup::GetSummary() const {
  const QuotaDefinition& quota = Definition();
  const QString type = QuotaTypeText(quota.QuotaType);
  const QString hours = QuotaHoursText(quota.QuotaHours);
  const QString traffic = QuotaTrafficText(quota.QuotaTraffic);
  // The allowances print as unsigned numbers, as the format has always shown them.
  const QString onPeak = QString::number(static_cast<quint32>(quota.OnPeakAllowance));
  const QString unit = QuotaUnitText(quota.QuotaUnit);
  if (quota.QuotaHours == QuotaHoursKind::OnOffPeak) {
    const QString offPeak = QString::number(static_cast<quint32>(quota.OffPeakAllowance));
    return tr("Type: %1, Hours: %2, Traffic: %3, %4/%5 %6").arg(type, hours, traffic, onPeak, offPeak, unit);
  }
  return tr("Type: %1, Hours: %2, Traffic: %3, %4 %5").arg(type, hours, traffic, onPeak, unit);
}

int TQuotaSetup::UsedPercent(qint64 used, qint64 allowance) {
  if (allowance <= 0) return 100;
  const Wide percent = DivideHalfToEven(Wide{used} * 100, allowance);
  if (percent > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  if (percent < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  return static_cast<int>(percent);
}

qint64 TQuotaSetup::SuggestedDailyUsage(qint64 left, qint32 daysLeft) {
  if (left <= 0 || daysLeft <= 0) return 0;
  return left / daysLeft;
}

const QStringList& TQuotaSetup::QuotaTypeTexts() {
  static const QStringList texts{QStringLiteral(QT_TR_NOOP("每天")), QStringLiteral(QT_TR_NOOP("每周")),
                                 QStringLiteral(QT_TR_NOOP("每月"))};
  return texts;
}

const QStringList& TQuotaSetup::QuotaHoursTexts() {
  static const QStringList texts{QStringLiteral(QT_TR_NOOP("Flat rate")), QStringLiteral(QT_TR_NOOP("On/Off-peak"))};
  return texts;
}

const QStringList& TQuotaSetup::QuotaTrafficTexts() {
  static const QStringList texts{QStringLiteral(QT_TR_NOOP("Total")), QStringLiteral(QT_TR_NOOP("Downloads only")),
                                 QStringLiteral(QT_TR_NOOP("Uploads only"))};
  return texts;
}

const QStringList& TQuotaSetup::QuotaUnitTexts() {
  static const QStringList texts{QStringLiteral("KB"), QStringLiteral("MB"), QStringLiteral("GB")};
  return texts;
}

QString TQuotaSetup::QuotaTypeText(quint8 value) { return TextOf(QuotaTypeTexts(), value, "Unknown quota type"); }

QString TQuotaSetup::QuotaHoursText(quint8 value) { return TextOf(QuotaHoursTexts(), value, "Unknown quota hours"); }

QString TQuotaSetup::QuotaTrafficText(quint8 value) {
  return TextOf(QuotaTrafficTexts(), value, "Unknown quota traffic");
}

QString TQuotaSetup::QuotaUnitText(quint8 value) { return TextOf(QuotaUnitTexts(), value, "Unknown quota unit"); }

qint64 TQuotaSetup::UnitSize(quint8 quotaUnit) {
  METERLY_ASSERT(quotaUnit < QuotaUnitTexts().size(), "Quota", "Unknown quota unit");
  return qint64{1} << (10 * (quotaUnit + 1));
}

}  // namespace meterly
