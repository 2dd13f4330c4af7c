#pragma once

#include "platform/socket_table.h"

#include <QByteArray>
#include <QString>

namespace meterly::platform {

// Names of addresses and ports. Both are safe to call from several threads at once.
class NameLookup {
 public:
  virtual ~NameLookup() = default;

  // The host name of an address (4 or 16 bytes, network order), empty when it has none or the
  // name service does not answer within a short time. Blocks: call it off the user-interface thread.
  virtual QString HostName(const QByteArray& address) = 0;

  // The service name of a port, empty when it has none. Reads local files only.
  virtual QString ServiceName(quint16 port, SocketProtocol protocol) = 0;

  // This computer's host name.
  virtual QString LocalHostName() = 0;
};

}  // namespace meterly::platform
