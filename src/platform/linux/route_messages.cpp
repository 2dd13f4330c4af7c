#include "platform/linux/route_messages.h"

#include <linux/if_addr.h>
#include <linux/if_link.h>
#include <linux/rtnetlink.h>

#include <algorithm>

namespace meterly::platform::netlink {

namespace {

QByteArray BytesOf(Bytes payload) {
  return QByteArray(reinterpret_cast<const char*>(payload.data()), static_cast<qsizetype>(payload.size()));
}

// Reads the byte counters from either statistics layout; older kernels send a shorter
// structure than the one in our headers, so only the fields up to tx_bytes must be present.
template <typename Stats>
std::optional<LinkCounters> ReadCounters(Bytes payload) {
  if (payload.size() < offsetof(Stats, tx_bytes) + sizeof(Stats::tx_bytes)) return std::nullopt;
  Stats stats{};
  std::memcpy(&stats, payload.data(), std::min(payload.size(), sizeof(stats)));
  return LinkCounters{stats.rx_bytes, stats.tx_bytes};
}

// The IFLA_INFO_KIND inside IFLA_LINKINFO; nullopt when the nesting is malformed.
std::optional<QByteArray> ReadKind(Bytes linkInfo) {
  AttributeCursor cursor(linkInfo);
  QByteArray kind;
  while (const auto attribute = cursor.Next()) {
    if (attribute->type == IFLA_INFO_KIND) kind = AttributeText(attribute->payload);
  }
  if (cursor.Malformed()) return std::nullopt;
  return kind;
}

// Applies one attribute to the message; false when its content is malformed.
bool ApplyLinkAttribute(const Attribute& attribute, LinkMessage& link, std::optional<LinkCounters>& counters32) {
  switch (attribute.type) {
    case IFLA_IFNAME:
      link.name = AttributeText(attribute.payload);
      return true;
    case IFLA_IFALIAS:
      link.alias = AttributeText(attribute.payload);
      return true;
    case IFLA_ADDRESS:
      link.hardwareAddress = BytesOf(attribute.payload);
      return true;
    case IFLA_STATS64:
      link.counters = ReadCounters<rtnl_link_stats64>(attribute.payload);
      return link.counters.has_value();
    case IFLA_STATS:
      counters32 = ReadCounters<rtnl_link_stats>(attribute.payload);
      return counters32.has_value();
    case IFLA_LINKINFO: {
      auto kind = ReadKind(attribute.payload);
      if (!kind) return false;
      link.kind = *kind;
      return true;
    }
    default:
      return true;
  }
}

}  // namespace

std::optional<LinkMessage> DecodeLinkMessage(Bytes payload) {
  const auto header = ReadStruct<ifinfomsg>(payload);
  if (!header) return std::nullopt;
  LinkMessage link;
  link.index = header->ifi_index;
  link.hardwareType = header->ifi_type;

  std::optional<LinkCounters> counters32;
  AttributeCursor cursor(AttributesAfter<ifinfomsg>(payload));
  while (const auto attribute = cursor.Next()) {
    if (!ApplyLinkAttribute(*attribute, link, counters32)) return std::nullopt;
  }
  if (cursor.Malformed() || link.name.isEmpty()) return std::nullopt;
  if (!link.counters) link.counters = counters32;
  return link;
}

std::optional<StatsMessage> DecodeStatsMessage(Bytes payload) {
  const auto header = ReadStruct<if_stats_msg>(payload);
  if (!header) return std::nullopt;
  StatsMessage stats;
  stats.index = header->ifindex;
  AttributeCursor cursor(AttributesAfter<if_stats_msg>(payload));
  while (const auto attribute = cursor.Next()) {
    if (attribute->type != IFLA_STATS_LINK_64) continue;
    stats.counters = ReadCounters<rtnl_link_stats64>(attribute->payload);
    if (!stats.counters) return std::nullopt;
  }
  if (cursor.Malformed()) return std::nullopt;
  return stats;
}

std::optional<AddressMessage> DecodeAddressMessage(Bytes payload) {
  const auto header = ReadStruct<ifaddrmsg>(payload);
  if (!header) return std::nullopt;
  AddressMessage address;
  address.family = header->ifa_family;
  address.index = header->ifa_index;

  QByteArray local;
  AttributeCursor cursor(AttributesAfter<ifaddrmsg>(payload));
  while (const auto attribute = cursor.Next()) {
    if (attribute->type == IFA_LOCAL) local = BytesOf(attribute->payload);
    if (attribute->type == IFA_ADDRESS) address.address = BytesOf(attribute->payload);
  }
  if (cursor.Malformed()) return std::nullopt;
  if (!local.isEmpty()) address.address = local;
  return address;
}

}  // namespace meterly::platform::netlink
