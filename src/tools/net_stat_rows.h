#pragma once

#include "platform/processes.h"
#include "platform/socket_table.h"

#include <QStringList>

#include <vector>

namespace meterly {

// The names the list shows while resolving is on.
class TNetStatNames {
 public:
  virtual ~TNetStatNames() = default;

  virtual QString LocalHostName() = 0;
  // Empty when the port has no service name.
  virtual QString ServiceName(quint16 port, platform::SocketProtocol protocol) = 0;
  // Empty while the name is not known (or the address has none).
  virtual QString RemoteHostName(const QByteArray& address) = 0;
};

struct TNetStatOptions {
  bool ResolveAddresses = false;
  bool OnlyEstablished = false;
};

// One row of the connections list: the owning program and the socket's texts, with what
// identifies the program for ending it.
struct TNetStatRow {
  QString Caption;  // the program's name, or "System" when it cannot be seen
  QString Protocol;
  QString LocalAddress;
  QString RemoteAddress;
  QString State;
  platform::ProcessIdentity Process;  // pid 0 when unknown
  bool Terminable = false;
  platform::SocketRow Socket;

  // The cells after the caption, in the order of the columns.
  QStringList Cells() const { return {Protocol, LocalAddress, RemoteAddress, State}; }
};

// The list's columns.
QStringList NetStatColumns();

// The rows of the sockets the options admit, in the sockets' order: with only-established on,
// established TCP connections alone. Each process is looked at once, however many sockets it has.
std::vector<TNetStatRow> BuildNetStatRows(const std::vector<platform::SocketRow>& sockets,
                                          platform::ProcessService& processes, const TNetStatOptions& options,
                                          TNetStatNames& names);

// The remote column's text of a socket; used again when a host name arrives.
QString RemoteAddressText(const platform::SocketRow& socket, bool resolve, TNetStatNames& names);

}  // namespace meterly
