#pragma once

#include "platform/registry.h"

#include <QString>

namespace meterly {

// The program's settings key, relative to the current user's hive.
inline const QString SettingsKey = QStringLiteral("Software\\Corvane\\Meterly");

// Reads and writes settings by section and name, each section a subkey of SettingsKey.
//
//   boolean    written as text "1" / "0"; read by the integer rule, then true if not 0
//   integer    written as a 32-bit value, or as decimal text when the value already exists
//              as text; text is read as decimal, and text that is not a number gives the default
//   string     text
//   date-time  8 bytes: the little-endian double of days since 1899-12-30
//
// Anything missing or of an unusable type gives the default.
class SettingsStore {
 public:
  explicit SettingsStore(platform::Registry& registry);  // creates SettingsKey when missing

  bool ReadBool(const QString& section, const QString& name, bool def) const;
  qint32 ReadInteger(const QString& section, const QString& name, qint32 def) const;
  QString ReadString(const QString& section, const QString& name, const QString& def) const;
  double ReadDateTime(const QString& section, const QString& name, double def) const;

  void WriteBool(const QString& section, const QString& name, bool value);
  void WriteInteger(const QString& section, const QString& name, qint32 value);
  void WriteString(const QString& section, const QString& name, const QString& value);
  void WriteDateTime(const QString& section, const QString& name, double value);

  // Writes what was changed to disk. Throws platform::RegistryError.
  void Commit();

  platform::Registry& registry() { return registry_; }

 private:
  static QString KeyOf(const QString& section);

  platform::Registry& registry_;
};

}  // namespace meterly
