#pragma once

#include "platform/tray_state.h"

namespace meterly::platform {

// No Linux tray host (StatusNotifierItem hosts, XEmbed trays) hides inactive icons.
class LinuxShellTrayState : public ShellTrayState {
 public:
  std::optional<bool> HidesInactiveIcons() override;
};

}  // namespace meterly::platform
