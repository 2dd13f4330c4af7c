#include "platform/linux/linux_address_watch.h"

#include <QCoreApplication>

#include <linux/rtnetlink.h>
#include <sys/socket.h>

namespace meterly::platform {

namespace {

// A flood of messages cannot hold the caller here: what is left is looked at on the next call.
constexpr int kMaxDatagramsPerCall = 4096;

netlink::SocketOptions WatchOptions() {
  netlink::SocketOptions options;
  options.multicastGroups = RTMGRP_LINK | RTMGRP_IPV4_IFADDR;
  options.nonBlocking = true;
  return options;
}

bool MayChangeIdentity(const netlink::Message& message) {
  switch (message.header.nlmsg_type) {
    case RTM_NEWLINK:
    case RTM_DELLINK:
      return true;
    case RTM_NEWADDR:
    case RTM_DELADDR: {
      const auto header = netlink::ReadStruct<ifaddrmsg>(message.payload);
      return !header || header->ifa_family == AF_INET;
    }
    default:
      return false;
  }
}

bool DatagramMayChangeIdentity(netlink::Bytes datagram) {
  netlink::MessageCursor cursor(datagram);
  while (const auto message = cursor.Next()) {
    if (MayChangeIdentity(*message)) return true;
  }
  return cursor.Malformed();
}

}  // namespace

LinuxAddressChangeWatch::LinuxAddressChangeWatch(InterfaceTable& interfaces, AddressTable& addresses)
    : interfaces_(interfaces), addresses_(addresses), socket_(netlink::Socket::Open(WatchOptions())) {
  if (!socket_.IsOpen()) {
    failure_ = QCoreApplication::translate("AddressWatch", "cannot listen for address changes: %1")
                   .arg(netlink::ErrorText(socket_.OpenError()));
    return;
  }
  // Read after subscribing, so that no change falls between the two.
  identity_ = NetworkIdentity::Read(interfaces_, addresses_);
}

bool LinuxAddressChangeWatch::DrainMessages() {
  bool mayHaveChanged = false;
  for (int taken = 0; taken < kMaxDatagramsPerCall; ++taken) {
    const netlink::Datagram datagram = socket_.Receive(MSG_DONTWAIT);
    switch (datagram.status) {
      case netlink::Datagram::Status::Data:
        if (!mayHaveChanged) mayHaveChanged = DatagramMayChangeIdentity(datagram.bytes);
        break;
      case netlink::Datagram::Status::Overrun:  // messages were lost: look again
        mayHaveChanged = true;
        break;
      case netlink::Datagram::Status::WouldBlock:
      case netlink::Datagram::Status::Failed:
        return mayHaveChanged;
    }
  }
  return mayHaveChanged;
}

bool LinuxAddressChangeWatch::TakeChange() {
  if (!socket_.IsOpen() || !DrainMessages()) return false;
  std::optional<NetworkIdentity> now = NetworkIdentity::Read(interfaces_, addresses_);
  if (now == identity_) return false;
  identity_ = std::move(now);
  return true;
}

}  // namespace meterly::platform
