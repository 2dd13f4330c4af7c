#pragma once

#include "base/assertion.h"

#include <gtest/gtest.h>

#include <functional>

namespace meterly::testing_support {

// Runs the action and expects it to fail an internal consistency check of the given unit.
inline void ExpectAssertion(const char* unit, const std::function<void()>& action) {
  try {
    action();
    ADD_FAILURE() << "no internal consistency error from " << unit;
  } catch (const EAssertionFailed& error) {
    EXPECT_EQ(error.Unit(), QString::fromUtf8(unit));
  }
}

}  // namespace meterly::testing_support
