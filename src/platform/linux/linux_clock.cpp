#include "platform/linux/linux_clock.h"

#include <time.h>

namespace meterly::platform {

namespace {

constexpr qint64 kZoneReadSeconds = 60;

timespec ClockTime(clockid_t clock) {
  timespec now{};
  clock_gettime(clock, &now);
  return now;
}

}  // namespace

quint32 LinuxClock::TickCount() {
  const timespec now = ClockTime(CLOCK_MONOTONIC);
  const quint64 ms = static_cast<quint64>(now.tv_sec) * 1000u + static_cast<quint64>(now.tv_nsec) / 1000000u;
  return static_cast<quint32>(ms);
}

QDateTime LinuxClock::Now() {
  const qint64 monotonic = ClockTime(CLOCK_MONOTONIC).tv_sec;
  const qint64 readAt = zoneReadAt_.load(std::memory_order_relaxed);
  if (readAt < 0 || monotonic - readAt >= kZoneReadSeconds) {
    tzset();
    zoneReadAt_.store(monotonic, std::memory_order_relaxed);
  }
  const timespec real = ClockTime(CLOCK_REALTIME);
  return LocalDateTimeAt(static_cast<qint64>(real.tv_sec) * 1000 + real.tv_nsec / 1000000);
}

QDateTime LocalDateTimeAt(qint64 msecsSinceEpoch) {
  const qint64 seconds = msecsSinceEpoch / 1000 - (msecsSinceEpoch % 1000 < 0 ? 1 : 0);
  const auto moment = static_cast<time_t>(seconds);
  tm local{};
  // Out of the C library's range: Qt's own conversion, which reads the zone itself.
  if (localtime_r(&moment, &local) == nullptr) return QDateTime::fromMSecsSinceEpoch(msecsSinceEpoch);
  return QDateTime::fromMSecsSinceEpoch(msecsSinceEpoch, Qt::OffsetFromUTC, static_cast<int>(local.tm_gmtoff));
}

}  // namespace meterly::platform
