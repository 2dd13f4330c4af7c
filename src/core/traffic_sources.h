#pragma once

#include "core/adapter_entry.h"
#include "platform/address_table.h"
#include "platform/interface_table.h"

#include <optional>
#include <vector>

namespace meterly {

// One interface as the kernel knows it now: a name given to a new interface, or an index
// reused, is another instance whose counters start afresh.
struct InterfaceInstance {
  quint32 Index = 0;
  QString Name;

  friend bool operator==(const InterfaceInstance&, const InterfaceInstance&) = default;
};

// Received and sent octets of a source, as the kernel counts them (64 bits), with the
// interface instances they sum. Two readings are comparable only when their instances are
// the same.
struct CounterReading {
  quint64 In = 0;
  quint64 Out = 0;
  std::vector<InterfaceInstance> Instances;

  friend bool operator==(const CounterReading&, const CounterReading&) = default;
};

// Interface types that no aggregate sums: loopback, tunnels and virtual devices (whose traffic
// also crosses a physical interface), IEEE 1394.
bool IsExcludedIfType(quint32 type);

// Interface types offered as single sources: all but loopback and IEEE 1394. Tunnels and
// virtual devices are listed so that a VPN or a container's link can be watched on its own.
bool IsListedIfType(quint32 type);

// The list of traffic sources (three aggregates, then the interfaces) and the sampling of
// their counters.
class TrafficSources {
 public:
  TrafficSources(platform::InterfaceTable& interfaces, platform::AddressTable& addresses);

  // Rebuilds the list: the aggregates, then every interface of a listed type. When the interface
  // table cannot be read, the list holds the aggregates only.
  void BuildAdapterList();

  // Gives each interface entry an IPv4 address of its interface (the last one the table lists).
  void UpdateAdapterAddresses();

  const AdapterList& Adapters() const { return adapterList_; }

  // The last entry whose Guid equals the identifier exactly, or null.
  const TAdapterEntry* FindSelectedAdapter(const QString& interfaceGuid) const;

  // The counters of the entry's source; nullopt when they cannot be read (the interface is
  // gone, the table cannot be read). A reading of zero is a real value.
  std::optional<CounterReading> SampleCounters(const TAdapterEntry& entry);

 private:
  void AddPseudoEntries();
  std::optional<CounterReading> SampleAggregate(TAdapterKind kind);

  platform::InterfaceTable& interfaces_;
  platform::AddressTable& addresses_;
  AdapterList adapterList_;
};

}  // namespace meterly
