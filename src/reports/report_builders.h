#pragma once

#include "reports/day_usage.h"
#include "reports/report_period.h"
#include "reports/usage_panel.h"

namespace meterly {

// The day-based reports, each built into its panel from the one loaded set of days; none runs a
// query. Dates and month names are written in the panel's locale.

// Every day, newest first.
void BuildDailyReport(TUsagePanel& panel, const TDailyData& days);
// The days from ... to, both included, in either order; oldest first.
void BuildCustomReport(TUsagePanel& panel, const TDailyData& days, qint32 from, qint32 to);
// The days folded into weeks or months, newest first; a period without any recorded day is left out.
void BuildWeeklyReport(TUsagePanel& panel, const TDailyData& days, const TPeriodStarts& starts);
void BuildMonthlyReport(TUsagePanel& panel, const TDailyData& days, const TPeriodStarts& starts);

// The texts of a day in the reports: the locale's short date, and "dd MMM" under a chart bar.
QString ReportDate(qint32 day, const QLocale& locale);
QString ChartDate(qint32 day, const QLocale& locale);

}  // namespace meterly
