#pragma once

#include "reports/day_usage.h"
#include "reports/dialup_session_list.h"
#include "reports/hourly_report.h"
#include "reports/usage_panel.h"
#include "store/disk_db.h"

#include <QLocale>
#include <QStringList>

#include <vector>

namespace meterly {

struct Settings;

// The values of the summary page: today's and all-time amounts as text, and the first recorded
// day in the short date format.
struct TSummaryTexts {
  QString DailyRecv, DailySent, DailyTotal, DailyDialupTime;
  QString SinceRecv, SinceSent, SinceTotal, SinceDialupTime;
  QString FirstDate;
};

// Everything the usage statistics window shows, without the window: the report panels of one
// user or all users, the hourly list, the dial-up sessions, and the reset. Every operation reads
// the database under its lock and raises SQLiteException.
class TStatisticsReports {
 public:
  TStatisticsReports(TDiskDB& db, const Settings& settings, const QLocale& locale = QLocale::system());

  // Chart colours and formats, key titles and totals rows of the four panels.
  void InitPanels();

  // Every user with recorded usage, in name order.
  QStringList UserNames();
  void SelectUser(const UserFilter& user) { user_ = user; }
  const UserFilter& User() const { return user_; }
  // The selected user's name, or "All Users Combined".
  QString UserCaption() const;
  // "Usage Report for " and the user caption.
  QString Caption() const;

  TSummaryTexts Summary();
  // Loads the days of the selection again and rebuilds the daily, weekly, monthly and custom
  // reports from them.
  void RefreshDayReports();
  // One report again from the days loaded last.
  void BuildDailyReport();
  void BuildWeeklyReport();
  void BuildMonthlyReport();
  // The custom report's days, both included, in either order.
  void SetCustomRange(qint32 from, qint32 to);
  void BuildCustomReport();
  std::vector<THourlySample> BuildHourlyReport();
  void LoadSessions();

  // Deletes the selected user's usage, or everybody's with the dial-up sessions, and returns to
  // all users.
  void Reset();

  TUsagePanel DailyPanel;
  TUsagePanel WeeklyPanel;
  TUsagePanel MonthlyPanel;
  TUsagePanel CustomPanel;
  THourlyList HourlyList;
  TDialupSessionList SessionList;
  TDailyData DailyData;

 private:
  TDiskDB& db_;
  const Settings& settings_;
  const QLocale locale_;
  UserFilter user_;
  qint32 customFrom_ = 0;
  qint32 customTo_ = 0;
};

}  // namespace meterly
