#pragma once

#include "platform/registry_hive.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <stdexcept>

namespace meterly::platform {

class RegistryError : public std::runtime_error {
 public:
  explicit RegistryError(const QString& message) : std::runtime_error(message.toStdString()) {}
  QString message() const { return QString::fromStdString(what()); }
};

// Where the hive is kept between runs.
class RegistryFile {
 public:
  virtual ~RegistryFile() = default;

  // The stored bytes; nullopt when nothing is stored yet. Throws RegistryError when the
  // file exists but cannot be read.
  virtual std::optional<QByteArray> Read() = 0;

  // Replaces the stored bytes in one step (a reader sees the old or the new file, never a
  // mix), readable and writable by the owner only. Throws RegistryError.
  virtual void Write(const QByteArray& bytes) = 0;

  // Moves the stored file out of the way under a new name and returns that name.
  // Throws RegistryError.
  virtual QString SetAside() = 0;

  // Where the file lives, for messages.
  virtual QString Location() const = 0;
};

// The registry store: the hive in memory, loaded from and saved to a RegistryFile.
class Registry {
 public:
  explicit Registry(RegistryFile& file) : file_(file) {}

  // Reads the file. A file that cannot be parsed is set aside and the hive starts empty;
  // loadProblem() then says what happened. An unreadable file throws RegistryError, leaves the
  // hive empty and makes every later save() refuse.
  void Load();

  // Writes the whole hive. Throws RegistryError, also after a load whose unparsable file
  // could not be moved aside: saving would destroy that file.
  void Save();

  RegistryHive& Hive() { return hive_; }
  const RegistryHive& Hive() const { return hive_; }

  // Empty after a clean load; otherwise a sentence for the user.
  const QString& LoadProblem() const { return loadProblem_; }

 private:
  RegistryFile& file_;
  RegistryHive hive_;
  QString loadProblem_;
  // Why save() must not write: set when the file could not be read, or when an unparsable file
  // could not be moved aside.
  QString saveRefusal_;
};

}  // namespace meterly::platform
