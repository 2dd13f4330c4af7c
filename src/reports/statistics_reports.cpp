#include "reports/statistics_reports.h"

#include "base/date_serial.h"
#include "core/conversion.h"
#include "core/settings.h"
#include "reports/daily_data.h"
#include "reports/report_builders.h"
#include "reports/report_query.h"
#include "store/statistics_maintenance.h"

#include <QCoreApplication>

namespace meterly {

namespace {

QString AllUsersCaption() { return QCoreApplication::translate("TStatisticsReports", "All Users Combined"); }

TPeriodStarts PeriodStarts(const Settings& settings) { return {settings.WeekStartsOn, settings.MonthStartsOn}; }

}  // namespace

TStatisticsReports::TStatisticsReports(TDiskDB& db, const Settings& settings, const QLocale& locale)
    : DailyPanel(settings, locale),
      WeeklyPanel(settings, locale),
      MonthlyPanel(settings, locale),
      CustomPanel(settings, locale),
      HourlyList(settings, locale),
      SessionList(settings, locale),
      db_(db),
      settings_(settings),
      locale_(locale) {}

void TStatisticsReports::InitPanels() {
  const std::pair<TUsagePanel*, const char*> panels[] = {
      {&DailyPanel, QT_TRANSLATE_NOOP("TStatisticsReports", "Date")},
      {&WeeklyPanel, QT_TRANSLATE_NOOP("TStatisticsReports", "Week")},
      {&MonthlyPanel, QT_TRANSLATE_NOOP("TStatisticsReports", "Month")},
      {&CustomPanel, QT_TRANSLATE_NOOP("TStatisticsReports", "Date")}};
  for (const auto& [panel, keyTitle] : panels) {
    panel->InitPanel();
    panel->SetKeyTitle(QCoreApplication::translate("TStatisticsReports", keyTitle));
    panel->ShowTotal = true;
  }
}

QStringList TStatisticsReports::UserNames() {
  QStringList names;
  TSQLiteDB::LockGuard lock(db_);
  // One index probe per user, where DISTINCT would read every row of the key index.
  ForEachRow(db_,
             QStringLiteral("WITH RECURSIVE users(name) AS (SELECT MIN(USER_NAME) FROM usage UNION ALL SELECT "
                            "(SELECT MIN(USER_NAME) FROM usage WHERE USER_NAME > name) FROM users WHERE name IS NOT "
                            "NULL) SELECT name FROM users WHERE name IS NOT NULL"),
             [&] { names.append(db_.ColumnText(0)); });
  return names;
}

QString TStatisticsReports::UserCaption() const { return user_ ? *user_ : AllUsersCaption(); }

QString TStatisticsReports::Caption() const {
  return QCoreApplication::translate("TStatisticsReports", "Usage Report for %1").arg(UserCaption());
}

TSummaryTexts TStatisticsReports::Summary() {
  UsageTotals today;
  TotalsSince since;
  {
    TSQLiteDB::LockGuard lock(db_);
    today = db_.GetTotals(db_.Today(), db_.Today(), user_);
    since = db_.GetTotalsSince(user_);
  }
  const auto volume = [this](qint64 bytes) { return FormatVolume(false, bytes, settings_, locale_); };
  const UsageTotals& all = since.Totals;
  return {volume(today.DataIn),
          volume(today.DataOut),
          volume(today.DataIn + today.DataOut),
          FormatDuration(static_cast<quint32>(today.DialupDuration)),
          volume(all.DataIn),
          volume(all.DataOut),
          volume(all.DataIn + all.DataOut),
          FormatDuration(static_cast<quint32>(all.DialupDuration)),
          locale_.toString(DaySerialToDate(since.FirstDay), QLocale::ShortFormat)};
}

void TStatisticsReports::RefreshDayReports() {
  DailyData = LoadDailyData(db_, user_, settings_);
  BuildDailyReport();
  BuildWeeklyReport();
  BuildMonthlyReport();
  BuildCustomReport();
}

void TStatisticsReports::BuildDailyReport() { meterly::BuildDailyReport(DailyPanel, DailyData); }

void TStatisticsReports::BuildWeeklyReport() {
  meterly::BuildWeeklyReport(WeeklyPanel, DailyData, PeriodStarts(settings_));
}

void TStatisticsReports::BuildMonthlyReport() {
  meterly::BuildMonthlyReport(MonthlyPanel, DailyData, PeriodStarts(settings_));
}

void TStatisticsReports::SetCustomRange(qint32 from, qint32 to) {
  customFrom_ = from;
  customTo_ = to;
}

void TStatisticsReports::BuildCustomReport() {
  meterly::BuildCustomReport(CustomPanel, DailyData, customFrom_, customTo_);
}

std::vector<THourlySample> TStatisticsReports::BuildHourlyReport() {
  return meterly::BuildHourlyReport(db_, HourlyList, user_);
}

void TStatisticsReports::LoadSessions() { SessionList.SetSessions(LoadDialupSessions(db_)); }

void TStatisticsReports::Reset() {
  ResetStatistics(db_, user_);
  if (!user_) SessionList.SetSessions({});
  user_.reset();
}

}  // namespace meterly
