#pragma once

#include "platform/registry_value.h"

#include <QHash>
#include <QStringList>

#include <optional>
#include <vector>

namespace meterly::platform {

// The current user's registry hive held in memory: a tree of keys with typed values.
// Key paths are backslash-separated and relative to HKEY_CURRENT_USER
// ("Software\\Corvane\\Meterly\\Main"). Key and value names compare case-insensitively,
// as on the system this store stands in for, and keep the case they were created with.
// Keys and values keep their order of creation.
//
// A path with an empty component ("a\\\\b", a leading or trailing backslash, "") names no key:
// reading through it finds nothing, creating or writing through it throws RegistryError.
// Writing also throws for text the file cannot hold: a NUL character or broken UTF-16
// anywhere, a line break in a key name, or keys nested deeper than MaxKeyDepth.
class RegistryHive {
 public:
  bool KeyExists(const QString& keyPath) const;
  void CreateKey(const QString& keyPath);  // with every missing parent

  std::optional<RegValue> Value(const QString& keyPath, const QString& name) const;
  void SetValue(const QString& keyPath, const QString& name, const RegValue& value);  // creates the key
  // The same for many values of one key with a single path lookup; of two values with the
  // same name the later one wins.
  void SetValues(const QString& keyPath, const std::vector<std::pair<QString, RegValue>>& values);

  QStringList ValueNames(const QString& keyPath) const;
  QStringList SubKeyNames(const QString& keyPath) const;
  bool DeleteValue(const QString& keyPath, const QString& name);
  bool DeleteKey(const QString& keyPath);  // with its subkeys

  bool IsEmpty() const { return root_.subKeys.empty(); }

  // Visits every key depth-first, parents before children, with its full path.
  template <typename Visitor>
  void ForEachKey(Visitor&& visit) const {
    ForEachKeyBelow(root_, QString(), visit);
  }

  static constexpr int MaxKeyDepth = 512;

  struct Key {
    QString name;
    std::vector<std::pair<QString, RegValue>> values;
    std::vector<Key> subKeys;
    // Case-folded name -> position in values / subKeys: lookups stay constant-time even in
    // a file with a million names, which must still load in linear time.
    QHash<QString, std::size_t> valueIndex;
    QHash<QString, std::size_t> subKeyIndex;

    friend bool operator==(const Key&, const Key&) = default;
  };

  friend bool operator==(const RegistryHive&, const RegistryHive&) = default;

 private:
  template <typename Visitor>
  static void ForEachKeyBelow(const Key& key, const QString& path, Visitor& visit) {
    for (const Key& child : key.subKeys) {
      const QString childPath = path.isEmpty() ? child.name : path + QLatin1Char('\\') + child.name;
      visit(childPath, child);
      ForEachKeyBelow(child, childPath, visit);
    }
  }

  const Key* Find(const QString& keyPath) const;
  Key* Find(const QString& keyPath);
  Key& FindOrCreate(const QString& keyPath);

  Key root_;
};

}  // namespace meterly::platform
