#pragma once

#include <QDateTime>

namespace meterly::platform {

class Clock {
 public:
  virtual ~Clock() = default;

  // Milliseconds of a monotonic clock, truncated to 32 bits (wraps after 49.7 days).
  virtual quint32 TickCount() = 0;

  // The current local date and time.
  virtual QDateTime Now() = 0;
};

}  // namespace meterly::platform
