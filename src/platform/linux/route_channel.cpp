#include "platform/linux/route_channel.h"

#include <QCoreApplication>

namespace meterly::platform::netlink {

namespace {

constexpr int kAttemptsPerRequest = 3;

}  // namespace

RouteChannel::RouteChannel() { EnsureOpen(); }

bool RouteChannel::EnsureOpen() {
  if (socket_) return true;
  Socket socket = Socket::Open(SocketOptions{});
  if (!socket.IsOpen()) {
    failure_ = QCoreApplication::translate("RouteChannel", "cannot open a routing netlink socket: %1")
                   .arg(ErrorText(socket.OpenError()));
    return false;
  }
  socket_ = std::move(socket);
  failure_.clear();
  return true;
}

bool RouteChannel::run(const std::vector<std::byte>& request, const std::function<void()>& restart,
                       const MessageHandler& onMessage) {
  for (int attempt = 0; attempt < kAttemptsPerRequest; ++attempt) {
    if (!EnsureOpen()) return false;
    restart();
    const ReplyStatus reply = socket_->request(request, onMessage);
    switch (reply.outcome) {
      case ReplyStatus::Outcome::Complete:
        return true;
      case ReplyStatus::Outcome::Refused:
        return false;
      case ReplyStatus::Outcome::Interrupted:
        continue;
      case ReplyStatus::Outcome::Broken:
        // Whatever is still queued on it belongs to a reply nobody reads any more.
        socket_.reset();
        EnsureOpen();
        return false;
    }
  }
  return false;
}

}  // namespace meterly::platform::netlink
