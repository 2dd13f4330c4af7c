#include "core/quota_period.h"

#include "base/date_serial.h"

#include "support/expect_assertion.h"

#include <gtest/gtest.h>

namespace meterly {

// Periods print as dates in failure messages.
void PrintTo(const DayRange& range, std::ostream* out) {
  *out << DaySerialToDate(range.First).toString(Qt::ISODate).toStdString() << " .. "
       << DaySerialToDate(range.Last).toString(Qt::ISODate).toStdString();
}

namespace {

qint32 Day(int year, int month, int day) { return DateToDaySerial(QDate(year, month, day)); }

DayRange Range(QDate first, QDate last) { return {DateToDaySerial(first), DateToDaySerial(last)}; }

DayRange Week(QDate date, quint8 weekStartsOn) {
  return GetPeriod(QuotaPeriod::Weekly, DateToDaySerial(date), weekStartsOn, 1, 1);
}

DayRange Month(QDate date, quint8 monthStartsOn) {
  return GetPeriod(QuotaPeriod::Monthly, DateToDaySerial(date), 1, monthStartsOn, 1);
}

TEST(QuotaPeriodTest, ADayIsItsOwnPeriodDateZeroMeansTodayAndANegativeDateIsRefused) {
  EXPECT_EQ(GetPeriod(QuotaPeriod::Daily, Day(2026, 3, 31), 1, 1, 99), (DayRange{Day(2026, 3, 31), Day(2026, 3, 31)}));
  EXPECT_EQ(GetPeriod(QuotaPeriod::Daily, 0, 1, 1, Day(2026, 1, 1)), (DayRange{Day(2026, 1, 1), Day(2026, 1, 1)}));
  EXPECT_EQ(GetPeriod(QuotaPeriod::Monthly, 0, 1, 1, Day(2026, 2, 10)), Range(QDate(2026, 2, 1), QDate(2026, 2, 28)));
  EXPECT_EQ(GetPeriod(7, Day(2026, 3, 31), 1, 1, 0), (DayRange{Day(2026, 3, 31), Day(2026, 3, 31)}));
  // A negative date fails the quota's check.
  testing_support::ExpectAssertion("Quota", [] { GetPeriod(QuotaPeriod::Weekly, -1, 1, 1, Day(2026, 1, 1)); });
}

TEST(QuotaPeriodTest, WeeksStartOnTheChosenWeekdayOrOnMonday) {
  // 31 March 2026 is a Tuesday, 29 March a Sunday.
  EXPECT_EQ(Week(QDate(2026, 3, 31), 1), Range(QDate(2026, 3, 30), QDate(2026, 4, 5)));
  EXPECT_EQ(Week(QDate(2026, 3, 31), 7), Range(QDate(2026, 3, 29), QDate(2026, 4, 4)));
  EXPECT_EQ(Week(QDate(2026, 3, 29), 1), Range(QDate(2026, 3, 23), QDate(2026, 3, 29)));
  EXPECT_EQ(Week(QDate(2026, 3, 31), 3), Range(QDate(2026, 3, 25), QDate(2026, 3, 31)));
  // An unknown week start means Monday.
  EXPECT_EQ(Week(QDate(2026, 3, 29), 0), Range(QDate(2026, 3, 23), QDate(2026, 3, 29)));
  EXPECT_EQ(Week(QDate(2026, 3, 29), 8), Range(QDate(2026, 3, 23), QDate(2026, 3, 29)));
}

TEST(QuotaPeriodTest, MonthsRunFromTheChosenDayToTheDayBeforeIt) {
  EXPECT_EQ(Month(QDate(2026, 3, 31), 1), Range(QDate(2026, 3, 1), QDate(2026, 3, 31)));
  EXPECT_EQ(Month(QDate(2024, 2, 10), 1), Range(QDate(2024, 2, 1), QDate(2024, 2, 29)));
  EXPECT_EQ(Month(QDate(2026, 3, 31), 0), Range(QDate(2026, 3, 1), QDate(2026, 3, 31)));
  // Starting on the 15th, they run to the 14th.
  EXPECT_EQ(Month(QDate(2026, 3, 10), 15), Range(QDate(2026, 2, 15), QDate(2026, 3, 14)));
  EXPECT_EQ(Month(QDate(2026, 3, 15), 15), Range(QDate(2026, 3, 15), QDate(2026, 4, 14)));
  EXPECT_EQ(Month(QDate(2026, 1, 5), 15), Range(QDate(2025, 12, 15), QDate(2026, 1, 14)));
  // A start beyond a month's end uses its last day.
  EXPECT_EQ(Month(QDate(2023, 3, 15), 31), Range(QDate(2023, 2, 28), QDate(2023, 3, 30)));
  EXPECT_EQ(Month(QDate(2023, 2, 27), 31), Range(QDate(2023, 1, 31), QDate(2023, 2, 27)));
  EXPECT_EQ(Month(QDate(2023, 3, 31), 31), Range(QDate(2023, 3, 31), QDate(2023, 4, 29)));
  EXPECT_EQ(Month(QDate(2024, 3, 1), 31), Range(QDate(2024, 2, 29), QDate(2024, 3, 30)));
  EXPECT_EQ(Month(QDate(2024, 2, 29), 30), Range(QDate(2024, 2, 29), QDate(2024, 3, 29)));
  EXPECT_EQ(Month(QDate(2025, 12, 31), 31), Range(QDate(2025, 12, 31), QDate(2026, 1, 30)));
  EXPECT_EQ(Month(QDate(2026, 1, 10), 200), Range(QDate(2025, 12, 31), QDate(2026, 1, 30)));
}

// For every week and month start, the periods of four years (ends of years and of short months included)
// follow each other without gap or overlap.
TEST(QuotaPeriodTest, PeriodsTileTheCalendar) {
  const qint32 firstDay = Day(2023, 1, 1);
  const qint32 lastDay = Day(2026, 12, 31);
  for (int start = 1; start <= 31; ++start) {
    for (quint8 type : {QuotaPeriod::Weekly, QuotaPeriod::Monthly}) {
      if (type == QuotaPeriod::Weekly && start > 7) continue;
      SCOPED_TRACE(testing::Message() << "period " << int(type) << " starting on " << start);
      const auto s = static_cast<quint8>(start);
      DayRange previous = GetPeriod(type, firstDay, s, s, 0);
      for (qint32 day = firstDay; day <= lastDay; ++day) {
        const DayRange period = GetPeriod(type, day, s, s, 0);
        ASSERT_TRUE(period.First <= day && day <= period.Last) << "day " << day;
        ASSERT_TRUE(period == previous || period.First == previous.Last + 1) << "day " << day;
        ASSERT_TRUE(type != QuotaPeriod::Weekly || period.Last - period.First == 6) << "day " << day;
        previous = period;
      }
    }
  }
}

}  // namespace
}  // namespace meterly
