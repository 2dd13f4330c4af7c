#pragma once

#include "feed/inter_comm.h"
#include "platform/clock.h"

namespace meterly {

// The live figures of the main tick, for external viewers.
class TGraphFeed : public TInterComm {
 public:
  // Throws platform::SharedMemoryError.
  TGraphFeed(platform::SharedMemory& memory, platform::Clock& clock);

  // Writes a fresh tick stamp, then the bytes received and sent during the last tick.
  void Publish(quint32 received, quint32 sent);

 private:
  platform::Clock& clock_;
};

}  // namespace meterly
