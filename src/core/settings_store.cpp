#include "core/settings_store.h"

#include <QtEndian>

#include <cmath>
#include <cstring>
#include <limits>

namespace meterly {

using platform::RegValue;
using platform::RegValueType;

namespace {

// Decimal text as a 32-bit signed number; spaces around it are allowed.
std::optional<qint32> ParseDecimal(const QString& text) {
  bool ok = false;
  const qlonglong value = text.trimmed().toLongLong(&ok, 10);
  if (!ok || value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max()) {
    return std::nullopt;
  }
  return static_cast<qint32>(value);
}

}  // namespace

SettingsStore::SettingsStore(platform::Registry& registry) : registry_(registry) {
  registry_.Hive().CreateKey(SettingsKey);
}

QString SettingsStore::KeyOf(const QString& section) { return SettingsKey + QLatin1Char('\\') + section; }

bool SettingsStore::ReadBool(const QString& section, const QString& name, bool def) const {
  return ReadInteger(section, name, def ? 1 : 0) != 0;
}

qint32 SettingsStore::ReadInteger(const QString& section, const QString& name, qint32 def) const {
  const std::optional<RegValue> value = registry_.Hive().Value(KeyOf(section), name);
  if (!value) return def;
  switch (value->type) {
    case RegValueType::DWord:
      return static_cast<qint32>(value->dword);
    case RegValueType::String:
      return ParseDecimal(value->string).value_or(def);
    case RegValueType::Binary:
      break;
  }
  return def;
}

QString SettingsStore::ReadString(const QString& section, const QString& name, const QString& def) const {
  const std::optional<RegValue> value = registry_.Hive().Value(KeyOf(section), name);
  if (!value || value->type != RegValueType::String) return def;
  return value->string;
}

double SettingsStore::ReadDateTime(const QString& section, const QString& name, double def) const {
  const std::optional<RegValue> value = registry_.Hive().Value(KeyOf(section), name);
  if (!value || value->type != RegValueType::Binary || value->binary.size() != sizeof(double)) return def;
  const quint64 bits = qFromLittleEndian<quint64>(value->binary.constData());
  double result = 0;
  std::memcpy(&result, &bits, sizeof result);
  return std::isfinite(result) ? result : def;
}

void SettingsStore::WriteBool(const QString& section, const QString& name, bool value) {
  WriteString(section, name, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void SettingsStore::WriteInteger(const QString& section, const QString& name, qint32 value) {
  const std::optional<RegValue> existing = registry_.Hive().Value(KeyOf(section), name);
  if (existing && existing->type == RegValueType::String) {
    WriteString(section, name, QString::number(value));
    return;
  }
  registry_.Hive().SetValue(KeyOf(section), name, RegValue::FromDWord(static_cast<quint32>(value)));
}

void SettingsStore::WriteString(const QString& section, const QString& name, const QString& value) {
  registry_.Hive().SetValue(KeyOf(section), name, RegValue::FromString(value));
}

void SettingsStore::WriteDateTime(const QString& section, const QString& name, double value) {
  quint64 bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  QByteArray bytes(sizeof bits, '\0');
  qToLittleEndian(bits, bytes.data());
  registry_.Hive().SetValue(KeyOf(section), name, RegValue::FromBinary(bytes));
}

void SettingsStore::Commit() { registry_.Save(); }

}  // namespace meterly
