#pragma once

#include "platform/address_table.h"
#include "platform/clock.h"
#include "platform/dialup.h"
#include "platform/global_hot_key.h"
#include "platform/icmp.h"
#include "platform/instance_lock.h"
#include "platform/interface_table.h"
#include "platform/name_lookup.h"
#include "platform/power.h"
#include "platform/processes.h"
#include "platform/registry.h"
#include "platform/shared_memory.h"
#include "platform/shell.h"
#include "platform/socket_table.h"
#include "platform/sound.h"
#include "platform/tray_state.h"
#include "platform/user_session.h"

#include <QString>

namespace meterly::platform {

// Every operating-system service the program uses, reached through one object so that
// tests can hand in a scripted one.
class Platform {
 public:
  virtual ~Platform() = default;

  // Empty when this machine can run the monitor; otherwise why it cannot.
  virtual QString UnsupportedReason() = 0;

  virtual InterfaceTable& interfaceTable() = 0;
  virtual AddressTable& addressTable() = 0;
  virtual AddressChangeWatch& addressChangeWatch() = 0;
  virtual Registry& registry() = 0;
  virtual UserSession& userSession() = 0;
  virtual InstanceLock& instanceLock() = 0;
  virtual Clock& clock() = 0;
  virtual Shell& shell() = 0;
  virtual SharedMemory& sharedMemory() = 0;
  virtual GlobalHotKey& globalHotKey() = 0;
  virtual PowerService& Power() = 0;
  virtual ShellTrayState& TrayState() = 0;
  virtual IcmpService& Icmp() = 0;
  virtual DialupService& dialup() = 0;
  virtual SocketTable& socketTable() = 0;
  virtual ProcessService& Processes() = 0;
  virtual NameLookup& nameLookup() = 0;
  virtual SoundService& Sound() = 0;
};

}  // namespace meterly::platform
