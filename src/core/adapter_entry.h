#pragma once

#include <QString>

#include <array>
#include <vector>

namespace meterly {

// What an entry of the source list samples.
enum TAdapterKind : quint8 {
  akAllConnections = 0,  // every listed interface
  akAllDialup = 1,       // PPP and SLIP interfaces
  akAllEthernet = 2,     // Ethernet interfaces
  akInterface = 3,       // one interface, found again by its Guid at every sample
};

// One selectable traffic source.
struct TAdapterEntry {
  QString Description;  // what the source list shows
  quint32 IfIndex = 0;  // the index at enumeration time; 0 for aggregates
  TAdapterKind Kind = akInterface;
  std::array<quint8, 8> PhysAddr{};  // the first up to 8 bytes, the rest zero
  quint32 IpAddress = 0;             // an IPv4 address in host byte order; 0 for none
  QString Guid;                      // compared with the InterfaceGuid setting

  friend bool operator==(const TAdapterEntry&, const TAdapterEntry&) = default;
};

using AdapterList = std::vector<TAdapterEntry>;

// The three aggregates that always head the list. "All Connections" is monitored until the
// user picks another source.
inline const QString AllConnectionsGuid = QStringLiteral("{4FC25329-DAFD-49A9-9B80-8F203252ADE0}");
inline const QString AllEthernetGuid = QStringLiteral("{F8D02686-A619-4B1E-82EC-A67126A255E2}");
inline const QString AllDialupGuid = QStringLiteral("{F6C34987-34D0-4633-89FC-075131B63695}");

}  // namespace meterly
