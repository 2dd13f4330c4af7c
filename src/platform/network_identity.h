#pragma once

#include "platform/address_table.h"
#include "platform/interface_table.h"

#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace meterly::platform {

// What an address change is about: which interfaces there are, under which names, and their
// IPv4 addresses. Counters, carrier, wireless and address-lifetime news do not change it.
struct NetworkIdentity {
  std::vector<std::pair<quint32, QString>> Interfaces;  // index and name, by index
  std::vector<std::pair<quint32, quint32>> Addresses;   // interface index and IPv4 address, sorted

  friend bool operator==(const NetworkIdentity&, const NetworkIdentity&) = default;

  // nullopt when either table cannot be read.
  static std::optional<NetworkIdentity> Read(InterfaceTable& interfaces, AddressTable& addresses);
};

}  // namespace meterly::platform
