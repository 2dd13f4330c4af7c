#pragma once

#include "platform/address_table.h"
#include "platform/interface_table.h"
#include "platform/linux/netlink_socket.h"
#include "platform/network_identity.h"

#include <QString>

#include <optional>

namespace meterly::platform {

// Listens for link and IPv4 address messages on a non-blocking netlink socket that belongs to
// rtnetlink's multicast groups. The kernel also sends link messages for statistics, carrier and
// wireless events and address messages for lifetime refreshes, every few seconds on a laptop:
// a message only makes the watch read the tables again, and a change is reported when the
// interfaces, their names or their IPv4 addresses really differ from what it saw last.
class LinuxAddressChangeWatch : public AddressChangeWatch {
 public:
  LinuxAddressChangeWatch(InterfaceTable& interfaces, AddressTable& addresses);

  bool Available() const { return socket_.IsOpen(); }
  // Why the watch cannot work; empty when it can.
  QString Failure() const { return failure_; }

  bool TakeChange() override;

 private:
  // Drains the socket; true when a message that may change the identity arrived.
  bool DrainMessages();

  InterfaceTable& interfaces_;
  AddressTable& addresses_;
  netlink::Socket socket_;
  QString failure_;
  std::optional<NetworkIdentity> identity_;
};

}  // namespace meterly::platform
