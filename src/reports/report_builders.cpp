#include "reports/report_builders.h"

#include "base/date_serial.h"

#include <QStringList>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace meterly {

namespace {

// BeginReport and EndReport around the rows; a failure leaves the panel filling, and the next
// BeginReport empties it.
void Report(TUsagePanel& panel, const std::function<void()>& addRows) {
  panel.BeginReport();
  addRows();
  panel.EndReport();
}

void AddDayRow(TUsagePanel& panel, const TDayUsage& day) {
  panel.AddRow(ReportDate(day.Day, panel.Locale()), panel.KeepChart ? ChartDate(day.Day, panel.Locale()) : QString(),
               {day.Day, day.DataIn, day.DataOut, day.Dialup}, day.Dialup, day.DataOut, day.DataIn);
}

template <typename Period>
std::vector<std::unique_ptr<TReportPeriod>> FoldDays(const TDailyData& days, const TPeriodStarts& starts) {
  std::vector<std::unique_ptr<TReportPeriod>> periods;
  for (const TDayUsage& day : days) {
    // Periods never overlap, and with the days in order the one wanted is nearly always the
    // newest: searching from the end finds the same period sooner.
    auto period = std::find_if(periods.rbegin(), periods.rend(), [&](const auto& p) { return p->Contains(day.Day); });
    if (period == periods.rend()) {
      periods.push_back(std::make_unique<Period>(day.Day, starts));
      period = periods.rbegin();
    }
    (*period)->AddUsage(day.Dialup, day.DataOut, day.DataIn);
  }
  std::stable_sort(periods.begin(), periods.end(),
                   [](const auto& a, const auto& b) { return a->FirstDay > b->FirstDay; });
  return periods;
}

QString RangeCaption(const TReportPeriod& period, const QLocale& locale) {
  return ReportDate(period.FirstDay, locale) + QStringLiteral(" - ") + ReportDate(period.LastDay, locale);
}

void AddPeriodRows(TUsagePanel& panel, const std::vector<std::unique_ptr<TReportPeriod>>& periods,
                   const std::function<QString(const TReportPeriod&)>& caption) {
  for (const auto& period : periods) {
    panel.AddRow(caption(*period), panel.KeepChart ? ChartDate(period->FirstDay, panel.Locale()) : QString(),
                 {period->FirstDay, period->DataIn, period->DataOut, period->Dialup}, period->Dialup, period->DataOut,
                 period->DataIn);
  }
}

}  // namespace

QString ReportDate(qint32 day, const QLocale& locale) {
  return locale.toString(DaySerialToDate(day), QLocale::ShortFormat);
}

QString ChartDate(qint32 day, const QLocale& locale) {
  return locale.toString(DaySerialToDate(day), QStringLiteral("dd MMM"));
}

void BuildDailyReport(TUsagePanel& panel, const TDailyData& days) {
  Report(panel, [&] {
    for (auto day = days.rbegin(); day != days.rend(); ++day) AddDayRow(panel, *day);
  });
}

void BuildCustomReport(TUsagePanel& panel, const TDailyData& days, qint32 from, qint32 to) {
  const qint32 lower = std::min(from, to);
  const qint32 upper = std::max(from, to);
  Report(panel, [&] {
    for (const TDayUsage& day : days) {
      if (day.Day >= lower && day.Day <= upper) AddDayRow(panel, day);
    }
  });
}

void BuildWeeklyReport(TUsagePanel& panel, const TDailyData& days, const TPeriodStarts& starts) {
  const auto periods = FoldDays<TReportWeekPeriod>(days, starts);
  Report(panel, [&] {
    AddPeriodRows(panel, periods, [&](const TReportPeriod& period) { return RangeCaption(period, panel.Locale()); });
  });
}

void BuildMonthlyReport(TUsagePanel& panel, const TDailyData& days, const TPeriodStarts& starts) {
  const auto periods = FoldDays<TReportMonthPeriod>(days, starts);
  const QLocale& locale = panel.Locale();
  Report(panel, [&] {
    AddPeriodRows(panel, periods, [&](const TReportPeriod& period) {
      if (std::max<int>(starts.MonthStartsOn, 1) != 1) return RangeCaption(period, locale);
      const QDate first = DaySerialToDate(period.FirstDay);
      return QStringLiteral("%1 %2").arg(first.year()).arg(locale.monthName(first.month(), QLocale::LongFormat));
    });
  });
}

}  // namespace meterly
