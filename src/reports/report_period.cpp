#include "reports/report_period.h"

namespace meterly {

void TReportPeriod::AddUsage(quint32 dialupSeconds, qint64 sent, qint64 received) {
  Dialup += dialupSeconds;
  DataOut += sent;
  DataIn += received;
}

void TReportPeriod::SetBounds(quint8 periodType, qint32 day) {
  // The period of a given day does not depend on today: pass the day itself.
  const DayRange range = GetPeriod(periodType, day, starts_.WeekStartsOn, starts_.MonthStartsOn, day);
  FirstDay = range.First;
  LastDay = range.Last;
}

TReportWeekPeriod::TReportWeekPeriod(qint32 day, const TPeriodStarts& starts) : TReportPeriod(starts) {
  SetPeriod(day);
}

TReportMonthPeriod::TReportMonthPeriod(qint32 day, const TPeriodStarts& starts) : TReportPeriod(starts) {
  SetPeriod(day);
}

}  // namespace meterly
