#include "platform/network_identity.h"

#include <algorithm>

namespace meterly::platform {

std::optional<NetworkIdentity> NetworkIdentity::Read(InterfaceTable& interfaces, AddressTable& addresses) {
  const std::optional<std::vector<InterfaceRow>> rows = interfaces.Rows();
  const std::optional<std::vector<Ipv4AddressRow>> ipv4 = addresses.Ipv4Addresses();
  if (!rows || !ipv4) return std::nullopt;
  NetworkIdentity identity;
  for (const InterfaceRow& row : *rows) identity.Interfaces.emplace_back(row.index, row.name);
  for (const Ipv4AddressRow& row : *ipv4) identity.Addresses.emplace_back(row.ifIndex, row.address);
  std::sort(identity.Interfaces.begin(), identity.Interfaces.end());
  std::sort(identity.Addresses.begin(), identity.Addresses.end());
  return identity;
}

}  // namespace meterly::platform
