#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <optional>
#include <vector>

namespace meterly::platform {

enum class SocketProtocol { Tcp, Udp };

// TCP states as the kernel numbers them.
namespace TcpState {
constexpr int Established = 1;
constexpr int SynSent = 2;
constexpr int SynRecv = 3;
constexpr int FinWait1 = 4;
constexpr int FinWait2 = 5;
constexpr int TimeWait = 6;
constexpr int Close = 7;
constexpr int CloseWait = 8;
constexpr int LastAck = 9;
constexpr int Listen = 10;
constexpr int Closing = 11;
constexpr int NewSynRecv = 12;
constexpr int BoundInactive = 13;
}  // namespace TcpState

// An address and port: 4 bytes for IPv4, 16 for IPv6, in network order.
struct SocketEndpoint {
  QByteArray address;
  quint16 port = 0;

  bool IsIpv6() const { return address.size() == 16; }
  friend bool operator==(const SocketEndpoint&, const SocketEndpoint&) = default;
};

// One TCP or UDP socket of this machine (of the network namespace the program runs in).
struct SocketRow {
  SocketProtocol protocol = SocketProtocol::Tcp;
  SocketEndpoint local;
  SocketEndpoint remote;  // all zero while not connected
  int state = 0;          // TcpState for TCP; the kernel's number for UDP too (Established once connected)
  quint32 uid = 0;        // the user who created the socket
  quint64 inode = 0;
  qint64 pid = 0;  // a process holding the socket; 0 when no process of it can be seen

  friend bool operator==(const SocketRow&, const SocketRow&) = default;
};

// The machine's TCP and UDP sockets, IPv4 and IPv6, with their owning processes where this
// user may see them.
class SocketTable {
 public:
  virtual ~SocketTable() = default;

  // TCP rows first, then UDP; each protocol's IPv4 rows before its IPv6 rows. A table that
  // cannot be read adds no rows.
  virtual std::vector<SocketRow> Sockets() = 0;
};

}  // namespace meterly::platform
