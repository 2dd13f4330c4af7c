#include "platform/linux/sysfs_facts_cache.h"

#include <utility>

namespace meterly::platform {

SysfsFactsCache::SysfsFactsCache(QByteArray classNetFolder) : classNetFolder_(std::move(classNetFolder)) {}

SysfsLinkFacts SysfsFactsCache::FactsFor(int index, const QByteArray& name) {
  constexpr int kTimesToAsk = 2;
  Entry& entry = entries_[index];
  if (entry.name != name) {
    entry.name = name;
    entry.timesAsked = 0;
  }
  if (entry.timesAsked == 0 || (entry.timesAsked < kTimesToAsk && entry.lastSweep != sweep_)) {
    entry.facts = sysfsLinkFacts(name, classNetFolder_);
    ++entry.timesAsked;
  }
  entry.lastSweep = sweep_;
  return entry.facts;
}

void SysfsFactsCache::FinishSweep() {
  std::erase_if(entries_, [this](const auto& item) { return item.second.lastSweep != sweep_; });
}

}  // namespace meterly::platform
