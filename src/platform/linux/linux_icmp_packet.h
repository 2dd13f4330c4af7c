#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <optional>

namespace meterly::platform {

// An answer to one of our echo requests, read from a received ICMP message.
struct IcmpAnswer {
  quint32 status = 0;  // IcmpStatus code
  quint32 from = 0;    // IPv4 of the sender, host order
  int ttl = -1;        // time-to-live of the received packet; -1 when not known

  friend bool operator==(const IcmpAnswer&, const IcmpAnswer&) = default;
};

// The internet checksum (one's complement sum of 16-bit words) of the bytes.
quint16 InternetChecksum(const QByteArray& bytes);

// An ICMP echo request message (header and data, no IP header) with its checksum.
QByteArray BuildEchoRequest(quint16 identifier, quint16 sequence, const QByteArray& data);

// The sequence number of an echo message of the given ICMP type (0 reply, 8 request) that
// starts the bytes; nullopt when they hold no such message.
std::optional<quint16> EchoSequence(const QByteArray& icmp, int type);

// A whole IPv4 packet as a raw ICMP socket receives it: the answer to the request
// (identifier, sequence), be it the echo reply or an error carrying the request's header;
// nullopt for anything else (other programs' traffic, our own request on loopback, late answers).
std::optional<IcmpAnswer> ParseRawAnswer(const QByteArray& packet, quint16 identifier, quint16 sequence);

// The status of an ICMP error message of the given type and code.
quint32 StatusOfIcmpError(int type, int code);

// The status of a local failure given as an errno value (sending, or the neighbour not found).
quint32 StatusOfErrno(int error);

}  // namespace meterly::platform
