#include "store/peak_hours.h"

#include <gtest/gtest.h>

namespace meterly {
namespace {

TEST(PeakHoursTest, ARangeIncludesBothEndsAndWrapsPastMidnightWhenFromIsAfterTo) {
  EXPECT_EQ(HourList(PeakHourMasks(22, 6).Peak), QStringLiteral("0,1,2,3,4,5,6,22,23"));
  EXPECT_EQ(HourList(PeakHourMasks(5, 5).Peak), QStringLiteral("5"));
}

TEST(PeakHoursTest, PeakAndOffPeakSplitTheDayForEveryPairOfHours) {
  for (int from = 0; from < 24; ++from) {
    for (int to = 0; to < 24; ++to) {
      const HourMasks masks = PeakHourMasks(from, to);
      EXPECT_EQ(masks.Peak & masks.OffPeak, 0u) << from << "-" << to;
      EXPECT_EQ(masks.Peak | masks.OffPeak, AllHoursMask) << from << "-" << to;
      EXPECT_TRUE(HourInMask(masks.Peak, from) && HourInMask(masks.Peak, to)) << from << "-" << to;
    }
  }
}

TEST(PeakHoursTest, HoursOutsideTheDayNeitherCrashNorLeakIntoTheMasks) {
  const HourMasks masks = PeakHourMasks(-3, 40);
  EXPECT_EQ(masks.Peak, AllHoursMask);
  EXPECT_EQ(masks.OffPeak, 0u);
  EXPECT_FALSE(HourInMask(AllHoursMask, 24));
  EXPECT_FALSE(HourInMask(AllHoursMask, -1));
}

}  // namespace
}  // namespace meterly
