#include "platform/linux/linux_name_lookup.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <resolv.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>

namespace meterly::platform {
namespace {

// The resolver state is per thread; options changed here stay for the thread's later lookups.
void ShortenResolverWait() {
  thread_local bool shortened = false;
  if (shortened) return;
  shortened = true;
  if (res_init() != 0) return;
  _res.retrans = 1;
  _res.retry = 1;
}

}  // namespace

QString LinuxNameLookup::HostName(const QByteArray& address) {
  sockaddr_storage storage{};
  socklen_t length = 0;
  if (address.size() == 4) {
    auto* in = reinterpret_cast<sockaddr_in*>(&storage);
    in->sin_family = AF_INET;
    std::memcpy(&in->sin_addr, address.constData(), 4);
    length = sizeof(sockaddr_in);
  } else if (address.size() == 16) {
    auto* in6 = reinterpret_cast<sockaddr_in6*>(&storage);
    in6->sin6_family = AF_INET6;
    std::memcpy(&in6->sin6_addr, address.constData(), 16);
    length = sizeof(sockaddr_in6);
  } else {
    return {};
  }
  ShortenResolverWait();
  char host[NI_MAXHOST];
  if (::getnameinfo(reinterpret_cast<const sockaddr*>(&storage), length, host, sizeof host, nullptr, 0, NI_NAMEREQD) !=
      0) {
    return {};
  }
  return QString::fromUtf8(host);
}

QString LinuxNameLookup::ServiceName(quint16 port, SocketProtocol protocol) {
  servent entry{};
  servent* found = nullptr;
  char buffer[1024];
  const char* name = protocol == SocketProtocol::Tcp ? "tcp" : "udp";
  if (::getservbyport_r(htons(port), name, &entry, buffer, sizeof buffer, &found) != 0 || found == nullptr) {
    return {};
  }
  return QString::fromUtf8(found->s_name);
}

QString LinuxNameLookup::LocalHostName() {
  char name[256] = {};
  if (::gethostname(name, sizeof name - 1) != 0) return {};
  return QString::fromUtf8(name);
}

}  // namespace meterly::platform
