#pragma once

#include "core/settings.h"
#include "store/disk_db.h"

#include <QLocale>
#include <QString>

#include <optional>

namespace meterly {

class MainTick;

// Values of Settings::TrayIconMode: what the tray icon's tooltip and balloon show.
namespace TrayIconModes {
constexpr quint8 TransferRate = 0;
constexpr quint8 DailyTraffic = 1;
constexpr quint8 DialupDuration = 2;
constexpr quint8 GraphToggle = 3;  // no text: a click shows or hides the graph window
constexpr quint8 WeeklyTraffic = 4;
constexpr quint8 MonthlyTraffic = 5;
}  // namespace TrayIconModes

// The settings window stores no other values; one edited by hand into the settings file is
// read as the transfer rate, the default.
quint8 EffectiveTrayIconMode(quint8 stored);

// Usage totals with the days of their period, which the text names.
struct PeriodTotals {
  UsageTotals Totals;
  DayRange Days;

  friend bool operator==(const PeriodTotals&, const PeriodTotals&) = default;
};

// The usage totals of the period a mode shows.
struct TrayPeriodFigures {
  std::optional<PeriodTotals> Totals;  // nullopt when they cannot be had
  QString Unavailable;                 // why not, shown in place of the figures

  friend bool operator==(const TrayPeriodFigures&, const TrayPeriodFigures&) = default;
};

struct TrayTextFigures {
  quint32 MeanIn = 0;  // the means of the tick's received and sent histories
  quint32 MeanOut = 0;
  TrayPeriodFigures Period;  // only read by the modes that show usage

  friend bool operator==(const TrayTextFigures&, const TrayTextFigures&) = default;
};

struct TrayTextResult {
  QString Title;
  QString Text;

  friend bool operator==(const TrayTextResult&, const TrayTextResult&) = default;
};

// The current user's totals the mode shows (today for the daily and dial-up modes, the current
// week or month), from the database's figures in memory. Nothing for the transfer rate and the
// graph toggle. Without a database, or when the figures cannot be had, they are unavailable
// with the reason, so that a broken record never shows as zero traffic.
TrayPeriodFigures ReadTrayPeriod(TDiskDB* db, quint8 mode);

// The title and the lines of the text, joined with "\r\n".
TrayTextResult TrayText(const Settings& settings, const TrayTextFigures& figures,
                        const QLocale& locale = QLocale::system());

// The figures of the moment: the tick's histories and the current user's totals.
TrayTextFigures CurrentTrayFigures(const Settings& settings, const MainTick& tick, TDiskDB* db);

// The tray text, formatted again only when its figures, the settings or the language changed:
// the tooltip asks for it every second, and formatting numbers and dates would otherwise be most
// of what an idle second costs.
class TrayTextCache {
 public:
  const TrayTextResult& Text(const Settings& settings, const TrayTextFigures& figures,
                             const QLocale& locale = QLocale::system());

 private:
  struct Inputs {
    Settings Shown;
    TrayTextFigures Figures;
    QLocale Locale;
  };
  std::optional<Inputs> inputs_;
  TrayTextResult text_;
};

}  // namespace meterly
