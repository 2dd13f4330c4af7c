#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace meterly::platform {

// Interface types as the traffic sources classify them (IANA ifType numbers).
namespace IfType {
constexpr quint32 Other = 1;
constexpr quint32 Ethernet = 6;
constexpr quint32 Ppp = 23;
constexpr quint32 SoftwareLoopback = 24;
constexpr quint32 Slip = 28;
constexpr quint32 Wireless = 71;
constexpr quint32 Tunnel = 131;
constexpr quint32 Ieee1394 = 144;
}  // namespace IfType

struct InterfaceRow {
  quint32 index = 0;
  QString name;         // kernel name; the identifier that survives re-enumeration
  QString description;  // the interface alias when set, else the name
  quint32 type = IfType::Other;
  QByteArray physAddr;  // as long as the link layer's address (0 bytes for none)
  quint64 inOctets = 0;
  quint64 outOctets = 0;
};

class InterfaceTable {
 public:
  virtual ~InterfaceTable() = default;

  // Every interface of the machine, ordered by index; nullopt when the table cannot be read.
  virtual std::optional<std::vector<InterfaceRow>> Rows() = 0;

  // One interface by name; nullopt when it is gone or cannot be read.
  virtual std::optional<InterfaceRow> RowByName(const QString& name) = 0;
};

}  // namespace meterly::platform
