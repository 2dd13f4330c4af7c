#pragma once

#include <QDateTime>

namespace meterly {

// Automatic checks come at most once in this many whole days.
constexpr int kAutoCheckIntervalDays = 8;

// Whether an automatic check is due now, eight whole days after the midnight that began the
// day of the last one. A last check dated after today (the clock was set back since) is due at
// once rather than years later.
bool AutoCheckDue(qint32 lastAutoCheckDate, const QDateTime& now);

}  // namespace meterly
