#pragma once

#include "core/value_range.h"

#include <QtGlobal>

namespace meterly {

class SettingsStore;

// The automatic version check's switches, stored in the settings' "AutoUpdate" section.
struct AutoUpdateSettings {
  bool QueryForAutoCheck = true;  // the first-start question is still to be asked
  bool AutoCheckEnabled = false;
  qint32 LastAutoCheckDate = 0;  // day serial of the last successful automatic check

  void Load(const SettingsStore& store, qint32 today);
  void Save(SettingsStore& store) const;

  friend bool operator==(const AutoUpdateSettings&, const AutoUpdateSettings&) = default;

  template <typename Self, typename Visitor>
  static void Visit(Self& s, Visitor& v, qint32 today) {
    v.flag("AutoUpdate", "QueryForAutoCheck", s.QueryForAutoCheck, true);
    v.flag("AutoUpdate", "AutoCheckEnabled", s.AutoCheckEnabled, false);
    v.integer("AutoUpdate", "LastAutoCheckDate", s.LastAutoCheckDate, today, DaySerials);
  }
};

}  // namespace meterly
