#include "platform/linux/linux_address_table.h"

#include "platform/linux/route_messages.h"

#include <arpa/inet.h>
#include <linux/rtnetlink.h>
#include <sys/socket.h>

#include <cstring>

namespace meterly::platform {

namespace {

using netlink::Message;

std::vector<std::byte> Ipv4DumpRequest() {
  ifaddrmsg header{};
  header.ifa_family = AF_INET;
  return netlink::MessageBuilder(RTM_GETADDR, NLM_F_REQUEST | NLM_F_DUMP).AppendStruct(header).bytes();
}

quint32 HostOrder(const QByteArray& networkOrder) {
  quint32 value = 0;
  std::memcpy(&value, networkOrder.constData(), sizeof(value));
  return ntohl(value);
}

}  // namespace

LinuxAddressTable::LinuxAddressTable() : dumpRequest_(Ipv4DumpRequest()) {}

std::optional<std::vector<Ipv4AddressRow>> LinuxAddressTable::Ipv4Addresses() {
  std::vector<Ipv4AddressRow> rows;
  bool malformed = false;
  const auto restart = [&] {
    rows.clear();
    malformed = false;
  };
  const auto take = [&](const Message& message) {
    if (message.header.nlmsg_type != RTM_NEWADDR) return;
    const auto address = netlink::DecodeAddressMessage(message.payload);
    if (!address) {
      malformed = true;
      return;
    }
    // Older kernels ignore the family of a dump request and send every family.
    if (address->family != AF_INET || address->address.size() != sizeof(quint32)) return;
    rows.push_back(Ipv4AddressRow{address->index, HostOrder(address->address)});
  };
  if (!channel_.run(dumpRequest_, restart, take) || malformed) return std::nullopt;
  return rows;
}

}  // namespace meterly::platform
