#pragma once

#include <QtGlobal>

#include <limits>

namespace meterly {

// The values a stored number may take; a stored value outside them is not used.
struct ValueRange {
  qint64 Min = std::numeric_limits<qint32>::min();
  qint64 Max = std::numeric_limits<qint32>::max();

  constexpr bool Contains(qint64 value) const { return value >= Min && value <= Max; }
};

// Any number the field can hold.
constexpr ValueRange AnyValue{};

// Day serials of the years 100 to 9999, the dates a day number can name.
constexpr ValueRange DaySerials{-657434, 2958465};

}  // namespace meterly
