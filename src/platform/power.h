#pragma once

#include <QString>

namespace meterly::platform {

// Bits of an ExitWindowsEx request.
namespace ExitWindowsFlag {
constexpr quint32 LogOff = 0x00;
constexpr quint32 Shutdown = 0x01;
constexpr quint32 Reboot = 0x02;
constexpr quint32 Force = 0x04;
constexpr quint32 PowerOff = 0x08;
constexpr quint32 ForceIfHung = 0x10;
}  // namespace ExitWindowsFlag

// Turning the machine off.
class PowerService {
 public:
  virtual ~PowerService() = default;

  // Ends every session and powers the machine off, without asking the user anything. False,
  // with the reason in *error when error is given, when the system refused or could not be
  // asked; the machine then goes on running.
  virtual bool PowerOff(QString* error) = 0;
};

// ExitWindowsEx with the shutdown privilege. A request to shut down or power off goes to
// PowerOff; the privilege is the power service's own business (logind checks the caller), and
// the force bits change nothing because the system ends the sessions itself. Logging off and
// restarting are not offered here: such a request fails without asking the system.
bool ExitWindowsWithPrivilege(PowerService& power, quint32 flags, QString* error = nullptr);

}  // namespace meterly::platform
