#include "platform/linux/proc_text.h"

#include <charconv>
#include <cstring>

namespace meterly::platform {
namespace {

// Splits off the next field separated by spaces.
QByteArrayView NextField(QByteArrayView& rest) {
  while (!rest.isEmpty() && rest.front() == ' ') rest = rest.sliced(1);
  qsizetype end = 0;
  while (end < rest.size() && rest[end] != ' ' && rest[end] != '\n') ++end;
  const QByteArrayView field = rest.first(end);
  rest = rest.sliced(end);
  return field;
}

template <typename Number>
std::optional<Number> ParseNumber(QByteArrayView text, int base) {
  Number value{};
  const char* end = text.data() + text.size();
  const auto [at, error] = std::from_chars(text.data(), end, value, base);
  if (text.isEmpty() || error != std::errc() || at != end) return std::nullopt;
  return value;
}

// The kernel prints each 32-bit word of an address as the number it is in memory; stored back
// in memory the same way, the words give the address bytes in network order.
std::optional<SocketEndpoint> ParseEndpoint(QByteArrayView text) {
  const qsizetype colon = text.indexOf(':');
  if (colon != 8 && colon != 32) return std::nullopt;
  SocketEndpoint endpoint;
  endpoint.address.resize(colon / 2);
  for (qsizetype word = 0; word * 8 < colon; ++word) {
    const auto value = ParseNumber<quint32>(text.sliced(word * 8, 8), 16);
    if (!value) return std::nullopt;
    std::memcpy(endpoint.address.data() + word * 4, &*value, 4);
  }
  const auto port = ParseNumber<quint16>(text.sliced(colon + 1), 16);
  if (!port) return std::nullopt;
  endpoint.port = *port;
  return endpoint;
}

}  // namespace

std::optional<SocketRow> ParseProcNetLine(QByteArrayView line, SocketProtocol protocol) {
  QByteArrayView rest = line;
  if (!NextField(rest).endsWith(':')) return std::nullopt;  // "sl" of the heading
  SocketRow row;
  row.protocol = protocol;
  const auto local = ParseEndpoint(NextField(rest));
  const auto remote = ParseEndpoint(NextField(rest));
  const auto state = ParseNumber<int>(NextField(rest), 16);
  NextField(rest);  // tx_queue:rx_queue
  NextField(rest);  // tr:tm->when
  NextField(rest);  // retrnsmt
  const auto uid = ParseNumber<quint32>(NextField(rest), 10);
  NextField(rest);  // timeout
  const auto inode = ParseNumber<quint64>(NextField(rest), 10);
  if (!local || !remote || !state || !uid || !inode || local->address.size() != remote->address.size()) {
    return std::nullopt;
  }
  row.local = *local;
  row.remote = *remote;
  row.state = *state;
  row.uid = *uid;
  row.inode = *inode;
  return row;
}

std::optional<quint64> ParseStatStartTime(QByteArrayView stat) {
  const qsizetype nameEnd = stat.lastIndexOf(')');
  if (nameEnd < 0) return std::nullopt;
  QByteArrayView rest = stat.sliced(nameEnd + 1);
  // After the name come the fields from 3 (state) on; the start time is field 22.
  for (int field = 3; field < 22; ++field) NextField(rest);
  return ParseNumber<quint64>(NextField(rest), 10);
}

std::optional<quint64> ParseSocketLink(QByteArrayView link) {
  if (!link.startsWith("socket:[") || !link.endsWith(']')) return std::nullopt;
  return ParseNumber<quint64>(link.sliced(8, link.size() - 9), 10);
}

}  // namespace meterly::platform
