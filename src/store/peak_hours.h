#pragma once

#include <QString>

namespace meterly {

// Which hours of the day a total covers.
enum class THourFilter : quint8 { AllHours = 0, PeakHours = 1, OffPeakHours = 2 };

// Bit h stands for hour h (0 ... 23).
struct HourMasks {
  quint32 Peak = 0;
  quint32 OffPeak = 0;
};

constexpr quint32 AllHoursMask = (1u << 24) - 1;

// The peak hours run from `from` to `to`, both included, wrapping past midnight when from is
// greater than to; the off-peak hours are the others.
HourMasks PeakHourMasks(qint32 from, qint32 to);

// The mask a filter selects; every hour for AllHours.
quint32 MaskOfFilter(const HourMasks& masks, THourFilter filter);

bool HourInMask(quint32 mask, int hour);

// The hours of the mask in ascending order, as "0,1,2,3"; empty for an empty mask.
QString HourList(quint32 mask);

}  // namespace meterly
