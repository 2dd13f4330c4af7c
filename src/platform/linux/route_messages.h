#pragma once

// The payloads of rtnetlink link (RTM_NEWLINK), link statistics (RTM_NEWSTATS) and address
// (RTM_NEWADDR) messages, reduced to what the tables need.

#include "platform/linux/netlink_message.h"

#include <QByteArray>
#include <QtGlobal>

#include <optional>

namespace meterly::platform::netlink {

struct LinkCounters {
  quint64 received = 0;  // bytes
  quint64 sent = 0;
};

struct LinkMessage {
  int index = 0;
  quint16 hardwareType = 0;  // ARPHRD_*
  QByteArray name;
  QByteArray alias;                      // empty when none is set
  QByteArray hardwareAddress;            // every byte the kernel gave
  QByteArray kind;                       // IFLA_INFO_KIND: set only for links created through an rtnetlink link type
  std::optional<LinkCounters> counters;  // IFLA_STATS64, else IFLA_STATS
};

// nullopt when the payload is malformed or names no interface.
std::optional<LinkMessage> DecodeLinkMessage(Bytes payload);

struct StatsMessage {
  quint32 index = 0;
  std::optional<LinkCounters> counters;  // IFLA_STATS_LINK_64
};

// nullopt when the payload is malformed.
std::optional<StatsMessage> DecodeStatsMessage(Bytes payload);

struct AddressMessage {
  quint8 family = 0;
  quint32 index = 0;
  QByteArray address;  // IFA_LOCAL, else IFA_ADDRESS, in network byte order
};

// nullopt when the payload is malformed.
std::optional<AddressMessage> DecodeAddressMessage(Bytes payload);

}  // namespace meterly::platform::netlink
