#include "alerts/notify_condition.h"

#include "support/expect_assertion.h"

#include <gtest/gtest.h>

namespace meterly {
namespace {

constexpr qint64 kT = 1048576;

struct ConditionCase {
  int condition;
  qint64 received;
  qint64 sent;
  bool fires;
};

// Each condition below, at and above the threshold: every comparison is strict.
TEST(NotifyConditionTest, EachConditionAtBelowAndAboveTheThreshold) {
  const ConditionCase cases[] = {
      {0, kT - 1, kT + 9, true},  {0, kT, 0, false},         {0, kT + 1, 0, false},     {1, kT + 9, kT - 1, true},
      {1, 0, kT, false},          {1, 0, kT + 1, false},     {2, kT + 1, 0, true},      {2, kT, kT + 9, false},
      {2, kT - 1, kT + 9, false}, {3, 0, kT + 1, true},      {3, kT + 9, kT, false},    {3, kT + 9, kT - 1, false},
      {4, kT + 1, 0, true},       {4, 0, kT + 1, true},      {4, kT, kT, false},        {5, kT - 1, kT + 9, true},
      {5, kT + 9, kT - 1, true},  {5, kT, kT, false},        {6, kT + 1, kT + 1, true}, {6, kT + 1, kT, false},
      {6, kT, kT + 1, false},     {7, kT - 1, kT - 1, true}, {7, kT - 1, kT, false},    {7, kT, kT - 1, false},
  };
  for (const ConditionCase& c : cases) {
    EXPECT_EQ(NotifyConditionHolds(c.condition, c.received, c.sent, kT), c.fires)
        << "condition " << c.condition << " received " << c.received << " sent " << c.sent;
  }
}

TEST(NotifyConditionTest, TextsAndItemsAndTheRangeCheck) {
  EXPECT_EQ(NotifyConditionText(7), QStringLiteral("received and sent less"));
  ASSERT_EQ(NotifyConditionItems().size(), NotifyConditionCount);
  EXPECT_EQ(NotifyConditionItems().at(4), QStringLiteral("收到或发送以上"));
  testing_support::ExpectAssertion("Main", [] { NotifyConditionText(8); });
  testing_support::ExpectAssertion("Main", [] { NotifyConditionHolds(-1, 0, 0, 1); });
}

}  // namespace
}  // namespace meterly
