#include "platform/power.h"

#include <QCoreApplication>

namespace meterly::platform {

bool ExitWindowsWithPrivilege(PowerService& power, quint32 flags, QString* error) {
  const bool restart = (flags & ExitWindowsFlag::Reboot) != 0;
  const bool turnOff = (flags & (ExitWindowsFlag::Shutdown | ExitWindowsFlag::PowerOff)) != 0;
  if (restart || !turnOff) {
    if (error != nullptr) *error = QCoreApplication::translate("Power", "Only shutting the computer down is supported");
    return false;
  }
  return power.PowerOff(error);
}

}  // namespace meterly::platform
