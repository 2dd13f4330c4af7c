#pragma once

#include "platform/linux/link_type.h"

#include <QByteArray>

#include <unordered_map>

namespace meterly::platform {

// What sysfs says about each link, asked in two sweeps and then kept: a link keeps its device
// and its wireless nature for as long as it exists, and asking costs several path lookups per
// link, more than the whole netlink dump. The second time covers a link read while it was
// still being registered (the wireless stack adds phy80211 only after the link is listed).
class SysfsFactsCache {
 public:
  explicit SysfsFactsCache(QByteArray classNetFolder = "/sys/class/net");

  // The facts for a link; sysfs is asked only while this index is new under this name.
  SysfsLinkFacts FactsFor(int index, const QByteArray& name);

  // Starts a full pass over the links; finishSweep() forgets every link not asked for since.
  void StartSweep() { ++sweep_; }
  void FinishSweep();

 private:
  struct Entry {
    QByteArray name;
    SysfsLinkFacts facts;
    int timesAsked = 0;
    unsigned lastSweep = 0;
  };

  QByteArray classNetFolder_;
  std::unordered_map<int, Entry> entries_;
  unsigned sweep_ = 0;
};

}  // namespace meterly::platform
