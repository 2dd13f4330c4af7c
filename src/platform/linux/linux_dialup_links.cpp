#include "platform/linux/linux_dialup_links.h"

#include <linux/if.h>
#include <linux/if_arp.h>
#include <linux/rtnetlink.h>
#include <QList>

namespace meterly::platform::netlink {

std::optional<PppLink> DecodePppLink(Bytes payload) {
  const auto header = ReadStruct<ifinfomsg>(payload);
  if (!header || header->ifi_type != ARPHRD_PPP) return std::nullopt;
  const auto link = DecodeLinkMessage(payload);
  if (!link) return std::nullopt;
  return PppLink{link->index, link->name, (header->ifi_flags & IFF_UP) != 0, link->counters};
}

bool PppLinkSet::ApplyDatagram(Bytes datagram) {
  MessageCursor cursor(datagram);
  bool changed = false;
  while (const auto message = cursor.Next()) {
    if (Apply(*message)) changed = true;
  }
  return changed || cursor.Malformed();
}

bool PppLinkSet::Apply(const Message& message) {
  if (message.header.nlmsg_type == RTM_DELLINK) {
    const auto header = ReadStruct<ifinfomsg>(message.payload);
    return header && links_.erase(header->ifi_index) > 0;
  }
  if (message.header.nlmsg_type != RTM_NEWLINK) return false;
  const auto link = DecodePppLink(message.payload);
  return link && Insert(*link);
}

bool PppLinkSet::Insert(const PppLink& link) {
  const State state{link.name, link.up};
  const auto known = links_.find(link.index);
  if (known != links_.end() && known->second == state) return false;
  links_[link.index] = state;
  return true;
}

bool PppLinkSet::Replace(const PppLinkSet& fresh) {
  if (fresh == *this) return false;
  links_ = fresh.links_;
  return true;
}

bool ProcDevicesOfferPpp(const QByteArray& procDevices) {
  bool characterDevices = false;
  for (const QByteArray& rawLine : procDevices.split('\n')) {
    const QByteArray line = rawLine.trimmed();
    if (line.endsWith(':')) {
      characterDevices = line == "Character devices:";
      continue;
    }
    const QList<QByteArray> fields = line.simplified().split(' ');
    if (characterDevices && fields.size() == 2 && fields[1] == "ppp") return true;
  }
  return false;
}

}  // namespace meterly::platform::netlink
