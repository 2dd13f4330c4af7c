#include "feed/inter_comm.h"

#include "base/assertion.h"
#include "meterly/graph_feed.h"

#include <QtEndian>

#include <cstring>

namespace meterly {

TInterComm::TInterComm(platform::SharedMemory& memory, const QString& name)
    : name_(name), section_(memory.Open(QStringLiteral(METERLY_SECTION_PREFIX) + name, METERLY_SECTION_SIZE)) {}

TInterComm::~TInterComm() = default;

void TInterComm::WriteBytes(int offset, const quint8* bytes, int count) {
  METERLY_ASSERT(offset >= 0 && count >= 0 && offset + count <= section_->size(), "InterComm",
                 "write outside the shared section");
  std::memcpy(section_->data() + offset, bytes, static_cast<size_t>(count));
}

void TInterComm::WriteByte(int offset, quint8 value) { WriteBytes(offset, &value, 1); }

void TInterComm::WriteLong(int offset, quint32 value) {
  quint8 bytes[sizeof value];
  qToLittleEndian(value, bytes);
  WriteBytes(offset, bytes, sizeof bytes);
}

}  // namespace meterly
