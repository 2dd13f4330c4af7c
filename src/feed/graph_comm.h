#pragma once

#include "core/settings.h"
#include "feed/inter_comm.h"

namespace meterly {

// Messages about the graph for external viewers: its settings changed, or it was cleared.
class TGraphComm : public TInterComm {
 public:
  // Throws platform::SharedMemoryError.
  explicit TGraphComm(platform::SharedMemory& memory);

  // Kind "settings" followed by the settings record.
  void SendSettings(const Settings& settings);

  // Kind "reset" only: the last settings record stays readable behind it.
  void SendReset();
};

}  // namespace meterly
