#pragma once

// What rtnetlink link messages say about point-to-point (PPP) links: which exist, their names,
// whether they are up, and their counters.

#include "platform/linux/netlink_message.h"
#include "platform/linux/route_messages.h"

#include <QByteArray>

#include <map>
#include <optional>

namespace meterly::platform::netlink {

struct PppLink {
  int index = 0;
  QByteArray name;
  bool up = false;
  std::optional<LinkCounters> counters;
};

// The PPP link a RTM_NEWLINK payload describes; nullopt for every other link type and for a
// malformed payload.
std::optional<PppLink> DecodePppLink(Bytes payload);

// The PPP links as the kernel's link messages describe them. Only what makes a connection
// event counts: a link appearing or going, its name, its up state. Counters, carrier and
// statistics messages change nothing.
class PppLinkSet {
 public:
  struct State {
    QByteArray name;
    bool up = false;
    friend bool operator==(const State&, const State&) = default;
  };

  // Applies the messages of one datagram; true when the set changed or the datagram could not
  // be read whole (what it said is then unknown).
  bool ApplyDatagram(Bytes datagram);
  // Applies one RTM_NEWLINK or RTM_DELLINK message (others are ignored); true when the set changed.
  bool Apply(const Message& message);
  // Takes the set from a fresh dump; true when it differs from the one held.
  bool Replace(const PppLinkSet& fresh);
  // Adds or updates one link (while building a set from a dump); true when the set changed.
  bool Insert(const PppLink& link);

  const std::map<int, State>& Links() const { return links_; }

  friend bool operator==(const PppLinkSet&, const PppLinkSet&) = default;

 private:
  std::map<int, State> links_;  // by interface index
};

// Whether the kernel behind /proc/devices offers the PPP channel device (major 108, "ppp").
bool ProcDevicesOfferPpp(const QByteArray& procDevices);

}  // namespace meterly::platform::netlink
