#pragma once

#include "platform/address_table.h"
#include "platform/linux/netlink_socket.h"

#include <QString>

namespace meterly::platform {

// Listens for link and address changes (IPv4 and IPv6) on a non-blocking netlink socket that
// belongs to rtnetlink's multicast groups. Any message is a change.
class LinuxAddressChangeWatch : public AddressChangeWatch {
 public:
  LinuxAddressChangeWatch();

  bool available() const { return socket_.isOpen(); }
  // Why the watch cannot work; empty when it can.
  QString failure() const { return failure_; }

  bool takeChange() override;

 private:
  netlink::Socket socket_;
  QString failure_;
};

}  // namespace meterly::platform
