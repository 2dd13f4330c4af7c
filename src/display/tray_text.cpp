#include "display/tray_text.h"

#include "base/date_serial.h"
#include "core/conversion.h"
#include "core/main_tick.h"
#include "core/settings.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <exception>
#include <limits>

namespace meterly {
namespace {

const QString LineBreak = QStringLiteral("\r\n");

struct Texts {
  Q_DECLARE_TR_FUNCTIONS(TrayText)
};

enum class TrayPeriod { None, Today, Week, Month };

struct ModeText {
  const char* Title;
  TrayPeriod Period;
};

ModeText ModeTextOf(quint8 mode) {
  switch (mode) {
    case TrayIconModes::DailyTraffic:
      return {QT_TRANSLATE_NOOP("TrayText", "Daily Traffic"), TrayPeriod::Today};
    case TrayIconModes::DialupDuration:
      return {QT_TRANSLATE_NOOP("TrayText", "Dialup Duration"), TrayPeriod::Today};
    case TrayIconModes::GraphToggle:
      return {"", TrayPeriod::None};
    case TrayIconModes::WeeklyTraffic:
      return {QT_TRANSLATE_NOOP("TrayText", "Weekly Traffic"), TrayPeriod::Week};
    case TrayIconModes::MonthlyTraffic:
      return {QT_TRANSLATE_NOOP("TrayText", "Monthly Traffic"), TrayPeriod::Month};
    default:
      return {QT_TRANSLATE_NOOP("TrayText", "Transfer Rate"), TrayPeriod::None};
  }
}

QString Caption(const QDate& day, const QString& format) { return QLocale::c().toString(day, format); }

// The period's caption, as the tooltip names it.
QString PeriodCaption(TrayPeriod period, const DayRange& range) {
  switch (period) {
    case TrayPeriod::Week: {
      const QString format = QStringLiteral("MMMM, dd yyyy");
      return Caption(DaySerialToDate(range.First), format) + QStringLiteral(" - ") +
             Caption(DaySerialToDate(range.Last), format);
    }
    case TrayPeriod::Month:
      return Caption(DaySerialToDate(range.Last), QStringLiteral("MMMM yyyy"));
    default:
      return Caption(DaySerialToDate(range.Last), QStringLiteral("MMMM dd, yyyy"));
  }
}

quint8 PeriodType(TrayPeriod period) {
  switch (period) {
    case TrayPeriod::Week:
      return QuotaPeriod::Weekly;
    case TrayPeriod::Month:
      return QuotaPeriod::Monthly;
    default:
      return QuotaPeriod::Daily;
  }
}

QString TransferRateText(const Settings& settings, const TrayTextFigures& figures, const QLocale& locale) {
  return QStringList{Texts::tr("DL: %1").arg(FormatSpeed(settings, figures.MeanIn, locale)),
                     Texts::tr("UL: %1").arg(FormatSpeed(settings, figures.MeanOut, locale))}
      .join(LineBreak);
}

QString TrafficText(const Settings& settings, TrayPeriod period, const PeriodTotals& figures, const QLocale& locale) {
  const auto volume = [&](qint64 bytes) { return FormatVolume(false, bytes, settings, locale); };
  const UsageTotals& totals = figures.Totals;
  return QStringList{PeriodCaption(period, figures.Days), QString(), Texts::tr("DL: %1").arg(volume(totals.DataIn)),
                     Texts::tr("UL: %1").arg(volume(totals.DataOut)),
                     Texts::tr("SUM: %1").arg(volume(totals.DataIn + totals.DataOut))}
      .join(LineBreak);
}

QString DialupText(const UsageTotals& totals) {
  const qint64 seconds = std::clamp<qint64>(totals.DialupDuration, 0, std::numeric_limits<quint32>::max());
  return FormatDuration(static_cast<quint32>(seconds));
}

QString UsageText(quint8 mode, const Settings& settings, const TrayPeriodFigures& figures, const QLocale& locale) {
  if (!figures.Totals) return figures.Unavailable;
  if (mode == TrayIconModes::DialupDuration) return DialupText(figures.Totals->Totals);
  return TrafficText(settings, ModeTextOf(mode).Period, *figures.Totals, locale);
}

}  // namespace

quint8 EffectiveTrayIconMode(quint8 stored) {
  return stored <= TrayIconModes::MonthlyTraffic ? stored : TrayIconModes::TransferRate;
}

TrayPeriodFigures ReadTrayPeriod(TDiskDB* db, quint8 mode) {
  const TrayPeriod period = ModeTextOf(EffectiveTrayIconMode(mode)).Period;
  if (period == TrayPeriod::None) return {};
  if (db == nullptr) return {std::nullopt, Texts::tr("Usage is not being recorded")};
  try {
    // From memory: the tooltip is refreshed every second and must never wait for the file.
    const quint8 type = PeriodType(period);
    return {PeriodTotals{db->CachedPeriodTotals(type), db->CurrentPeriod(type)}, QString()};
  } catch (const std::exception& error) {
    // Once a second on the user-interface thread: a message box here would come back every tick.
    return {std::nullopt, Texts::tr("Usage cannot be read: %1").arg(QString::fromUtf8(error.what()))};
  }
}

TrayTextResult TrayText(const Settings& settings, const TrayTextFigures& figures, const QLocale& locale) {
  const quint8 mode = EffectiveTrayIconMode(settings.TrayIconMode);
  const ModeText modeText = ModeTextOf(mode);
  TrayTextResult result{modeText.Title[0] == '\0' ? QString() : Texts::tr(modeText.Title), QString()};
  if (mode == TrayIconModes::TransferRate) {
    result.Text = TransferRateText(settings, figures, locale);
  } else if (modeText.Period != TrayPeriod::None) {
    result.Text = UsageText(mode, settings, figures.Period, locale);
  }
  return result;
}

TrayTextFigures CurrentTrayFigures(const Settings& settings, const MainTick& tick, TDiskDB* db) {
  TrayTextFigures figures;
  figures.MeanIn = tick.InHistory.Mean();
  figures.MeanOut = tick.OutHistory.Mean();
  figures.Period = ReadTrayPeriod(db, settings.TrayIconMode);
  return figures;
}

const TrayTextResult& TrayTextCache::Text(const Settings& settings, const TrayTextFigures& figures,
                                          const QLocale& locale) {
  if (inputs_ && inputs_->Figures == figures && inputs_->Locale == locale && inputs_->Shown == settings) {
    return text_;
  }
  text_ = TrayText(settings, figures, locale);
  inputs_ = Inputs{settings, figures, locale};
  return text_;
}

}  // namespace meterly
