#include "fakes/fake_dialup.h"

#include <algorithm>
#include <chrono>

namespace meterly::fakes {

using platform::DialupCounters;
using platform::DialupEventWatch;
using platform::DialupLink;

FakeDialupEventWatch::~FakeDialupEventWatch() {
  std::lock_guard lock(service_.mutex_);
  service_.watchOpen_ = false;
}

DialupEventWatch::WaitResult FakeDialupEventWatch::Wait(int timeoutMs) {
  std::unique_lock lock(service_.mutex_);
  service_.longestWaitMs_ = std::max(service_.longestWaitMs_, timeoutMs);
  const bool ready = service_.changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] {
    return service_.wakes_ > 0 || service_.pendingEvents_ > 0 || service_.endlessEvents_ || service_.watchFailing_;
  });
  if (!ready) return WaitResult::TimedOut;
  if (service_.wakes_ > 0) {
    service_.wakes_ = 0;
    return WaitResult::Woken;
  }
  if (service_.watchFailing_) return WaitResult::Failed;
  if (service_.pendingEvents_ > 0) service_.pendingEvents_ = 0;
  return WaitResult::Event;
}

void FakeDialupEventWatch::Wake() {
  std::lock_guard lock(service_.mutex_);
  ++service_.wakes_;
  service_.changed_.notify_all();
}

bool FakeDialupService::Available() {
  std::lock_guard lock(mutex_);
  return available_;
}

std::optional<std::vector<DialupLink>> FakeDialupService::ActiveLinks() {
  std::lock_guard lock(mutex_);
  ++enumerations_;
  if (enumerationFailing_) return std::nullopt;
  std::vector<DialupLink> links = links_;
  for (DialupLink& link : links) link.counters = counters_[link.handle];
  return links;
}

std::optional<DialupCounters> FakeDialupService::Statistics(quint64 handle) {
  std::lock_guard lock(mutex_);
  const bool up = std::any_of(links_.begin(), links_.end(), [&](const DialupLink& l) { return l.handle == handle; });
  if (!up || failingStatistics_.count(handle) > 0) return std::nullopt;
  return counters_[handle];
}

bool FakeDialupService::HangUp(const DialupLink& link, QString* /*error*/) {
  std::lock_guard lock(mutex_);
  hungUp_.push_back(link.name);
  return true;
}

std::unique_ptr<DialupEventWatch> FakeDialupService::WatchEvents() {
  std::lock_guard lock(mutex_);
  if (!available_) throw platform::DialupError("no dial-up here (fake)");
  watchOpen_ = true;
  return std::make_unique<FakeDialupEventWatch>(*this);
}

void FakeDialupService::Connect(const QString& name, quint64 handle) {
  std::lock_guard lock(mutex_);
  std::erase_if(links_, [&](const DialupLink& link) { return link.name == name; });
  links_.push_back(DialupLink{name, handle, {}});
  counters_[handle] = {};
}

void FakeDialupService::Disconnect(const QString& name) {
  std::lock_guard lock(mutex_);
  std::erase_if(links_, [&](const DialupLink& link) { return link.name == name; });
}

void FakeDialupService::SetCounters(quint64 handle, quint64 received, quint64 sent) {
  std::lock_guard lock(mutex_);
  counters_[handle] = {received, sent};
}

void FakeDialupService::SetStatisticsFailing(quint64 handle, bool failing) {
  std::lock_guard lock(mutex_);
  if (failing) {
    failingStatistics_.insert(handle);
  } else {
    failingStatistics_.erase(handle);
  }
}

void FakeDialupService::SignalEvent(bool endless) {
  std::lock_guard lock(mutex_);
  ++pendingEvents_;
  endlessEvents_ = endless;
  changed_.notify_all();
}

}  // namespace meterly::fakes
