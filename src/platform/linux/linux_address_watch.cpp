#include "platform/linux/linux_address_watch.h"

#include <linux/rtnetlink.h>
#include <sys/socket.h>

namespace meterly::platform {

namespace {

// A flood of changes cannot hold the caller here: what is left is reported on the next call.
constexpr int kMaxDatagramsPerCall = 4096;

netlink::SocketOptions watchOptions() {
  netlink::SocketOptions options;
  options.multicastGroups = RTMGRP_LINK | RTMGRP_IPV4_IFADDR | RTMGRP_IPV6_IFADDR;
  options.nonBlocking = true;
  return options;
}

}  // namespace

LinuxAddressChangeWatch::LinuxAddressChangeWatch() : socket_(netlink::Socket::open(watchOptions())) {
  if (!socket_.isOpen()) {
    failure_ = QStringLiteral("cannot listen for address changes: %1").arg(netlink::errorText(socket_.openError()));
  }
}

bool LinuxAddressChangeWatch::takeChange() {
  if (!socket_.isOpen()) return false;
  bool changed = false;
  for (int taken = 0; taken < kMaxDatagramsPerCall; ++taken) {
    switch (socket_.receive(MSG_DONTWAIT).status) {
      case netlink::Datagram::Status::Data:
      case netlink::Datagram::Status::Overrun:  // changes were lost, so something changed
        changed = true;
        break;
      case netlink::Datagram::Status::WouldBlock:
      case netlink::Datagram::Status::Failed:
        return changed;
    }
  }
  return changed;
}

}  // namespace meterly::platform
