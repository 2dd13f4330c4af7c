#include "platform/linux/linux_interface_table.h"

#include "platform/linux/link_type.h"
#include "platform/linux/route_messages.h"

#include <linux/rtnetlink.h>
#include <net/if.h>
#include <sys/socket.h>

#include <algorithm>

namespace meterly::platform {

namespace {

using netlink::LinkMessage;
using netlink::Message;
using netlink::MessageBuilder;

std::vector<std::byte> linkDumpRequest() {
  ifinfomsg header{};
  header.ifi_family = AF_UNSPEC;
  // Without an extension mask the kernel sizes dump parts for ordinary links only and leaves
  // out a link whose message is larger (hundreds of alternative names, say). With one it sizes
  // them for the largest link. The bridge VLAN bit adds nothing to a link dump; the VF bit
  // would add per-VF data we do not want.
  const quint32 extensionMask = RTEXT_FILTER_BRVLAN;
  return MessageBuilder(RTM_GETLINK, NLM_F_REQUEST | NLM_F_DUMP)
      .appendStruct(header)
      .appendAttribute(IFLA_EXT_MASK, netlink::valueBytes(extensionMask))
      .bytes();
}

std::vector<std::byte> linkByNameRequest(const QByteArray& name) {
  ifinfomsg header{};
  header.ifi_family = AF_UNSPEC;
  return MessageBuilder(RTM_GETLINK, NLM_F_REQUEST).appendStruct(header).appendTextAttribute(IFLA_IFNAME, name).bytes();
}

// The kernel's own rule for interface names; anything else cannot name a link.
bool isPossibleLinkName(const QByteArray& name) {
  if (name.isEmpty() || name.size() >= IFNAMSIZ || name == "." || name == "..") return false;
  return std::none_of(name.begin(), name.end(),
                      [](char c) { return c == '/' || c == ':' || c == '\0' || c == ' ' || (c >= '\t' && c <= '\r'); });
}

InterfaceRow rowOf(const LinkMessage& link, SysfsFactsCache& sysfs) {
  InterfaceRow row;
  row.index = static_cast<quint32>(link.index);
  row.name = QString::fromUtf8(link.name);
  row.description = link.alias.isEmpty() ? row.name : QString::fromUtf8(link.alias);
  const SysfsLinkFacts facts = sysfs.factsFor(link.index, link.name);
  row.type = ifTypeOf(link.hardwareType, hasPhysicalDevice(facts, !link.kind.isEmpty()), facts.isWireless);
  row.physAddr = link.hardwareAddress;
  if (link.counters) {
    row.inOctets = link.counters->received;
    row.outOctets = link.counters->sent;
  }
  return row;
}

// Collects the links of one reply; a malformed link message spoils the whole reply.
class LinkCollector {
 public:
  explicit LinkCollector(SysfsFactsCache& sysfs) : sysfs_(sysfs) {}

  void restart() {
    rows_.clear();
    malformed_ = false;
  }

  void take(const Message& message) {
    if (message.header.nlmsg_type != RTM_NEWLINK) return;
    const auto link = netlink::decodeLinkMessage(message.payload);
    if (!link) {
      malformed_ = true;
      return;
    }
    rows_.push_back(rowOf(*link, sysfs_));
  }

  std::optional<std::vector<InterfaceRow>> result(bool complete) && {
    if (!complete || malformed_) return std::nullopt;
    return std::move(rows_);
  }

 private:
  SysfsFactsCache& sysfs_;
  std::vector<InterfaceRow> rows_;
  bool malformed_ = false;
};

std::optional<std::vector<InterfaceRow>> collectLinks(netlink::RouteChannel& channel, SysfsFactsCache& sysfs,
                                                      const std::vector<std::byte>& request) {
  LinkCollector collector(sysfs);
  const bool complete = channel.run(
      request, [&] { collector.restart(); }, [&](const Message& message) { collector.take(message); });
  return std::move(collector).result(complete);
}

}  // namespace

LinuxInterfaceTable::LinuxInterfaceTable() : dumpRequest_(linkDumpRequest()) {}

std::optional<std::vector<InterfaceRow>> LinuxInterfaceTable::rows() {
  sysfs_.startSweep();
  auto rows = collectLinks(channel_, sysfs_, dumpRequest_);
  if (!rows) return std::nullopt;
  sysfs_.finishSweep();
  std::sort(rows->begin(), rows->end(), [](const InterfaceRow& a, const InterfaceRow& b) { return a.index < b.index; });
  return rows;
}

std::optional<InterfaceRow> LinuxInterfaceTable::rowByName(const QString& name) {
  const QByteArray kernelName = name.toUtf8();
  if (!isPossibleLinkName(kernelName)) return std::nullopt;
  auto rows = collectLinks(channel_, sysfs_, linkByNameRequest(kernelName));
  // The kernel also finds a link by one of its alternative names; the caller asked for this name.
  if (!rows || rows->size() != 1 || rows->front().name != name) return std::nullopt;
  return std::move(rows->front());
}

}  // namespace meterly::platform
