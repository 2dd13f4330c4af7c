#pragma once

#include "platform/shared_memory.h"

#include <QString>

#include <memory>

namespace meterly {

// One named shared-memory section of the current user, published for other processes. This
// side only writes; readers poll.
class TInterComm {
 public:
  // Creates the section "MMF$<name>" (or opens it when it exists already) and maps all of it.
  // Throws platform::SharedMemoryError.
  TInterComm(platform::SharedMemory& memory, const QString& name);

  TInterComm(const TInterComm&) = delete;
  TInterComm& operator=(const TInterComm&) = delete;

  const QString& Name() const { return name_; }

 protected:
  ~TInterComm();

  void WriteBytes(int offset, const quint8* bytes, int count);
  void WriteByte(int offset, quint8 value);
  // Little-endian, at any offset.
  void WriteLong(int offset, quint32 value);

 private:
  QString name_;
  std::unique_ptr<platform::SharedSection> section_;
};

}  // namespace meterly
