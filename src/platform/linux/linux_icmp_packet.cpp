#include "platform/linux/linux_icmp_packet.h"

#include "platform/icmp.h"

#include <cerrno>

#include <netinet/ip_icmp.h>

namespace meterly::platform {
namespace {

constexpr int kIcmpHeaderSize = 8;
constexpr int kMinIpHeaderSize = 20;
constexpr quint8 kProtocolIcmp = 1;

quint8 ByteAt(const QByteArray& bytes, qsizetype at) { return static_cast<quint8>(bytes[at]); }

quint16 WordAt(const QByteArray& bytes, qsizetype at) {
  return static_cast<quint16>((ByteAt(bytes, at) << 8) | ByteAt(bytes, at + 1));
}

quint32 LongAt(const QByteArray& bytes, qsizetype at) {
  return (static_cast<quint32>(WordAt(bytes, at)) << 16) | WordAt(bytes, at + 2);
}

void PutWord(QByteArray& bytes, qsizetype at, quint16 value) {
  bytes[at] = static_cast<char>(value >> 8);
  bytes[at + 1] = static_cast<char>(value & 0xFF);
}

// The length of the IPv4 header at `at`, or 0 when no whole ICMP-carrying header is there.
int IcmpIpHeaderLength(const QByteArray& bytes, qsizetype at) {
  if (bytes.size() < at + kMinIpHeaderSize) return 0;
  const quint8 versionAndLength = ByteAt(bytes, at);
  const int length = (versionAndLength & 0x0F) * 4;
  if ((versionAndLength >> 4) != 4 || length < kMinIpHeaderSize || bytes.size() < at + length) return 0;
  if (ByteAt(bytes, at + 9) != kProtocolIcmp) return 0;
  return length;
}

bool IsError(int type) {
  return type == ICMP_DEST_UNREACH || type == ICMP_SOURCE_QUENCH || type == ICMP_TIME_EXCEEDED ||
         type == ICMP_PARAMETERPROB;
}

}  // namespace

quint16 InternetChecksum(const QByteArray& bytes) {
  quint32 sum = 0;
  qsizetype at = 0;
  for (; at + 1 < bytes.size(); at += 2) sum += WordAt(bytes, at);
  if (at < bytes.size()) sum += static_cast<quint32>(ByteAt(bytes, at)) << 8;
  while ((sum >> 16) != 0) sum = (sum & 0xFFFF) + (sum >> 16);
  return static_cast<quint16>(~sum & 0xFFFF);
}

QByteArray BuildEchoRequest(quint16 identifier, quint16 sequence, const QByteArray& data) {
  QByteArray message(kIcmpHeaderSize, '\0');
  message[0] = static_cast<char>(ICMP_ECHO);
  PutWord(message, 4, identifier);
  PutWord(message, 6, sequence);
  message += data;
  PutWord(message, 2, InternetChecksum(message));
  return message;
}

std::optional<quint16> EchoSequence(const QByteArray& icmp, int type) {
  if (icmp.size() < kIcmpHeaderSize || ByteAt(icmp, 0) != type || ByteAt(icmp, 1) != 0) return std::nullopt;
  return WordAt(icmp, 6);
}

std::optional<IcmpAnswer> ParseRawAnswer(const QByteArray& packet, quint16 identifier, quint16 sequence) {
  const int outerLength = IcmpIpHeaderLength(packet, 0);
  if (outerLength == 0 || packet.size() < outerLength + kIcmpHeaderSize) return std::nullopt;
  const IcmpAnswer sender{IcmpStatus::Success, LongAt(packet, 12), ByteAt(packet, 8)};
  const int type = ByteAt(packet, outerLength);
  const auto ours = [&](qsizetype at, int echoType) {
    return EchoSequence(packet.mid(at), echoType) == sequence && WordAt(packet, at + 4) == identifier;
  };
  if (type == ICMP_ECHOREPLY) {
    if (!ours(outerLength, ICMP_ECHOREPLY)) return std::nullopt;
    return sender;
  }
  if (!IsError(type)) return std::nullopt;
  // An error carries the IP header of our request and the first 8 bytes of its ICMP message.
  const qsizetype inner = outerLength + kIcmpHeaderSize;
  const int innerLength = IcmpIpHeaderLength(packet, inner);
  if (innerLength == 0 || packet.size() < inner + innerLength + kIcmpHeaderSize) return std::nullopt;
  if (!ours(inner + innerLength, ICMP_ECHO)) return std::nullopt;
  IcmpAnswer answer = sender;
  answer.status = StatusOfIcmpError(type, ByteAt(packet, outerLength + 1));
  return answer;
}

quint32 StatusOfIcmpError(int type, int code) {
  switch (type) {
    case ICMP_DEST_UNREACH:
      switch (code) {
        case ICMP_NET_UNREACH:
        case ICMP_NET_UNKNOWN:
        case ICMP_NET_ANO:
        case ICMP_NET_UNR_TOS:
          return IcmpStatus::DestinationNetUnreachable;
        case ICMP_PROT_UNREACH:
          return IcmpStatus::DestinationProtocolUnreachable;
        case ICMP_PORT_UNREACH:
          return IcmpStatus::DestinationPortUnreachable;
        case ICMP_FRAG_NEEDED:
          return IcmpStatus::PacketTooBig;
        case ICMP_SR_FAILED:
          return IcmpStatus::BadRoute;
        default:
          return IcmpStatus::DestinationHostUnreachable;
      }
    case ICMP_TIME_EXCEEDED:
      return code == ICMP_EXC_FRAGTIME ? IcmpStatus::TtlExpiredReassembly : IcmpStatus::TtlExpiredTransit;
    case ICMP_PARAMETERPROB:
      return IcmpStatus::ParameterProblem;
    case ICMP_SOURCE_QUENCH:
      return IcmpStatus::SourceQuench;
    default:
      return IcmpStatus::GeneralFailure;
  }
}

quint32 StatusOfErrno(int error) {
  switch (error) {
    case ENETUNREACH:
    case ENETDOWN:
      return IcmpStatus::DestinationNetUnreachable;
    case EHOSTUNREACH:
    case EHOSTDOWN:
      return IcmpStatus::DestinationHostUnreachable;
    case EMSGSIZE:
      return IcmpStatus::PacketTooBig;
    case ENOBUFS:
    case ENOMEM:
      return IcmpStatus::NoResources;
    default:
      return IcmpStatus::GeneralFailure;
  }
}

}  // namespace meterly::platform
