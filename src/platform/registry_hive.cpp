#include "platform/registry_hive.h"

#include "base/assertion.h"
#include "platform/registry.h"

#include <QList>
#include <QStringView>

#include <algorithm>

namespace meterly::platform {

namespace {

using Key = RegistryHive::Key;

// The form in which names are compared: two names match when their folded forms are equal.
QString Folded(const QString& name) { return name.toCaseFolded(); }
QString Folded(QStringView name) { return name.toString().toCaseFolded(); }

// A key path taken apart. names is empty when a name in the path is empty: no key has that path.
struct KeyPath {
  QString folded;  // the text that foldedNames point into
  QList<QStringView> names;
  QList<QStringView> foldedNames;
};

KeyPath SplitKeyPath(const QString& keyPath) {
  KeyPath path{Folded(keyPath), QStringView(keyPath).split(u'\\'), {}};
  if (std::any_of(path.names.cbegin(), path.names.cend(), [](QStringView name) { return name.isEmpty(); })) {
    path.names.clear();
    return path;
  }
  // Folding the whole path at once spares an allocation per name; it never adds or removes a backslash.
  path.foldedNames = QStringView(path.folded).split(u'\\');
  METERLY_ASSERT(path.foldedNames.size() == path.names.size(), "RegistryHive", "folding changed a key path");
  return path;
}

// Looks a folded name up without copying it.
QHash<QString, std::size_t>::const_iterator FindFolded(const QHash<QString, std::size_t>& index,
                                                       QStringView foldedName) {
  return index.constFind(QString::fromRawData(foldedName.data(), foldedName.size()));
}

[[noreturn]] void Refuse(const QString& subject, const QString& problem) {
  throw RegistryError(QStringLiteral("The registry cannot store %1: %2.").arg(subject, problem));
}

QString Quoted(const QString& what, const QString& text) { return QStringLiteral("%1 \"%2\"").arg(what, text); }

// Why the file could not hold the text, or empty when it can.
QString TextProblem(QStringView text) {
  if (text.contains(QChar(u'\0'))) return QStringLiteral("it contains a NUL character");
  if (!text.isValidUtf16()) return QStringLiteral("it is not valid Unicode text");
  return {};
}

void RequireStorableValue(const QString& name, const RegValue& value) {
  if (const QString problem = TextProblem(name); !problem.isEmpty()) {
    Refuse(Quoted(QStringLiteral("the value name"), name), problem);
  }
  if (value.type != RegValueType::String) return;
  if (const QString problem = TextProblem(value.string); !problem.isEmpty()) {
    Refuse(Quoted(QStringLiteral("the text of value"), name), problem);
  }
}

// The path that keys are to be created along; throws when no key can have it.
KeyPath CreatablePath(const QString& keyPath) {
  KeyPath path = SplitKeyPath(keyPath);
  const auto subject = [&keyPath] { return Quoted(QStringLiteral("the key path"), keyPath); };
  if (path.names.isEmpty()) {
    Refuse(subject(), QStringLiteral("a key name in it is empty (a doubled, leading or trailing backslash)"));
  }
  if (path.names.size() > RegistryHive::MaxKeyDepth) {
    Refuse(subject(), QStringLiteral("keys nest at most %1 deep").arg(RegistryHive::MaxKeyDepth));
  }
  QString problem = TextProblem(keyPath);
  if (problem.isEmpty() && (keyPath.contains(u'\n') || keyPath.contains(u'\r'))) {
    problem = QStringLiteral("a key name in it contains a line break");
  }
  if (!problem.isEmpty()) Refuse(subject(), problem);
  return path;
}

template <typename Entries>
void RebuildIndex(const Entries& entries, QHash<QString, std::size_t>& index, auto nameOf) {
  index.clear();
  for (std::size_t i = 0; i < entries.size(); ++i) index.insert(Folded(nameOf(entries[i])), i);
}

void RebuildValueIndex(Key& key) {
  RebuildIndex(key.values, key.valueIndex, [](const auto& entry) -> const QString& { return entry.first; });
}

void RebuildSubKeyIndex(Key& key) {
  RebuildIndex(key.subKeys, key.subKeyIndex, [](const Key& child) -> const QString& { return child.name; });
}

const Key* SubKey(const Key& parent, QStringView foldedName) {
  const auto found = FindFolded(parent.subKeyIndex, foldedName);
  return found == parent.subKeyIndex.cend() ? nullptr : &parent.subKeys[found.value()];
}

Key& SubKeyOrNew(Key& parent, QStringView name, QStringView foldedName) {
  const auto found = FindFolded(parent.subKeyIndex, foldedName);
  if (found != parent.subKeyIndex.cend()) return parent.subKeys[found.value()];
  parent.subKeyIndex.insert(foldedName.toString(), parent.subKeys.size());
  Key& child = parent.subKeys.emplace_back();
  child.name = name.toString();
  return child;
}

void PutValue(Key& key, const QString& name, const RegValue& value) {
  const QString foldedName = Folded(name);
  const auto found = key.valueIndex.constFind(foldedName);
  if (found != key.valueIndex.cend()) {
    key.values[found.value()].second = value;
    return;
  }
  key.valueIndex.insert(foldedName, key.values.size());
  key.values.emplace_back(name, value);
}

}  // namespace

const Key* RegistryHive::Find(const QString& keyPath) const {
  const KeyPath path = SplitKeyPath(keyPath);
  if (path.names.isEmpty()) return nullptr;
  const Key* key = &root_;
  for (QStringView foldedName : path.foldedNames) {
    key = SubKey(*key, foldedName);
    if (key == nullptr) return nullptr;
  }
  return key;
}

Key* RegistryHive::Find(const QString& keyPath) { return const_cast<Key*>(std::as_const(*this).Find(keyPath)); }

Key& RegistryHive::FindOrCreate(const QString& keyPath) {
  const KeyPath path = CreatablePath(keyPath);
  Key* key = &root_;
  for (qsizetype i = 0; i < path.names.size(); ++i) key = &SubKeyOrNew(*key, path.names[i], path.foldedNames[i]);
  return *key;
}

bool RegistryHive::KeyExists(const QString& keyPath) const { return Find(keyPath) != nullptr; }

void RegistryHive::CreateKey(const QString& keyPath) { FindOrCreate(keyPath); }

std::optional<RegValue> RegistryHive::Value(const QString& keyPath, const QString& name) const {
  const Key* key = Find(keyPath);
  if (key == nullptr) return std::nullopt;
  const auto found = key->valueIndex.constFind(Folded(name));
  if (found == key->valueIndex.cend()) return std::nullopt;
  return key->values[found.value()].second;
}

void RegistryHive::SetValue(const QString& keyPath, const QString& name, const RegValue& value) {
  RequireStorableValue(name, value);
  PutValue(FindOrCreate(keyPath), name, value);
}

void RegistryHive::SetValues(const QString& keyPath, const std::vector<std::pair<QString, RegValue>>& values) {
  for (const auto& [name, value] : values) RequireStorableValue(name, value);
  Key& key = FindOrCreate(keyPath);
  if (key.values.empty()) {  // growing step by step would rehash the index again and again
    key.values.reserve(values.size());
    key.valueIndex.reserve(static_cast<qsizetype>(values.size()));
  }
  for (const auto& [name, value] : values) PutValue(key, name, value);
}

QStringList RegistryHive::ValueNames(const QString& keyPath) const {
  QStringList names;
  if (const Key* key = Find(keyPath)) {
    for (const auto& entry : key->values) names.append(entry.first);
  }
  return names;
}

QStringList RegistryHive::SubKeyNames(const QString& keyPath) const {
  QStringList names;
  if (const Key* key = Find(keyPath)) {
    for (const Key& child : key->subKeys) names.append(child.name);
  }
  return names;
}

bool RegistryHive::DeleteValue(const QString& keyPath, const QString& name) {
  Key* key = Find(keyPath);
  if (key == nullptr) return false;
  const auto found = key->valueIndex.constFind(Folded(name));
  if (found == key->valueIndex.cend()) return false;
  key->values.erase(key->values.begin() + static_cast<std::ptrdiff_t>(found.value()));
  RebuildValueIndex(*key);
  return true;
}

bool RegistryHive::DeleteKey(const QString& keyPath) {
  if (!KeyExists(keyPath)) return false;
  const qsizetype lastSeparator = keyPath.lastIndexOf(u'\\');
  Key* parent = lastSeparator < 0 ? &root_ : Find(keyPath.left(lastSeparator));
  const auto found = parent->subKeyIndex.constFind(Folded(QStringView(keyPath).sliced(lastSeparator + 1)));
  parent->subKeys.erase(parent->subKeys.begin() + static_cast<std::ptrdiff_t>(found.value()));
  RebuildSubKeyIndex(*parent);
  return true;
}

}  // namespace meterly::platform
