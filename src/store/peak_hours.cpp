#include "store/peak_hours.h"

#include <QStringList>

namespace meterly {

namespace {

constexpr int kHoursPerDay = 24;

}  // namespace

HourMasks PeakHourMasks(qint32 from, qint32 to) {
  HourMasks masks;
  for (int hour = 0; hour < kHoursPerDay; ++hour) {
    const bool peak = from > to ? (hour >= from || hour <= to) : (hour >= from && hour <= to);
    (peak ? masks.Peak : masks.OffPeak) |= 1u << hour;
  }
  return masks;
}

quint32 MaskOfFilter(const HourMasks& masks, THourFilter filter) {
  switch (filter) {
    case THourFilter::PeakHours:
      return masks.Peak;
    case THourFilter::OffPeakHours:
      return masks.OffPeak;
    default:
      return AllHoursMask;
  }
}

bool HourInMask(quint32 mask, int hour) { return hour >= 0 && hour < kHoursPerDay && (mask & (1u << hour)) != 0; }

QString HourList(quint32 mask) {
  QStringList hours;
  for (int hour = 0; hour < kHoursPerDay; ++hour) {
    if (HourInMask(mask, hour)) hours.append(QString::number(hour));
  }
  return hours.join(QLatin1Char(','));
}

}  // namespace meterly
