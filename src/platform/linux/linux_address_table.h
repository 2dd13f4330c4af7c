#pragma once

#include "platform/address_table.h"
#include "platform/linux/route_channel.h"

#include <QString>

#include <optional>
#include <vector>

namespace meterly::platform {

// The IPv4 addresses read from rtnetlink (an RTM_GETADDR dump), on a socket kept open for the
// object's life. Not thread-safe: one owner calls it.
class LinuxAddressTable : public AddressTable {
 public:
  LinuxAddressTable();

  bool Available() const { return channel_.Available(); }
  QString Failure() const { return channel_.Failure(); }

  std::optional<std::vector<Ipv4AddressRow>> Ipv4Addresses() override;

 private:
  netlink::RouteChannel channel_;
  std::vector<std::byte> dumpRequest_;
};

}  // namespace meterly::platform
