#pragma once

#include "platform/clock.h"

#include <QtGlobal>

#include <atomic>

namespace meterly::platform {

// The local time comes with its offset from UTC (Qt::OffsetFromUTC), worked out from the time
// zone the C library read last. The zone is read again (tzset, which looks at /etc/localtime)
// at most once a minute instead of at every call: a change of the machine's zone shows within
// a minute, while each call costs no file system lookup. Changes of summer time are in the
// zone's rules and show at once.
class LinuxClock : public Clock {
 public:
  quint32 TickCount() override;
  QDateTime Now() override;

 private:
  std::atomic<qint64> zoneReadAt_{-1};  // monotonic seconds
};

// The local date and time of a moment, with its offset from UTC, under the zone read last.
QDateTime LocalDateTimeAt(qint64 msecsSinceEpoch);

}  // namespace meterly::platform
