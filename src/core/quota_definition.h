#pragma once

#include "core/value_range.h"

#include <QStringList>
#include <QtGlobal>

namespace meterly {

class SettingsStore;

// The user's traffic allowance per period, as stored in the settings' "Quota" section.
struct QuotaDefinition {
  double QuotaNextNotify = 0;  // earliest moment (date-time serial) of the next overuse message
  quint8 QuotaType = 0;        // 0 daily, 1 weekly, 2 monthly
  quint8 QuotaHours = 0;       // 0 flat rate, 1 on/off-peak
  quint8 QuotaTraffic = 0;     // 0 total, 1 downloads only, 2 uploads only
  quint8 QuotaUnit = 0;        // 0 KB, 1 MB, 2 GB
  qint32 OffPeakAllowance = 0;
  qint32 OnPeakAllowance = 0;

  // Missing values keep the current field values, except the allowances (0) and
  // QuotaNextNotify (now, a date-time serial).
  void LoadFromSettings(const SettingsStore* store, double now, QStringList* problems = nullptr);
  void SaveToSettings(SettingsStore* store) const;

  // Visits the stored values in their order, with their defaults.
  friend bool operator==(const QuotaDefinition&, const QuotaDefinition&) = default;

  template <typename Self, typename Visitor>
  static void Visit(Self& s, Visitor& v, double now) {
    v.integer("Quota", "QuotaType", s.QuotaType, s.QuotaType, ValueRange{0, 2});
    v.integer("Quota", "QuotaHours", s.QuotaHours, s.QuotaHours, ValueRange{0, 1});
    v.integer("Quota", "QuotaTraffic", s.QuotaTraffic, s.QuotaTraffic, ValueRange{0, 2});
    v.integer("Quota", "QuotaUnit", s.QuotaUnit, s.QuotaUnit, ValueRange{0, 2});
    v.integer("Quota", "OnPeakAllowance", s.OnPeakAllowance, qint32{0}, ValueRange{0, 2147483647});
    v.integer("Quota", "OffPeakAllowance", s.OffPeakAllowance, qint32{0}, ValueRange{0, 2147483647});
    v.dateTime("Quota", "QuotaNextNotify", s.QuotaNextNotify, now);
  }
};

}  // namespace meterly
