#include "display/tray_text.h"

#include "core/conversion.h"
#include "core/main_tick.h"
#include "core/settings.h"

#include <QStringList>

#include <algorithm>
#include <exception>
#include <limits>

namespace meterly {
namespace {

const QString LineBreak = QStringLiteral("\r\n");

enum class TrayPeriod { None, Today, Week, Month };

struct ModeText {
  const char* Title;
  TrayPeriod Period;
};

ModeText ModeTextOf(quint8 mode) {
  switch (mode) {
    case TrayIconModes::DailyTraffic:
      return {"Daily Traffic", TrayPeriod::Today};
    case TrayIconModes::DialupDuration:
      return {"Dialup Duration", TrayPeriod::Today};
    case TrayIconModes::GraphToggle:
      return {"", TrayPeriod::None};
    case TrayIconModes::WeeklyTraffic:
      return {"Weekly Traffic", TrayPeriod::Week};
    case TrayIconModes::MonthlyTraffic:
      return {"Monthly Traffic", TrayPeriod::Month};
    default:
      return {"Transfer Rate", TrayPeriod::None};
  }
}

CaptionedTotals ReadTotals(TDiskDB& db, TrayPeriod period, const UserFilter& user) {
  TSQLiteDB::LockGuard lock(db);
  switch (period) {
    case TrayPeriod::Week:
      return db.GetWeekTotals(user);
    case TrayPeriod::Month:
      return db.GetMonthTotals(user);
    default:
      return db.GetTodayTotals(user);
  }
}

QString TransferRateText(const Settings& settings, const TrayTextFigures& figures, const QLocale& locale) {
  return QStringList{QStringLiteral("DL: ") + FormatSpeed(settings, figures.MeanIn, locale),
                     QStringLiteral("UL: ") + FormatSpeed(settings, figures.MeanOut, locale)}
      .join(LineBreak);
}

QString TrafficText(const Settings& settings, const CaptionedTotals& period, const QLocale& locale) {
  const auto volume = [&](qint64 bytes) { return FormatVolume(false, bytes, settings, locale); };
  const UsageTotals& totals = period.Totals;
  return QStringList{period.Caption, QString(), QStringLiteral("DL: ") + volume(totals.DataIn),
                     QStringLiteral("UL: ") + volume(totals.DataOut),
                     QStringLiteral("SUM: ") + volume(totals.DataIn + totals.DataOut)}
      .join(LineBreak);
}

QString DialupText(const UsageTotals& totals) {
  const qint64 seconds = std::clamp<qint64>(totals.DialupDuration, 0, std::numeric_limits<quint32>::max());
  return FormatDuration(static_cast<quint32>(seconds));
}

QString UsageText(quint8 mode, const Settings& settings, const TrayPeriodFigures& period, const QLocale& locale) {
  if (!period.Totals) return period.Unavailable;
  if (mode == TrayIconModes::DialupDuration) return DialupText(period.Totals->Totals);
  return TrafficText(settings, *period.Totals, locale);
}

}  // namespace

quint8 EffectiveTrayIconMode(quint8 stored) {
  return stored <= TrayIconModes::MonthlyTraffic ? stored : TrayIconModes::TransferRate;
}

TrayPeriodFigures ReadTrayPeriod(TDiskDB* db, quint8 mode, const UserFilter& user) {
  const TrayPeriod period = ModeTextOf(EffectiveTrayIconMode(mode)).Period;
  if (period == TrayPeriod::None) return {};
  if (db == nullptr) return {std::nullopt, QStringLiteral("Usage is not being recorded")};
  try {
    return {ReadTotals(*db, period, user), QString()};
  } catch (const std::exception& error) {
    // Once a second on the user-interface thread: a message box here would come back every tick.
    return {std::nullopt, QStringLiteral("Usage cannot be read: ") + QString::fromUtf8(error.what())};
  }
}

TrayTextResult TrayText(const Settings& settings, const TrayTextFigures& figures, const QLocale& locale) {
  const quint8 mode = EffectiveTrayIconMode(settings.TrayIconMode);
  const ModeText modeText = ModeTextOf(mode);
  TrayTextResult result{QString::fromLatin1(modeText.Title), QString()};
  if (mode == TrayIconModes::TransferRate) {
    result.Text = TransferRateText(settings, figures, locale);
  } else if (modeText.Period != TrayPeriod::None) {
    result.Text = UsageText(mode, settings, figures.Period, locale);
  }
  return result;
}

TrayTextResult CurrentTrayText(const Settings& settings, const MainTick& tick, TDiskDB* db, const QLocale& locale) {
  TrayTextFigures figures;
  figures.MeanIn = MainTick::HistoryMean(tick.InHistory);
  figures.MeanOut = MainTick::HistoryMean(tick.OutHistory);
  const UserFilter user = db != nullptr ? UserFilter(db->GetCurrentUserName()) : std::nullopt;
  figures.Period = ReadTrayPeriod(db, settings.TrayIconMode, user);
  return TrayText(settings, figures, locale);
}

}  // namespace meterly
