#pragma once

#include "platform/socket_table.h"

#include <QString>

namespace meterly {

// The name of a TCP state in the kernel's numbering; a number it does not know is shown as
// that number.
QString TcpStateName(int state);

// An address as numbers: "192.168.0.1", or an IPv6 address in brackets, "[::1]".
QString NumericAddressText(const QByteArray& address);

// True for 0.0.0.0 and ::.
bool IsAnyAddress(const QByteArray& address);
// True for 127.0.0.1 and ::1.
bool IsLoopbackAddress(const QByteArray& address);

// The text of a list cell: "address: port".
QString EndpointText(const QString& address, const QString& port);

// What the remote column shows for a UDP socket, which has no partner.
QString UdpRemoteText();

// A key whose text order is the numeric order of the address and then the port: each part of
// an IPv4 address and the port right-aligned in a fixed width ("192.168.  0.  1:    80"),
// an IPv6 address written out in full and bracketed, so that it follows every IPv4 one.
QString EndpointSortKey(const platform::SocketEndpoint& endpoint);
// The key of UdpRemoteText(), in the same fixed-width form.
QString UdpRemoteSortKey();

}  // namespace meterly
