#include "store/registry_stats.h"

#include <QCoreApplication>
#include <QtEndian>

namespace meterly {

namespace {

using platform::RegValue;
using platform::RegValueType;

// The sizes of the buffers the values were once read with: a longer name or data was never a
// day of statistics.
constexpr qsizetype kMaxNameLength = 15;
constexpr qsizetype kDataBytes = 40;

[[noreturn]] void Refuse(const QString& reason) {
  throw StatsImportError(QCoreApplication::translate("RegistryStats",
                                                     "The usage statistics of earlier versions (%1 in the settings) "
                                                     "could not be moved into the usage database: %2. They stay in "
                                                     "the settings.")
                             .arg(RegistryStatsKey, reason));
}

// The value's bytes as the system that wrote them would hand them over.
QByteArray RawBytes(const RegValue& value) {
  switch (value.type) {
    case RegValueType::Binary:
      return value.binary;
    case RegValueType::DWord: {
      QByteArray bytes(sizeof(quint32), '\0');
      qToLittleEndian(value.dword, bytes.data());
      return bytes;
    }
    case RegValueType::String:
      return value.string.toUtf8() + '\0';
  }
  return {};
}

RegistryStatsDay ReadDay(const QString& name, const RegValue& value) {
  bool numeric = false;
  const qint32 day = name.toInt(&numeric, 10);
  if (name.size() > kMaxNameLength || !numeric)
    Refuse(QCoreApplication::translate("RegistryStats", "the value \"%1\" is not named by a day number").arg(name));
  QByteArray data = RawBytes(value);
  if (data.size() > kDataBytes) {
    Refuse(QCoreApplication::translate("RegistryStats", "the value \"%1\" holds %2 bytes, more than a day's totals")
               .arg(name)
               .arg(data.size()));
  }
  data.append(QByteArray(kDataBytes - data.size(), '\0'));
  RegistryStatsDay result;
  result.Day = day;
  result.DataIn = qFromLittleEndian<qint64>(data.constData());
  result.DataOut = qFromLittleEndian<qint64>(data.constData() + 8);
  result.DialupDuration = qFromLittleEndian<quint32>(data.constData() + 16);
  return result;
}

}  // namespace

std::optional<std::vector<RegistryStatsDay>> ReadRegistryStats(const platform::RegistryHive& hive) {
  if (!hive.KeyExists(RegistryStatsKey)) return std::nullopt;
  if (!hive.SubKeyNames(RegistryStatsKey).isEmpty())
    Refuse(QCoreApplication::translate("RegistryStats", "the key has subkeys"));
  std::vector<RegistryStatsDay> days;
  for (const QString& name : hive.ValueNames(RegistryStatsKey)) {
    days.push_back(ReadDay(name, *hive.Value(RegistryStatsKey, name)));
  }
  return days;
}

RegistryStatsValues RemoveRegistryStats(platform::RegistryHive& hive) {
  RegistryStatsValues values;
  for (const QString& name : hive.ValueNames(RegistryStatsKey)) {
    values.emplace_back(name, *hive.Value(RegistryStatsKey, name));
  }
  hive.DeleteKey(RegistryStatsKey);
  return values;
}

void RestoreRegistryStats(platform::RegistryHive& hive, const RegistryStatsValues& values) {
  hive.CreateKey(RegistryStatsKey);
  hive.SetValues(RegistryStatsKey, values);
}

}  // namespace meterly
