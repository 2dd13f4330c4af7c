#include "platform/linux/linux_tray_state.h"

namespace meterly::platform {

std::optional<bool> LinuxShellTrayState::HidesInactiveIcons() { return false; }

}  // namespace meterly::platform
