#pragma once

#include "platform/clock.h"

namespace meterly::platform {

class LinuxClock : public Clock {
 public:
  quint32 tickCount() override;
  QDateTime now() override;
};

}  // namespace meterly::platform
