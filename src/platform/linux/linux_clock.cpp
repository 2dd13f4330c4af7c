#include "platform/linux/linux_clock.h"

#include <time.h>

namespace meterly::platform {

quint32 LinuxClock::tickCount() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  const quint64 ms = static_cast<quint64>(now.tv_sec) * 1000u + static_cast<quint64>(now.tv_nsec) / 1000000u;
  return static_cast<quint32>(ms);
}

QDateTime LinuxClock::now() { return QDateTime::currentDateTime(); }

}  // namespace meterly::platform
