#include "platform/linux/route_messages.h"

#include <linux/if_addr.h>
#include <linux/if_link.h>
#include <linux/rtnetlink.h>

#include <algorithm>

namespace meterly::platform::netlink {

namespace {

QByteArray bytesOf(Bytes payload) {
  return QByteArray(reinterpret_cast<const char*>(payload.data()), static_cast<qsizetype>(payload.size()));
}

// Reads the byte counters from either statistics layout; older kernels send a shorter
// structure than the one in our headers, so only the fields up to tx_bytes must be present.
template <typename Stats>
std::optional<LinkCounters> readCounters(Bytes payload) {
  if (payload.size() < offsetof(Stats, tx_bytes) + sizeof(Stats::tx_bytes)) return std::nullopt;
  Stats stats{};
  std::memcpy(&stats, payload.data(), std::min(payload.size(), sizeof(stats)));
  return LinkCounters{stats.rx_bytes, stats.tx_bytes};
}

// The IFLA_INFO_KIND inside IFLA_LINKINFO; nullopt when the nesting is malformed.
std::optional<QByteArray> readKind(Bytes linkInfo) {
  AttributeCursor cursor(linkInfo);
  QByteArray kind;
  while (const auto attribute = cursor.next()) {
    if (attribute->type == IFLA_INFO_KIND) kind = attributeText(attribute->payload);
  }
  if (cursor.malformed()) return std::nullopt;
  return kind;
}

// Applies one attribute to the message; false when its content is malformed.
bool applyLinkAttribute(const Attribute& attribute, LinkMessage& link, std::optional<LinkCounters>& counters32) {
  switch (attribute.type) {
    case IFLA_IFNAME:
      link.name = attributeText(attribute.payload);
      return true;
    case IFLA_IFALIAS:
      link.alias = attributeText(attribute.payload);
      return true;
    case IFLA_ADDRESS:
      link.hardwareAddress = bytesOf(attribute.payload);
      return true;
    case IFLA_STATS64:
      link.counters = readCounters<rtnl_link_stats64>(attribute.payload);
      return link.counters.has_value();
    case IFLA_STATS:
      counters32 = readCounters<rtnl_link_stats>(attribute.payload);
      return counters32.has_value();
    case IFLA_LINKINFO: {
      auto kind = readKind(attribute.payload);
      if (!kind) return false;
      link.kind = *kind;
      return true;
    }
    default:
      return true;
  }
}

}  // namespace

std::optional<LinkMessage> decodeLinkMessage(Bytes payload) {
  const auto header = readStruct<ifinfomsg>(payload);
  if (!header) return std::nullopt;
  LinkMessage link;
  link.index = header->ifi_index;
  link.hardwareType = header->ifi_type;

  std::optional<LinkCounters> counters32;
  AttributeCursor cursor(attributesAfter<ifinfomsg>(payload));
  while (const auto attribute = cursor.next()) {
    if (!applyLinkAttribute(*attribute, link, counters32)) return std::nullopt;
  }
  if (cursor.malformed() || link.name.isEmpty()) return std::nullopt;
  if (!link.counters) link.counters = counters32;
  return link;
}

std::optional<StatsMessage> decodeStatsMessage(Bytes payload) {
  const auto header = readStruct<if_stats_msg>(payload);
  if (!header) return std::nullopt;
  StatsMessage stats;
  stats.index = header->ifindex;
  AttributeCursor cursor(attributesAfter<if_stats_msg>(payload));
  while (const auto attribute = cursor.next()) {
    if (attribute->type != IFLA_STATS_LINK_64) continue;
    stats.counters = readCounters<rtnl_link_stats64>(attribute->payload);
    if (!stats.counters) return std::nullopt;
  }
  if (cursor.malformed()) return std::nullopt;
  return stats;
}

std::optional<AddressMessage> decodeAddressMessage(Bytes payload) {
  const auto header = readStruct<ifaddrmsg>(payload);
  if (!header) return std::nullopt;
  AddressMessage address;
  address.family = header->ifa_family;
  address.index = header->ifa_index;

  QByteArray local;
  AttributeCursor cursor(attributesAfter<ifaddrmsg>(payload));
  while (const auto attribute = cursor.next()) {
    if (attribute->type == IFA_LOCAL) local = bytesOf(attribute->payload);
    if (attribute->type == IFA_ADDRESS) address.address = bytesOf(attribute->payload);
  }
  if (cursor.malformed()) return std::nullopt;
  if (!local.isEmpty()) address.address = local;
  return address;
}

}  // namespace meterly::platform::netlink
