#pragma once

#include "core/quota_period.h"

#include <QtGlobal>

namespace meterly {

// Where weeks and months begin (the settings' WeekStartsOn and MonthStartsOn).
struct TPeriodStarts {
  quint8 WeekStartsOn = 1;
  quint8 MonthStartsOn = 1;
};

// A period of days and the amounts summed over it; the subclasses tell its bounds.
class TReportPeriod {
 public:
  virtual ~TReportPeriod() = default;

  bool Contains(qint32 day) const { return FirstDay <= day && day <= LastDay; }
  void AddUsage(quint32 dialupSeconds, qint64 sent, qint64 received);

  qint32 LastDay = 0;
  qint32 FirstDay = 0;
  qint64 DataIn = 0;
  qint64 DataOut = 0;
  quint32 Dialup = 0;

 protected:
  explicit TReportPeriod(const TPeriodStarts& starts) : starts_(starts) {}

  // Sets the bounds to the period that holds the day.
  virtual void SetPeriod(qint32 day) = 0;
  void SetBounds(quint8 periodType, qint32 day);

 private:
  TPeriodStarts starts_;
};

class TReportWeekPeriod final : public TReportPeriod {
 public:
  TReportWeekPeriod(qint32 day, const TPeriodStarts& starts);

 protected:
  void SetPeriod(qint32 day) override { SetBounds(QuotaPeriod::Weekly, day); }
};

class TReportMonthPeriod final : public TReportPeriod {
 public:
  TReportMonthPeriod(qint32 day, const TPeriodStarts& starts);

 protected:
  void SetPeriod(qint32 day) override { SetBounds(QuotaPeriod::Monthly, day); }
};

}  // namespace meterly
