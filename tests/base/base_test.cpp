#include "base/assertion.h"
#include "base/date_serial.h"
#include "base/exception_message.h"

#include <gtest/gtest.h>

#include <limits>

namespace meterly {
namespace {

TEST(AssertionTest, CarriesMessageUnitAndLineAndStaysQuietWhenTrue) {
  EXPECT_NO_THROW(METERLY_ASSERT(1 + 1 == 2, "Main", "arithmetic"));
  const int line = __LINE__ + 2;
  try {
    METERLY_ASSERT(false, "Conversion", "Volume unit out of range");
    FAIL() << "no exception";
  } catch (const EAssertionFailed& e) {
    EXPECT_EQ(e.message(), QStringLiteral("Volume unit out of range"));
    EXPECT_EQ(e.Unit(), QStringLiteral("Conversion"));
    EXPECT_EQ(e.Line(), line);
    EXPECT_EQ(ExceptionMessage(std::current_exception()),
              QStringLiteral("Volume unit out of range (Conversion, line %1)").arg(line));
  }
}

TEST(ExceptionMessageTest, UsesTheExceptionsOwnText) {
  EXPECT_EQ(ExceptionMessage(std::make_exception_ptr(std::runtime_error("disk full"))), QStringLiteral("disk full"));
  EXPECT_EQ(ExceptionMessage(std::make_exception_ptr(42)), QStringLiteral("An unknown error occurred."));
}

TEST(DateSerialTest, DaysCountFromTheLastDaysOf1899AndTheTimeOfDayIsTheFraction) {
  EXPECT_EQ(DateToDaySerial(QDate(1899, 12, 30)), 0);
  EXPECT_EQ(DateToDaySerial(QDate(2000, 1, 1)), 36526);
  EXPECT_EQ(DaySerialToDate(36526), QDate(2000, 1, 1));
  EXPECT_EQ(DateToDaySerial(QDate(1899, 12, 29)), -1);
  EXPECT_EQ(DaySerialToDate(DateToDaySerial(QDate(2028, 2, 29))), QDate(2028, 2, 29));
  const QDateTime noon(QDate(2000, 1, 1), QTime(12, 0));
  EXPECT_DOUBLE_EQ(DateTimeToSerial(noon), 36526.5);
  EXPECT_EQ(SerialToDateTime(36526.5), noon);
  const QDateTime late(QDate(2026, 12, 6), QTime(23, 59, 59, 999));
  EXPECT_EQ(SerialToDateTime(DateTimeToSerial(late)), late);
}

TEST(DateSerialTest, UnusableSerialsGiveTheEpochInsteadOfGarbage) {
  for (const double serial :
       {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(), 1e300, -1e300}) {
    EXPECT_EQ(SerialToDateTime(serial), QDateTime(QDate(1899, 12, 30), QTime(0, 0))) << serial;
  }
}

}  // namespace
}  // namespace meterly
