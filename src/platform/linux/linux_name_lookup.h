#pragma once

#include "platform/name_lookup.h"

namespace meterly::platform {

// getnameinfo and getservbyport_r. Each thread that looks up host names asks the DNS resolver
// for one try of one second per server, so a silent name server holds a lookup only briefly.
class LinuxNameLookup : public NameLookup {
 public:
  QString HostName(const QByteArray& address) override;
  QString ServiceName(quint16 port, SocketProtocol protocol) override;
  QString LocalHostName() override;
};

}  // namespace meterly::platform
