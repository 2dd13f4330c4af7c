#include "platform/linux/linux_icmp.h"

#include "platform/linux/linux_icmp_packet.h"

#include <QCoreApplication>
#include <QStringList>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>

#include <arpa/inet.h>
#include <linux/errqueue.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/ip_icmp.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

namespace meterly::platform {
namespace {

using SteadyClock = std::chrono::steady_clock;

constexpr int kReceiveBufferSize = 2048;
constexpr int kControlBufferSize = 512;
// Stale messages read before a request, at most: a raw socket sees every ICMP packet of the
// host, and a flood must not keep the request from being sent.
constexpr int kMaxStaleMessages = 1024;

QString ErrnoText(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

int OpenIcmpSocket(bool datagram) {
  return ::socket(AF_INET, (datagram ? SOCK_DGRAM : SOCK_RAW) | SOCK_CLOEXEC | SOCK_NONBLOCK, IPPROTO_ICMP);
}

quint32 ElapsedMs(SteadyClock::time_point since) {
  return static_cast<quint32>(
      std::chrono::duration_cast<std::chrono::milliseconds>(SteadyClock::now() - since).count());
}

// One received message with its sender and control data.
struct Received {
  QByteArray bytes;
  sockaddr_in from{};
  char control[kControlBufferSize];
  msghdr header{};
};

bool Receive(int fd, int flags, Received& message) {
  char buffer[kReceiveBufferSize];
  iovec vector{buffer, sizeof buffer};
  message.header = msghdr{};
  message.header.msg_name = &message.from;
  message.header.msg_namelen = sizeof message.from;
  message.header.msg_iov = &vector;
  message.header.msg_iovlen = 1;
  message.header.msg_control = message.control;
  message.header.msg_controllen = sizeof message.control;
  const ssize_t length = ::recvmsg(fd, &message.header, flags | MSG_DONTWAIT);
  if (length < 0) return false;
  message.bytes = QByteArray(buffer, static_cast<qsizetype>(length));
  return true;
}

int ReceivedTtl(msghdr& header) {
  for (cmsghdr* c = CMSG_FIRSTHDR(&header); c != nullptr; c = CMSG_NXTHDR(&header, c)) {
    if (c->cmsg_level == IPPROTO_IP && c->cmsg_type == IP_TTL) {
      int ttl = 0;
      std::memcpy(&ttl, CMSG_DATA(c), sizeof ttl);
      return ttl;
    }
  }
  return -1;
}

const sock_extended_err* ExtendedError(msghdr& header) {
  for (cmsghdr* c = CMSG_FIRSTHDR(&header); c != nullptr; c = CMSG_NXTHDR(&header, c)) {
    if (c->cmsg_level == IPPROTO_IP && c->cmsg_type == IP_RECVERR) {
      return reinterpret_cast<const sock_extended_err*>(CMSG_DATA(c));
    }
  }
  return nullptr;
}

class LinuxIcmpHandle : public IcmpHandle {
 public:
  LinuxIcmpHandle(int socketFd, int wakeFd, bool datagram, quint16 identifier)
      : socket_(socketFd), wake_(wakeFd), datagram_(datagram), identifier_(identifier) {}

  ~LinuxIcmpHandle() override {
    ::close(socket_);
    ::close(wake_);
  }

  std::optional<EchoReply> SendEcho(quint32 destination, int ttl, int timeoutMs, const QByteArray& data) override {
    if (cancelled_) return std::nullopt;
    DropStaleMessages();
    const quint16 sequence = ++sequence_;
    ::setsockopt(socket_, IPPROTO_IP, IP_TTL, &ttl, sizeof ttl);
    const QByteArray request = BuildEchoRequest(identifier_, sequence, data);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_addr.s_addr = htonl(destination);
    const SteadyClock::time_point start = SteadyClock::now();
    if (::sendto(socket_, request.constData(), static_cast<size_t>(request.size()), 0,
                 reinterpret_cast<const sockaddr*>(&to), sizeof to) < 0) {
      const int error = errno;
      DropStaleMessages();  // the same failure, queued again as an error message
      return EchoReply{StatusOfErrno(error), 0, ElapsedMs(start), -1};
    }
    const std::optional<IcmpAnswer> answer = AwaitAnswer(sequence, start + std::chrono::milliseconds(timeoutMs));
    if (!answer) return std::nullopt;
    return EchoReply{answer->status, answer->from, ElapsedMs(start), answer->ttl};
  }

  void Cancel() override {
    cancelled_ = true;
    const quint64 one = 1;
    [[maybe_unused]] const ssize_t written = ::write(wake_, &one, sizeof one);
  }

 private:
  std::optional<IcmpAnswer> AwaitAnswer(quint16 sequence, SteadyClock::time_point deadline) {
    for (;;) {
      const auto remaining = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - SteadyClock::now());
      if (remaining.count() <= 0 || cancelled_) return std::nullopt;
      pollfd watched[2] = {{socket_, POLLIN, 0}, {wake_, POLLIN, 0}};
      if (::poll(watched, 2, static_cast<int>(remaining.count())) <= 0) continue;
      if (cancelled_) return std::nullopt;
      std::optional<IcmpAnswer> answer;
      if ((watched[0].revents & POLLERR) != 0) {
        answer = ReceiveError(sequence);
      } else if ((watched[0].revents & POLLIN) != 0) {
        answer = ReceiveReply(sequence);
      }
      if (answer) return answer;
    }
  }

  std::optional<IcmpAnswer> ReceiveReply(quint16 sequence) {
    Received message;
    if (!Receive(socket_, 0, message)) return std::nullopt;
    if (!datagram_) return ParseRawAnswer(message.bytes, identifier_, sequence);
    // The kernel hands a datagram socket only the replies that carry its own identifier.
    if (EchoSequence(message.bytes, ICMP_ECHOREPLY) != sequence) return std::nullopt;
    return IcmpAnswer{IcmpStatus::Success, ntohl(message.from.sin_addr.s_addr), ReceivedTtl(message.header)};
  }

  // An error queued on a datagram socket (IP_RECVERR): the ICMP error that a router or the
  // destination sent back, or a local failure, with our request's ICMP header as payload.
  std::optional<IcmpAnswer> ReceiveError(quint16 sequence) {
    Received message;
    if (!Receive(socket_, MSG_ERRQUEUE, message)) {
      int pending = 0;
      socklen_t size = sizeof pending;
      ::getsockopt(socket_, SOL_SOCKET, SO_ERROR, &pending, &size);  // clears a plain pending error
      return std::nullopt;
    }
    const sock_extended_err* error = ExtendedError(message.header);
    if (error == nullptr) return std::nullopt;
    const std::optional<quint16> requestSequence = EchoSequence(message.bytes, ICMP_ECHO);
    if (error->ee_origin == SO_EE_ORIGIN_ICMP) {
      if (requestSequence != sequence) return std::nullopt;
      const auto* offender = reinterpret_cast<const sockaddr_in*>(SO_EE_OFFENDER(error));
      return IcmpAnswer{StatusOfIcmpError(error->ee_type, error->ee_code), ntohl(offender->sin_addr.s_addr),
                        ReceivedTtl(message.header)};
    }
    if (error->ee_origin == SO_EE_ORIGIN_LOCAL && (!requestSequence || requestSequence == sequence)) {
      return IcmpAnswer{StatusOfErrno(static_cast<int>(error->ee_errno)), 0, -1};
    }
    return std::nullopt;
  }

  void DropStaleMessages() {
    Received message;
    for (int count = 0; count < kMaxStaleMessages && Receive(socket_, 0, message); ++count) {
    }
    if (!datagram_) return;
    for (int count = 0; count < kMaxStaleMessages && Receive(socket_, MSG_ERRQUEUE, message); ++count) {
    }
  }

  const int socket_;
  const int wake_;
  const bool datagram_;
  const quint16 identifier_;  // a datagram socket's own identifier is set by the kernel
  quint16 sequence_ = 0;
  std::atomic<bool> cancelled_{false};
};

// Raw sockets see each other's traffic: every channel of the process gets an identifier of its own.
quint16 NextRawIdentifier() {
  static std::atomic<quint16> next{static_cast<quint16>(::getpid() * 17)};
  return next++;
}

}  // namespace

LinuxIcmpService::LinuxIcmpService(Socket allowed) {
  QStringList failures;
  if (allowed != Socket::RawOnly) {
    const int fd = OpenIcmpSocket(true);
    if (fd >= 0) {
      ::close(fd);
      datagram_ = true;
      return;
    }
    failures << QCoreApplication::translate(
                    "Icmp",
                    "no ICMP datagram socket (%1: the system setting net.ipv4.ping_group_range does not admit "
                    "the user's groups)")
                    .arg(ErrnoText(errno));
  }
  if (allowed != Socket::DatagramOnly) {
    const int fd = OpenIcmpSocket(false);
    if (fd >= 0) {
      ::close(fd);
      return;
    }
    failures << QCoreApplication::translate("Icmp", "no raw socket (%1: it needs root or the CAP_NET_RAW capability)")
                    .arg(ErrnoText(errno));
  }
  unavailableReason_ = QCoreApplication::translate("Icmp", "Ping and trace route are not available: %1.")
                           .arg(failures.join(QCoreApplication::translate("Icmp", "; ")));
}

std::unique_ptr<IcmpHandle> LinuxIcmpService::Open(QString* error) {
  const auto fail = [error](const QString& what) -> std::unique_ptr<IcmpHandle> {
    if (error != nullptr) *error = what;
    return nullptr;
  };
  if (!Available()) return fail(unavailableReason_);
  const int socketFd = OpenIcmpSocket(datagram_);
  if (socketFd < 0)
    return fail(QCoreApplication::translate("Icmp", "Cannot open an ICMP socket: %1").arg(ErrnoText(errno)));
  const int wakeFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  if (wakeFd < 0) {
    const int failure = errno;
    ::close(socketFd);
    return fail(QCoreApplication::translate("Icmp", "Cannot create an event descriptor: %1").arg(ErrnoText(failure)));
  }
  if (datagram_) {
    const int on = 1;
    ::setsockopt(socketFd, IPPROTO_IP, IP_RECVERR, &on, sizeof on);
    ::setsockopt(socketFd, IPPROTO_IP, IP_RECVTTL, &on, sizeof on);
  }
  return std::make_unique<LinuxIcmpHandle>(socketFd, wakeFd, datagram_, datagram_ ? 0 : NextRawIdentifier());
}

std::optional<quint32> LinuxIcmpService::ResolveHost(const QString& host) {
  const QByteArray name = host.trimmed().toUtf8();
  if (name.isEmpty()) return std::nullopt;
  in_addr dotted{};
  if (::inet_pton(AF_INET, name.constData(), &dotted) == 1) return ntohl(dotted.s_addr);
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_DGRAM;
  addrinfo* found = nullptr;
  if (::getaddrinfo(name.constData(), nullptr, &hints, &found) != 0 || found == nullptr) return std::nullopt;
  const auto* address = reinterpret_cast<const sockaddr_in*>(found->ai_addr);
  const quint32 first = ntohl(address->sin_addr.s_addr);
  ::freeaddrinfo(found);
  return first;
}

QString LinuxIcmpService::HostNameOf(quint32 address) {
  sockaddr_in socketAddress{};
  socketAddress.sin_family = AF_INET;
  socketAddress.sin_addr.s_addr = htonl(address);
  char name[NI_MAXHOST];
  if (::getnameinfo(reinterpret_cast<const sockaddr*>(&socketAddress), sizeof socketAddress, name, sizeof name, nullptr,
                    0, NI_NAMEREQD) != 0) {
    return QString();
  }
  return QString::fromUtf8(name);
}

}  // namespace meterly::platform
