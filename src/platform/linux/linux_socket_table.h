#pragma once

#include "platform/socket_table.h"

#include <QString>

#include <unordered_map>

namespace meterly::platform {

// Reads the kernel's socket lists in /proc/net and finds each socket's process by the socket
// links in /proc/<pid>/fd: every file once per call, however many rows there are.
class LinuxSocketTable : public SocketTable {
 public:
  // procRoot is "/proc" except in tests.
  explicit LinuxSocketTable(QString procRoot = QStringLiteral("/proc"));

  std::vector<SocketRow> Sockets() override;

 private:
  void ReadTable(const char* name, SocketProtocol protocol, std::vector<SocketRow>& rows) const;
  // For every inode asked for, the first process found holding it (processes in /proc's order).
  void FindOwners(std::unordered_map<quint64, qint64>& owners) const;

  QByteArray procRoot_;
};

}  // namespace meterly::platform
