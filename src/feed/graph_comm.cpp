#include "feed/graph_comm.h"

#include "feed/graph_settings_record.h"
#include "meterly/graph_feed.h"

namespace meterly {

TGraphComm::TGraphComm(platform::SharedMemory& memory)
    : TInterComm(memory, QStringLiteral(METERLY_GRAPH_COMM_SECTION)) {}

void TGraphComm::SendSettings(const Settings& settings) {
  const GraphSettingsBytes record = GraphSettingsRecord(settings);
  WriteByte(METERLY_COMM_KIND, METERLY_COMM_KIND_SETTINGS);
  WriteBytes(METERLY_COMM_RECORD, record.data(), static_cast<int>(record.size()));
}

void TGraphComm::SendReset() { WriteByte(METERLY_COMM_KIND, METERLY_COMM_KIND_RESET); }

}  // namespace meterly
