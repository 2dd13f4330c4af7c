#include "platform/linux/linux_icmp_packet.h"
#include "platform/icmp.h"

#include <gtest/gtest.h>

namespace meterly::platform {
namespace {

constexpr quint16 kId = 0x1234;
constexpr quint16 kSeq = 7;
constexpr quint32 kRouter = 0xC0000202;  // 192.0.2.2

// An IPv4 header (no options) carrying ICMP from `from`, then the payload.
QByteArray Ipv4(quint32 from, quint8 ttl, const QByteArray& payload) {
  QByteArray header(20, '\0');
  header[0] = 0x45;
  header[8] = static_cast<char>(ttl);
  header[9] = 1;
  for (int i = 0; i < 4; ++i) header[12 + i] = static_cast<char>(from >> (24 - 8 * i));
  return header + payload;
}

QByteArray Icmp(quint8 type, quint8 code, const QByteArray& rest) {
  return QByteArray(1, static_cast<char>(type)) + QByteArray(1, static_cast<char>(code)) + QByteArray(6, '\0') + rest;
}

QByteArray EchoReplyMessage(quint16 id, quint16 seq) {
  QByteArray message = BuildEchoRequest(id, seq, "abcd");
  message[0] = 0;
  return message;
}

// An ICMP error quoting our request (its IP header and first 8 bytes).
QByteArray ErrorQuoting(quint8 type, quint8 code, quint16 id, quint16 seq) {
  return Ipv4(kRouter, 61, Icmp(type, code, Ipv4(0xC0000201, 1, BuildEchoRequest(id, seq, "").left(8))));
}

TEST(IcmpPacketTest, ARawSocketTakesOnlyTheAnswersToTheRequestItWaitsFor) {
  struct Case {
    const char* what;
    QByteArray packet;
    std::optional<IcmpAnswer> expected;
  };
  // A reply, a late reply and a time exceeded come from the kernel in the raw socket's own tests.
  const Case cases[] = {
      {"another program's reply", Ipv4(kRouter, 57, EchoReplyMessage(kId + 1, kSeq)), std::nullopt},
      {"our own request seen on loopback", Ipv4(kRouter, 64, BuildEchoRequest(kId, kSeq, "")), std::nullopt},
      {"host unreachable", ErrorQuoting(3, 1, kId, kSeq),
       IcmpAnswer{IcmpStatus::DestinationHostUnreachable, kRouter, 61}},
      {"time exceeded for an earlier request", ErrorQuoting(11, 0, kId, kSeq - 1), std::nullopt},
      {"error about another program's request", ErrorQuoting(11, 0, kId + 1, kSeq), std::nullopt},
      {"truncated error", ErrorQuoting(11, 0, kId, kSeq).chopped(4), std::nullopt},
      {"truncated IP header", Ipv4(kRouter, 57, EchoReplyMessage(kId, kSeq)).left(12), std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseRawAnswer(c.packet, kId, kSeq), c.expected) << c.what;
  }
}

TEST(IcmpPacketTest, ErrorsAndLocalFailuresMapToTheirStatusCodes) {
  const std::pair<std::pair<int, int>, quint32> icmpErrors[] = {
      {{3, 0}, IcmpStatus::DestinationNetUnreachable},
      {{3, 1}, IcmpStatus::DestinationHostUnreachable},
      {{3, 2}, IcmpStatus::DestinationProtocolUnreachable},
      {{3, 3}, IcmpStatus::DestinationPortUnreachable},
      {{3, 4}, IcmpStatus::PacketTooBig},
      {{3, 13}, IcmpStatus::DestinationHostUnreachable},
      {{11, 0}, IcmpStatus::TtlExpiredTransit},
      {{11, 1}, IcmpStatus::TtlExpiredReassembly},
      {{12, 0}, IcmpStatus::ParameterProblem},
      {{4, 0}, IcmpStatus::SourceQuench},
  };
  for (const auto& [typeAndCode, status] : icmpErrors) {
    EXPECT_EQ(StatusOfIcmpError(typeAndCode.first, typeAndCode.second), status)
        << "type " << typeAndCode.first << " code " << typeAndCode.second;
  }
  EXPECT_EQ(StatusOfErrno(ENETUNREACH), IcmpStatus::DestinationNetUnreachable);
  EXPECT_EQ(StatusOfErrno(EHOSTUNREACH), IcmpStatus::DestinationHostUnreachable);
  EXPECT_EQ(StatusOfErrno(EPERM), IcmpStatus::GeneralFailure);
}

}  // namespace
}  // namespace meterly::platform
