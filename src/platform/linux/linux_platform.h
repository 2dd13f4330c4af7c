#pragma once

#include "platform/platform.h"

#include <memory>

namespace meterly::platform {

class LinuxUserSession;
class LinuxInterfaceTable;
class LinuxAddressTable;
class LinuxAddressChangeWatch;
class LinuxRegistryFile;
class LinuxInstanceLock;
class LinuxClock;
class LinuxShell;
class LinuxSharedMemory;
class X11GlobalHotKey;
class LogindPowerService;
class LinuxShellTrayState;
class LinuxIcmpService;
class LinuxDialupService;
class LinuxSocketTable;
class LinuxProcessService;
class LinuxNameLookup;
class CanberraSoundService;

// The real services of a Linux desktop.
class LinuxPlatform : public Platform {
 public:
  LinuxPlatform();
  ~LinuxPlatform() override;

  QString UnsupportedReason() override;
  InterfaceTable& interfaceTable() override;
  AddressTable& addressTable() override;
  AddressChangeWatch& addressChangeWatch() override;
  Registry& registry() override;
  UserSession& userSession() override;
  InstanceLock& instanceLock() override;
  Clock& clock() override;
  Shell& shell() override;
  SharedMemory& sharedMemory() override;
  GlobalHotKey& globalHotKey() override;
  PowerService& Power() override;
  ShellTrayState& TrayState() override;
  IcmpService& Icmp() override;
  DialupService& dialup() override;
  SocketTable& socketTable() override;
  ProcessService& Processes() override;
  NameLookup& nameLookup() override;
  SoundService& Sound() override;

  // Where the registry store keeps its file.
  QString RegistryPath();

 private:
  std::unique_ptr<LinuxUserSession> session_;
  std::unique_ptr<LinuxInterfaceTable> interfaces_;
  std::unique_ptr<LinuxAddressTable> addresses_;
  std::unique_ptr<LinuxAddressChangeWatch> addressWatch_;
  std::unique_ptr<LinuxRegistryFile> registryFile_;
  std::unique_ptr<Registry> registry_;
  std::unique_ptr<LinuxInstanceLock> lock_;
  std::unique_ptr<LinuxClock> clock_;
  std::unique_ptr<LinuxShell> shell_;
  std::unique_ptr<LinuxSharedMemory> sharedMemory_;
  std::unique_ptr<X11GlobalHotKey> hotKey_;
  std::unique_ptr<LogindPowerService> power_;
  std::unique_ptr<LinuxShellTrayState> trayState_;
  std::unique_ptr<LinuxIcmpService> icmp_;
  std::unique_ptr<LinuxDialupService> dialup_;
  std::unique_ptr<LinuxSocketTable> sockets_;
  std::unique_ptr<LinuxProcessService> processes_;
  std::unique_ptr<LinuxNameLookup> names_;
  std::unique_ptr<CanberraSoundService> sound_;
};

}  // namespace meterly::platform
