#pragma once

#include <optional>

namespace meterly::platform {

// Whether the desktop's notification area tucks away icons that have not changed for a while.
// While it does, the tray icon's tooltip is not refreshed every tick.
class ShellTrayState {
 public:
  virtual ~ShellTrayState() = default;

  // nullopt when the desktop cannot tell.
  virtual std::optional<bool> HidesInactiveIcons() = 0;
};

}  // namespace meterly::platform
