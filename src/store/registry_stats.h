#pragma once

#include "platform/registry_hive.h"

#include <QString>

#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

namespace meterly {

// Where earlier versions kept the daily totals, relative to the current user's hive: one binary
// value per day, named by the day serial in decimal.
inline const QString RegistryStatsKey = QStringLiteral("Software\\Corvane\\Meterly\\Stats");

// One value of that key.
struct RegistryStatsDay {
  qint32 Day = 0;
  qint64 DataIn = 0;
  qint64 DataOut = 0;
  quint32 DialupDuration = 0;
};

// A value that cannot be read as a day of statistics. Nothing has been changed when it is raised.
class StatsImportError : public std::runtime_error {
 public:
  explicit StatsImportError(const QString& message) : std::runtime_error(message.toStdString()) {}
  QString message() const { return QString::fromStdString(what()); }
};

// Every day the key holds, in the key's order; nullopt when there is no key.
// A value is its name (the day serial, decimal) and up to 40 bytes: received bytes (signed 64-bit,
// little-endian) at offset 0, sent bytes at 8 and dial-up seconds (unsigned 32-bit) at 16;
// missing bytes read as zero. Raises StatsImportError for a name that is not a decimal number,
// a name or data too long to be such a value, or a subkey: dropping them with the key would lose
// them.
std::optional<std::vector<RegistryStatsDay>> ReadRegistryStats(const platform::RegistryHive& hive);

// The key's values as they are, to put back with RestoreRegistryStats.
using RegistryStatsValues = std::vector<std::pair<QString, platform::RegValue>>;

// Deletes the key and returns what it held.
RegistryStatsValues RemoveRegistryStats(platform::RegistryHive& hive);
void RestoreRegistryStats(platform::RegistryHive& hive, const RegistryStatsValues& values);

}  // namespace meterly
