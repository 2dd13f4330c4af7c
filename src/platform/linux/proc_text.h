#pragma once

#include "platform/socket_table.h"

#include <QByteArrayView>

#include <optional>

namespace meterly::platform {

// One line of /proc/net/{tcp,tcp6,udp,udp6}; nullopt for the heading or a line that does not
// parse. The row's pid is left 0.
std::optional<SocketRow> ParseProcNetLine(QByteArrayView line, SocketProtocol protocol);

// The start time of a process (field 22 of /proc/<pid>/stat, clock ticks since boot).
// The name in field 2 may hold spaces and parentheses of its own.
std::optional<quint64> ParseStatStartTime(QByteArrayView stat);

// The socket inode of a file-descriptor link text "socket:[12345]"; nullopt for anything else.
std::optional<quint64> ParseSocketLink(QByteArrayView link);

}  // namespace meterly::platform
