#include "core/traffic_sources.h"

#include "base/assertion.h"

#include <algorithm>

namespace meterly {

using platform::InterfaceRow;
namespace IfType = platform::IfType;

namespace {

std::array<quint8, 8> FirstEightBytes(const QByteArray& address) {
  std::array<quint8, 8> bytes{};
  const auto count = std::min<qsizetype>(address.size(), static_cast<qsizetype>(bytes.size()));
  for (qsizetype i = 0; i < count; ++i) bytes[static_cast<size_t>(i)] = static_cast<quint8>(address[i]);
  return bytes;
}

bool SameHardwareAddress(const QByteArray& a, const QByteArray& b) {
  const qsizetype shorter = std::min(a.size(), b.size());
  return a.left(shorter) == b.left(shorter);
}

// A machine can list one adapter several times; the later copies of a row with the same
// counters and hardware address are ignored, so that an aggregate counts it once.
void SuppressDuplicates(std::vector<InterfaceRow>& rows) {
  for (size_t i = 0; i < rows.size(); ++i) {
    for (size_t j = 0; j < rows.size(); ++j) {
      if (i == j) continue;
      if (rows[i].inOctets == rows[j].inOctets && rows[i].outOctets == rows[j].outOctets &&
          SameHardwareAddress(rows[i].physAddr, rows[j].physAddr)) {
        rows[j].inOctets = 0;
        rows[j].outOctets = 0;
      }
    }
  }
}

bool KindCountsType(TAdapterKind kind, quint32 type) {
  switch (kind) {
    case akAllConnections:
      return true;
    case akAllDialup:
      return type == IfType::Ppp || type == IfType::Slip;
    case akAllEthernet:
      return type == IfType::Ethernet;
    case akInterface:
      break;
  }
  METERLY_ASSERT(false, "Main", "Unknown adapter kind");
}

}  // namespace

bool IsExcludedIfType(quint32 type) {
  return type == IfType::SoftwareLoopback || type == IfType::Tunnel || type == IfType::Ieee1394;
}

bool IsListedIfType(quint32 type) { return type != IfType::SoftwareLoopback && type != IfType::Ieee1394; }

TrafficSources::TrafficSources(platform::InterfaceTable& interfaces, platform::AddressTable& addresses)
    : interfaces_(interfaces), addresses_(addresses) {}

void TrafficSources::AddPseudoEntries() {
  adapterList_.push_back({QStringLiteral("All Connections"), 0, akAllConnections, {}, 0, AllConnectionsGuid});
  adapterList_.push_back({QStringLiteral("All Ethernet Connections"), 0, akAllEthernet, {}, 0, AllEthernetGuid});
  adapterList_.push_back({QStringLiteral("All Dial-up Connections"), 0, akAllDialup, {}, 0, AllDialupGuid});
}

void TrafficSources::BuildAdapterList() {
  adapterList_.clear();
  AddPseudoEntries();
  const std::optional<std::vector<InterfaceRow>> rows = interfaces_.Rows();
  if (!rows) return;
  for (const InterfaceRow& row : *rows) {
    if (!IsListedIfType(row.type)) continue;
    adapterList_.push_back({row.description, row.index, akInterface, FirstEightBytes(row.physAddr), 0, row.name});
  }
}

void TrafficSources::UpdateAdapterAddresses() {
  const auto table = addresses_.Ipv4Addresses();
  if (!table) return;
  for (const platform::Ipv4AddressRow& row : *table) {
    for (TAdapterEntry& entry : adapterList_) {
      if (entry.Kind == akInterface && entry.IfIndex == row.ifIndex) entry.IpAddress = row.address;
    }
  }
}

const TAdapterEntry* TrafficSources::FindSelectedAdapter(const QString& interfaceGuid) const {
  const auto found = std::find_if(adapterList_.rbegin(), adapterList_.rend(),
                                  [&](const TAdapterEntry& entry) { return entry.Guid == interfaceGuid; });
  return found == adapterList_.rend() ? nullptr : &*found;
}

std::optional<CounterReading> TrafficSources::SampleCounters(const TAdapterEntry& entry) {
  if (entry.Kind != akInterface) return SampleAggregate(entry.Kind);
  // Found again by identifier every time: indices change when interfaces come and go.
  const std::optional<InterfaceRow> row = interfaces_.RowByName(entry.Guid);
  if (!row) return std::nullopt;
  return CounterReading{row->inOctets, row->outOctets, {{row->index, row->name}}};
}

std::optional<CounterReading> TrafficSources::SampleAggregate(TAdapterKind kind) {
  METERLY_ASSERT(kind <= akAllEthernet, "Main", "Unknown adapter kind");
  std::optional<std::vector<InterfaceRow>> rows = interfaces_.Rows();
  if (!rows) return std::nullopt;
  SuppressDuplicates(*rows);
  CounterReading sum;
  for (const InterfaceRow& row : *rows) {
    if (IsExcludedIfType(row.type) || !KindCountsType(kind, row.type)) continue;
    sum.In += row.inOctets;
    sum.Out += row.outOctets;
    sum.Instances.push_back({row.index, row.name});
  }
  return sum;
}

}  // namespace meterly
