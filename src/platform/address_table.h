#pragma once

#include <QtGlobal>

#include <optional>
#include <vector>

namespace meterly::platform {

struct Ipv4AddressRow {
  quint32 ifIndex = 0;
  quint32 address = 0;  // host byte order: 192.0.2.1 is 0xC0000201
};

class AddressTable {
 public:
  virtual ~AddressTable() = default;

  // Every IPv4 address of the machine in the kernel's order; nullopt when unreadable.
  virtual std::optional<std::vector<Ipv4AddressRow>> Ipv4Addresses() = 0;
};

// Tells whether links or addresses changed since the last call. Never blocks.
class AddressChangeWatch {
 public:
  virtual ~AddressChangeWatch() = default;

  // True when at least one change arrived since the previous call; drains what arrived.
  virtual bool TakeChange() = 0;
};

}  // namespace meterly::platform
