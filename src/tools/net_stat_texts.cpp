#include "tools/net_stat_texts.h"

#include <QHostAddress>

#include <algorithm>
#include <array>

namespace meterly {
namespace {

Q_IPV6ADDR Ipv6Bytes(const QByteArray& address) {
  Q_IPV6ADDR bytes{};
  std::copy_n(reinterpret_cast<const quint8*>(address.constData()), 16, bytes.c);
  return bytes;
}

}  // namespace

QString TcpStateName(int state) {
  using namespace platform::TcpState;
  static const std::array<const char*, 14> kNames = {
      nullptr,  "ESTABLISHED", "SYN_SENT", "SYN_RECEIVED", "FIN_WAIT", "FIN_WAIT2",    "TIME_WAIT",
      "CLOSED", "CLOSE_WAIT",  "LAST_ACK", "LISTENING",    "CLOSING",  "NEW_SYN_RECV", "BOUND_INACTIVE"};
  static_assert(kNames.size() == BoundInactive + 1);
  if (state < Established || state > BoundInactive) return QString::number(state);
  return QString::fromLatin1(kNames[static_cast<size_t>(state)]);
}

QString NumericAddressText(const QByteArray& address) {
  if (address.size() == 4) {
    const auto* b = reinterpret_cast<const quint8*>(address.constData());
    return QStringLiteral("%1.%2.%3.%4").arg(b[0]).arg(b[1]).arg(b[2]).arg(b[3]);
  }
  if (address.size() == 16) return QLatin1Char('[') + QHostAddress(Ipv6Bytes(address)).toString() + QLatin1Char(']');
  return QStringLiteral("?");
}

bool IsAnyAddress(const QByteArray& address) {
  return !address.isEmpty() && std::all_of(address.begin(), address.end(), [](char byte) { return byte == 0; });
}

bool IsLoopbackAddress(const QByteArray& address) {
  if (address.size() == 4) return address == QByteArray::fromHex("7f000001");
  return address == QByteArray::fromHex("00000000000000000000000000000001");
}

QString EndpointText(const QString& address, const QString& port) { return address + QStringLiteral(": ") + port; }

QString UdpRemoteText() { return QStringLiteral("*.*.*.*: *"); }

QString EndpointSortKey(const platform::SocketEndpoint& endpoint) {
  const auto* b = reinterpret_cast<const quint8*>(endpoint.address.constData());
  if (endpoint.address.size() == 4) {
    return QString::asprintf("%3u.%3u.%3u.%3u: %5u", b[0], b[1], b[2], b[3], unsigned{endpoint.port});
  }
  QString key = QStringLiteral("[");
  for (int group = 0; group < endpoint.address.size() / 2; ++group) {
    if (group > 0) key += QLatin1Char(':');
    key += QString::asprintf("%02x%02x", b[2 * group], b[2 * group + 1]);
  }
  return key + QString::asprintf("]: %5u", unsigned{endpoint.port});
}

QString UdpRemoteSortKey() { return QStringLiteral("  *.  *.  *.  *:     *"); }

}  // namespace meterly
