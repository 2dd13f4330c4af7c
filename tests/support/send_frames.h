#pragma once

// Traffic of the tests' own: broadcast Ethernet frames with a local-experimental ethertype
// that nothing answers, sent out of a link the test created in its own network namespace.

#include <QString>

#include <arpa/inet.h>
#include <linux/if_packet.h>
#include <net/ethernet.h>
#include <net/if.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

namespace meterly::platform::kerneltest {

inline QString LastError() { return QString::fromLocal8Bit(std::strerror(errno)); }

// Sends `count` broadcast Ethernet frames of `frameSize` bytes out of the link, with a
// local-experimental ethertype nothing answers. Empty on success; otherwise why not.
inline QString SendFrames(const QString& link, int count, int frameSize) {
  const unsigned index = ::if_nametoindex(link.toUtf8().constData());
  if (index == 0) return QStringLiteral("no link %1").arg(link);
  const int fd = ::socket(AF_PACKET, SOCK_RAW | SOCK_CLOEXEC, 0);
  if (fd < 0) return QStringLiteral("packet socket: %1").arg(LastError());

  constexpr quint16 kEtherType = 0x88B5;
  sockaddr_ll address{};
  address.sll_family = AF_PACKET;
  address.sll_protocol = htons(kEtherType);
  address.sll_ifindex = static_cast<int>(index);
  QString failure;
  if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
    failure = QStringLiteral("bind to %1: %2").arg(link, LastError());
  }

  std::vector<unsigned char> frame(static_cast<std::size_t>(frameSize), 0);
  std::fill_n(frame.begin(), ETH_ALEN, 0xFF);                    // broadcast destination
  const unsigned char source[ETH_ALEN] = {0x02, 0, 0, 0, 0, 1};  // locally administered
  std::copy(std::begin(source), std::end(source), frame.begin() + ETH_ALEN);
  frame[12] = kEtherType >> 8;
  frame[13] = kEtherType & 0xFF;
  for (int i = 0; failure.isEmpty() && i < count; ++i) {
    if (::send(fd, frame.data(), frame.size(), 0) != frameSize) failure = QStringLiteral("send: %1").arg(LastError());
  }
  ::close(fd);
  return failure;
}

}  // namespace meterly::platform::kerneltest
