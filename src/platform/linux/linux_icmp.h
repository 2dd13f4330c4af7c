#pragma once

#include "platform/icmp.h"

namespace meterly::platform {

// ICMP echo over an unprivileged ICMP datagram socket where net.ipv4.ping_group_range admits
// one of the process's groups, else over a raw socket (root, or CAP_NET_RAW). Which of them
// works is found out once, in the constructor; no privilege is ever asked for.
class LinuxIcmpService : public IcmpService {
 public:
  enum class Socket { Automatic, DatagramOnly, RawOnly };

  explicit LinuxIcmpService(Socket allowed = Socket::Automatic);

  QString UnavailableReason() const override { return unavailableReason_; }
  std::unique_ptr<IcmpHandle> Open(QString* error = nullptr) override;
  std::optional<quint32> ResolveHost(const QString& host) override;
  QString HostNameOf(quint32 address) override;

  // Which socket the channels use, once available.
  bool UsesDatagramSocket() const { return datagram_; }

 private:
  bool datagram_ = false;
  QString unavailableReason_;
};

}  // namespace meterly::platform
