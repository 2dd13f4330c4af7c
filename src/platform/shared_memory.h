#pragma once

#include <QString>
#include <QtGlobal>

#include <memory>
#include <stdexcept>

namespace meterly::platform {

// A section could not be created, opened or mapped; the message says which and why.
class SharedMemoryError : public std::runtime_error {
 public:
  explicit SharedMemoryError(const QString& message) : std::runtime_error(message.toStdString()) {}
  QString message() const { return QString::fromStdString(what()); }
};

// One mapped view of a named section. Destroying it unmaps the view and releases the
// handle; the named object itself stays, so that other openers keep their memory.
class SharedSection {
 public:
  virtual ~SharedSection() = default;

  // The whole section, size() bytes, readable and writable.
  virtual quint8* data() = 0;
  virtual int size() const = 0;
};

// Named memory sections shared with other processes of the same user. Each user has names of
// their own: the same name opened by two users gives two different sections.
class SharedMemory {
 public:
  virtual ~SharedMemory() = default;

  // Creates the named section with the given size (zero-filled), or opens it when it exists
  // already, so that a second opener sees the same memory. Throws SharedMemoryError.
  virtual std::unique_ptr<SharedSection> Open(const QString& name, int size) = 0;
};

}  // namespace meterly::platform
