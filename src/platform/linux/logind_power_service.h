#pragma once

#include "platform/power.h"

namespace meterly::platform {

// Powers off through systemd-logind on the system bus. logind decides through polkit whether
// this user may do so; without an interactive authorisation it refuses rather than asks.
class LogindPowerService : public PowerService {
 public:
  bool PowerOff(QString* error) override;
};

}  // namespace meterly::platform
