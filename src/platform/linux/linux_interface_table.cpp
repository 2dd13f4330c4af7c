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

// The link notifications that follow a change (a new link is announced several times as it
// comes up) are seen on the calls right after it; the last of these dumps also finds what sysfs
// adds to a link only after the link was announced.
constexpr int kDumpsAfterChange = 2;
// A flood of notifications cannot hold the caller: the links are dumped again in any case.
constexpr int kMaxNotificationsPerCall = 4096;

netlink::SocketOptions LinkChangeOptions() {
  netlink::SocketOptions options;
  options.multicastGroups = RTMGRP_LINK;
  options.nonBlocking = true;
  return options;
}

std::vector<std::byte> LinkDumpRequest() {
  ifinfomsg header{};
  header.ifi_family = AF_UNSPEC;
  // Without an extension mask the kernel sizes dump parts for ordinary links only and leaves
  // out a link whose message is larger (hundreds of alternative names, say). With one it sizes
  // them for the largest link. The bridge VLAN bit adds nothing to a link dump; the VF bit
  // would add per-VF data we do not want.
  const quint32 extensionMask = RTEXT_FILTER_BRVLAN;
  return MessageBuilder(RTM_GETLINK, NLM_F_REQUEST | NLM_F_DUMP)
      .AppendStruct(header)
      .AppendAttribute(IFLA_EXT_MASK, netlink::ValueBytes(extensionMask))
      .bytes();
}

// The byte counters of one link, or with index 0 of every link.
std::vector<std::byte> StatsRequest(quint32 index) {
  if_stats_msg header{};
  header.family = AF_UNSPEC;
  header.ifindex = index;
  header.filter_mask = IFLA_STATS_FILTER_BIT(IFLA_STATS_LINK_64);
  const auto flags = static_cast<quint16>(index == 0 ? NLM_F_REQUEST | NLM_F_DUMP : NLM_F_REQUEST);
  return MessageBuilder(RTM_GETSTATS, flags).AppendStruct(header).bytes();
}

void SetCounters(InterfaceRow& row, const netlink::StatsMessage& stats) {
  row.inOctets = stats.counters ? stats.counters->received : 0;
  row.outOctets = stats.counters ? stats.counters->sent : 0;
}

std::vector<std::byte> LinkByNameRequest(const QByteArray& name) {
  ifinfomsg header{};
  header.ifi_family = AF_UNSPEC;
  return MessageBuilder(RTM_GETLINK, NLM_F_REQUEST).AppendStruct(header).AppendTextAttribute(IFLA_IFNAME, name).bytes();
}

// The kernel's own rule for interface names; anything else cannot name a link.
bool IsPossibleLinkName(const QByteArray& name) {
  if (name.isEmpty() || name.size() >= IFNAMSIZ || name == "." || name == "..") return false;
  return std::none_of(name.begin(), name.end(),
                      [](char c) { return c == '/' || c == ':' || c == '\0' || c == ' ' || (c >= '\t' && c <= '\r'); });
}

InterfaceRow RowOf(const LinkMessage& link, SysfsFactsCache& sysfs) {
  InterfaceRow row;
  row.index = static_cast<quint32>(link.index);
  row.name = QString::fromUtf8(link.name);
  row.description = link.alias.isEmpty() ? row.name : QString::fromUtf8(link.alias);
  const SysfsLinkFacts facts = sysfs.FactsFor(link.index, link.name);
  row.type = IfTypeOf(link.hardwareType, HasPhysicalDevice(facts, !link.kind.isEmpty()), facts.isWireless);
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

  void Restart() {
    rows_.clear();
    malformed_ = false;
  }

  void Take(const Message& message) {
    if (message.header.nlmsg_type != RTM_NEWLINK) return;
    const auto link = netlink::DecodeLinkMessage(message.payload);
    if (!link) {
      malformed_ = true;
      return;
    }
    rows_.push_back(RowOf(*link, sysfs_));
  }

  std::optional<std::vector<InterfaceRow>> Result(bool complete) && {
    if (!complete || malformed_) return std::nullopt;
    return std::move(rows_);
  }

 private:
  SysfsFactsCache& sysfs_;
  std::vector<InterfaceRow> rows_;
  bool malformed_ = false;
};

std::optional<std::vector<InterfaceRow>> CollectLinks(netlink::RouteChannel& channel, SysfsFactsCache& sysfs,
                                                      const std::vector<std::byte>& request) {
  LinkCollector collector(sysfs);
  const bool complete = channel.run(
      request, [&] { collector.Restart(); }, [&](const Message& message) { collector.Take(message); });
  return std::move(collector).Result(complete);
}

}  // namespace

LinuxInterfaceTable::LinuxInterfaceTable()
    : dumpRequest_(LinkDumpRequest()),
      statsRequest_(StatsRequest(0)),
      linkChanges_(netlink::Socket::Open(LinkChangeOptions())),
      dumpsOwed_(kDumpsAfterChange) {}

std::optional<std::vector<InterfaceRow>> LinuxInterfaceTable::Rows() {
  if (LinksKnown()) {
    std::vector<InterfaceRow> rows = links_;
    if (CountersHold(ReadCounters(rows))) return rows;
  }
  return DumpLinks();
}

std::optional<InterfaceRow> LinuxInterfaceTable::RowByName(const QString& name) {
  const QByteArray kernelName = name.toUtf8();
  if (!IsPossibleLinkName(kernelName)) return std::nullopt;
  if (Watching() && dumpsOwed_ > 0) DumpLinks();
  if (LinksKnown()) {
    const auto link =
        std::find_if(links_.begin(), links_.end(), [&](const InterfaceRow& row) { return row.name == name; });
    if (link == links_.end()) {
      if (CountersHold(true)) return std::nullopt;
    } else {
      InterfaceRow row = *link;
      if (CountersHold(ReadCounters(row))) return row;
    }
  }
  auto rows = CollectLinks(channel_, sysfs_, LinkByNameRequest(kernelName));
  // The kernel also finds a link by one of its alternative names; the caller asked for this name.
  if (!rows || rows->size() != 1 || rows->front().name != name) return std::nullopt;
  return std::move(rows->front());
}

bool LinuxInterfaceTable::Watching() const { return linkChanges_.IsOpen() && countersReadable_; }

bool LinuxInterfaceTable::LinksKnown() const { return Watching() && dumpsOwed_ == 0; }

// Counters read from the kept links hold when no link changed meanwhile (a link that changed
// before they were read has announced it by now); otherwise the links are dumped again.
bool LinuxInterfaceTable::CountersHold(bool read) {
  const bool unchanged = LinksUnchanged();
  if (read && unchanged) return true;
  // Counters that cannot be read while the links stay as they are will not be readable later
  // either: every call dumps the links from now on.
  if (unchanged) countersReadable_ = false;
  dumpsOwed_ = kDumpsAfterChange;
  return false;
}

std::optional<std::vector<InterfaceRow>> LinuxInterfaceTable::DumpLinks() {
  // Whatever was announced until now is in the dump.
  LinksUnchanged();
  sysfs_.StartSweep();
  auto rows = CollectLinks(channel_, sysfs_, dumpRequest_);
  if (!rows) {
    dumpsOwed_ = kDumpsAfterChange;
    return std::nullopt;
  }
  sysfs_.FinishSweep();
  std::sort(rows->begin(), rows->end(), [](const InterfaceRow& a, const InterfaceRow& b) { return a.index < b.index; });
  links_ = *rows;
  if (dumpsOwed_ > 0) --dumpsOwed_;
  return rows;
}

// Every row's counters from one statistics dump; false when it cannot be read or lists other
// links than the rows.
bool LinuxInterfaceTable::ReadCounters(std::vector<InterfaceRow>& rows) {
  std::vector<bool> found;
  bool sameLinks = true;
  const auto restart = [&] {
    found.assign(rows.size(), false);
    sameLinks = true;
  };
  const auto take = [&](const Message& message) {
    if (message.header.nlmsg_type != RTM_NEWSTATS) return;
    const auto stats = netlink::DecodeStatsMessage(message.payload);
    const auto row = !stats ? rows.end()
                            : std::lower_bound(rows.begin(), rows.end(), stats->index,
                                               [](const InterfaceRow& r, quint32 index) { return r.index < index; });
    const auto position = static_cast<std::size_t>(row - rows.begin());
    if (row == rows.end() || row->index != stats->index || found[position]) {
      sameLinks = false;
      return;
    }
    found[position] = true;
    SetCounters(*row, *stats);
  };
  const bool complete = channel_.run(statsRequest_, restart, take);
  return complete && sameLinks && std::find(found.begin(), found.end(), false) == found.end();
}

bool LinuxInterfaceTable::ReadCounters(InterfaceRow& row) {
  bool found = false;
  const auto take = [&](const Message& message) {
    if (message.header.nlmsg_type != RTM_NEWSTATS) return;
    const auto stats = netlink::DecodeStatsMessage(message.payload);
    if (!stats || stats->index != row.index) return;
    found = true;
    SetCounters(row, *stats);
  };
  const bool complete = channel_.run(
      StatsRequest(row.index), [&] { found = false; }, take);
  return complete && found;
}

// Takes the link notifications queued since the last call; false when there was one (or some
// were lost, or the socket failed).
bool LinuxInterfaceTable::LinksUnchanged() {
  bool unchanged = true;
  for (int taken = 0; taken < kMaxNotificationsPerCall; ++taken) {
    switch (linkChanges_.Receive(MSG_DONTWAIT).status) {
      case netlink::Datagram::Status::Data:
      case netlink::Datagram::Status::Overrun:
        unchanged = false;
        break;
      case netlink::Datagram::Status::WouldBlock:
        return unchanged;
      case netlink::Datagram::Status::Failed:
        return false;
    }
  }
  return false;
}

}  // namespace meterly::platform
