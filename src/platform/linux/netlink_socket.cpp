#include "platform/linux/netlink_socket.h"

#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <utility>

namespace meterly::platform::netlink {

namespace {

// Large enough for most datagrams; it grows for a larger one.
constexpr std::size_t kInitialBufferSize = 32 * 1024;

// A blocking request never waits longer than this for the kernel's next datagram.
constexpr time_t kReplyTimeoutSeconds = 2;

Datagram FailedDatagram(int error) {
  Datagram datagram;
  datagram.error = error;
  if (error == EAGAIN || error == EWOULDBLOCK) {
    datagram.status = Datagram::Status::WouldBlock;
  } else if (error == ENOBUFS) {
    datagram.status = Datagram::Status::Overrun;
  } else {
    datagram.status = Datagram::Status::Failed;
  }
  return datagram;
}

ssize_t ReceiveInto(int fd, void* data, std::size_t size, int flags, sockaddr_nl& sender) {
  iovec vector{data, size};
  msghdr header{};
  header.msg_name = &sender;
  header.msg_namelen = sizeof(sender);
  header.msg_iov = &vector;
  header.msg_iovlen = 1;
  ssize_t received;
  do {
    received = ::recvmsg(fd, &header, flags);
  } while (received < 0 && errno == EINTR);
  return received;
}

}  // namespace

Socket Socket::Open(const SocketOptions& options) {
  const int type = SOCK_RAW | SOCK_CLOEXEC | (options.nonBlocking ? SOCK_NONBLOCK : 0);
  const int fd = ::socket(AF_NETLINK, type, NETLINK_ROUTE);
  if (fd < 0) return Socket(-1, errno);
  Socket socket(fd, 0);

  sockaddr_nl local{};
  local.nl_family = AF_NETLINK;
  local.nl_groups = options.multicastGroups;
  if (::bind(fd, reinterpret_cast<const sockaddr*>(&local), sizeof(local)) != 0) return Socket(-1, errno);

  if (!options.nonBlocking) {
    const timeval timeout{kReplyTimeoutSeconds, 0};
    if (::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof(timeout)) != 0) return Socket(-1, errno);
  }
  return socket;
}

Socket::Socket(int fd, int openError) : fd_(fd), openError_(openError) {
  if (fd_ >= 0) buffer_.resize(kInitialBufferSize);
}

Socket::Socket(Socket&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      openError_(other.openError_),
      nextSequence_(other.nextSequence_),
      buffer_(std::move(other.buffer_)) {}

Socket& Socket::operator=(Socket&& other) noexcept {
  if (this != &other) {
    Close();
    fd_ = std::exchange(other.fd_, -1);
    openError_ = other.openError_;
    nextSequence_ = other.nextSequence_;
    buffer_ = std::move(other.buffer_);
  }
  return *this;
}

Socket::~Socket() { Close(); }

void Socket::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

Datagram Socket::Receive(int flags) {
  if (!IsOpen()) return FailedDatagram(EBADF);
  for (;;) {
    sockaddr_nl sender{};
    const ssize_t size = ReceiveInto(fd_, nullptr, 0, flags | MSG_PEEK | MSG_TRUNC, sender);
    if (size < 0) return FailedDatagram(errno);
    if (static_cast<std::size_t>(size) > buffer_.size()) buffer_.resize(static_cast<std::size_t>(size));

    // Read with exactly its size: the kernel sizes later dump parts after the largest read a
    // reader made (up to 32 KiB), and parts of a page cost it far less to allocate for every
    // request than 32 KiB ones.
    const ssize_t received = ReceiveInto(fd_, buffer_.data(), static_cast<std::size_t>(size), flags, sender);
    if (received < 0) return FailedDatagram(errno);
    if (sender.nl_pid != 0) continue;  // only the kernel speaks for the routing tables
    Datagram datagram;
    datagram.status = Datagram::Status::Data;
    datagram.bytes = Bytes(buffer_.data(), static_cast<std::size_t>(received));
    return datagram;
  }
}

ReplyStatus Socket::request(std::vector<std::byte> message, const MessageHandler& onMessage) {
  if (!IsOpen()) return ReplyStatus{ReplyStatus::Outcome::Broken, EBADF};
  if (message.size() < sizeof(nlmsghdr)) return ReplyStatus{ReplyStatus::Outcome::Broken, EINVAL};
  const quint32 sequence = nextSequence_++;
  WriteValueAt(message, offsetof(nlmsghdr, nlmsg_seq), sequence);
  if (!Send(message)) return ReplyStatus{ReplyStatus::Outcome::Broken, errno};
  return ReadReply(sequence, onMessage);
}

bool Socket::Send(const std::vector<std::byte>& message) {
  sockaddr_nl kernel{};
  kernel.nl_family = AF_NETLINK;
  ssize_t sent;
  do {
    sent = ::sendto(fd_, message.data(), message.size(), 0, reinterpret_cast<const sockaddr*>(&kernel), sizeof(kernel));
  } while (sent < 0 && errno == EINTR);
  return sent == static_cast<ssize_t>(message.size());
}

ReplyStatus Socket::ReadReply(quint32 sequence, const MessageHandler& onMessage) {
  ReplyReader reader(sequence, onMessage);
  for (;;) {
    const Datagram datagram = Receive(0);
    if (datagram.status != Datagram::Status::Data) {
      const int error = datagram.status == Datagram::Status::WouldBlock ? ETIMEDOUT : datagram.error;
      return ReplyStatus{ReplyStatus::Outcome::Broken, error};
    }
    if (auto status = reader.Feed(datagram.bytes)) return *status;
  }
}

QString ErrorText(int error) {
  return QString::fromStdString(std::error_code(error, std::generic_category()).message());
}

}  // namespace meterly::platform::netlink
