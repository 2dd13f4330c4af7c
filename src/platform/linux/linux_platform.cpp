#include "platform/linux/linux_platform.h"

#include "platform/linux/canberra_sound.h"
#include "platform/linux/linux_address_table.h"
#include "platform/linux/linux_address_watch.h"
#include "platform/linux/linux_clock.h"
#include "platform/linux/linux_dialup.h"
#include "platform/linux/linux_icmp.h"
#include "platform/linux/linux_instance_lock.h"
#include "platform/linux/linux_interface_table.h"
#include "platform/linux/linux_name_lookup.h"
#include "platform/linux/linux_process_service.h"
#include "platform/linux/linux_registry_file.h"
#include "platform/linux/linux_shared_memory.h"
#include "platform/linux/linux_shell.h"
#include "platform/linux/linux_socket_table.h"
#include "platform/linux/linux_tray_state.h"
#include "platform/linux/linux_user_session.h"
#include "platform/linux/logind_power_service.h"
#include "platform/linux/x11_global_hot_key.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>

#include <linux/netlink.h>
#include <sys/socket.h>
#include <unistd.h>

namespace meterly::platform {

LinuxPlatform::LinuxPlatform()
    : session_(std::make_unique<LinuxUserSession>()),
      interfaces_(std::make_unique<LinuxInterfaceTable>()),
      addresses_(std::make_unique<LinuxAddressTable>()),
      addressWatch_(std::make_unique<LinuxAddressChangeWatch>(*interfaces_, *addresses_)),
      registryFile_(std::make_unique<LinuxRegistryFile>(RegistryPath())),
      registry_(std::make_unique<Registry>(*registryFile_)),
      lock_(std::make_unique<LinuxInstanceLock>(session_->RuntimeDir())),
      clock_(std::make_unique<LinuxClock>()),
      shell_(std::make_unique<LinuxShell>()),
      sharedMemory_(std::make_unique<LinuxSharedMemory>()),
      hotKey_(std::make_unique<X11GlobalHotKey>()),
      power_(std::make_unique<LogindPowerService>()),
      trayState_(std::make_unique<LinuxShellTrayState>()),
      icmp_(std::make_unique<LinuxIcmpService>()),
      dialup_(std::make_unique<LinuxDialupService>()),
      sockets_(std::make_unique<LinuxSocketTable>()),
      processes_(std::make_unique<LinuxProcessService>()),
      names_(std::make_unique<LinuxNameLookup>()),
      sound_(std::make_unique<CanberraSoundService>()) {}

LinuxPlatform::~LinuxPlatform() = default;

QString LinuxPlatform::RegistryPath() { return RegistryFilePath(*session_); }

QString LinuxPlatform::UnsupportedReason() {
  const int fd = socket(AF_NETLINK, SOCK_RAW | SOCK_CLOEXEC, NETLINK_ROUTE);
  if (fd < 0) {
    return QCoreApplication::translate("LinuxPlatform",
                                       "This system does not offer the kernel's routing interface (rtnetlink): %1")
        .arg(QString::fromLocal8Bit(std::strerror(errno)));
  }
  close(fd);
  return QString();
}

InterfaceTable& LinuxPlatform::interfaceTable() { return *interfaces_; }
AddressTable& LinuxPlatform::addressTable() { return *addresses_; }
AddressChangeWatch& LinuxPlatform::addressChangeWatch() { return *addressWatch_; }
Registry& LinuxPlatform::registry() { return *registry_; }
UserSession& LinuxPlatform::userSession() { return *session_; }
InstanceLock& LinuxPlatform::instanceLock() { return *lock_; }
Clock& LinuxPlatform::clock() { return *clock_; }
Shell& LinuxPlatform::shell() { return *shell_; }
SharedMemory& LinuxPlatform::sharedMemory() { return *sharedMemory_; }
GlobalHotKey& LinuxPlatform::globalHotKey() { return *hotKey_; }
PowerService& LinuxPlatform::Power() { return *power_; }
ShellTrayState& LinuxPlatform::TrayState() { return *trayState_; }
IcmpService& LinuxPlatform::Icmp() { return *icmp_; }
DialupService& LinuxPlatform::dialup() { return *dialup_; }
SocketTable& LinuxPlatform::socketTable() { return *sockets_; }
ProcessService& LinuxPlatform::Processes() { return *processes_; }
NameLookup& LinuxPlatform::nameLookup() { return *names_; }
SoundService& LinuxPlatform::Sound() { return *sound_; }

}  // namespace meterly::platform
