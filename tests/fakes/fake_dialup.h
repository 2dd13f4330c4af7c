#pragma once

#include "platform/dialup.h"

#include <condition_variable>
#include <map>
#include <mutex>
#include <set>

namespace meterly::fakes {

class FakeDialupService;

// Waits on a condition variable for the events and wakes its service is told of.
class FakeDialupEventWatch : public platform::DialupEventWatch {
 public:
  explicit FakeDialupEventWatch(FakeDialupService& service) : service_(service) {}
  ~FakeDialupEventWatch() override;

  WaitResult Wait(int timeoutMs) override;
  void Wake() override;
  QString Failure() const override { return QStringLiteral("the fake watch broke"); }

 private:
  FakeDialupService& service_;
};

// Dial-up links that a test scripts: which are up, their counters by handle, failing calls.
// Safe to script from the test's thread while a logger thread asks.
class FakeDialupService : public platform::DialupService {
 public:
  bool Available() override;
  std::optional<std::vector<platform::DialupLink>> ActiveLinks() override;
  std::optional<platform::DialupCounters> Statistics(quint64 handle) override;
  bool HangUp(const platform::DialupLink& link, QString* error) override;
  std::unique_ptr<platform::DialupEventWatch> WatchEvents() override;

  // Scripting; each takes the fake's lock.
  void SetAvailable(bool available) { Set(available_, available); }
  // The link comes up (or is replaced, when its name is up already) with zero counters.
  void Connect(const QString& name, quint64 handle);
  // The link goes; its handle answers no more statistics.
  void Disconnect(const QString& name);
  void SetCounters(quint64 handle, quint64 received, quint64 sent);
  void SetStatisticsFailing(quint64 handle, bool failing);
  void SetEnumerationFailing(bool failing) { Set(enumerationFailing_, failing); }
  void SetWatchFailing(bool failing) { Set(watchFailing_, failing); }
  // A connection event for the watch; with `endless`, every wait reports one at once.
  void SignalEvent(bool endless = false);

  int Enumerations() const { return Get(enumerations_); }
  std::vector<QString> HungUp() const { return Get(hungUp_); }
  bool WatchOpen() const { return Get(watchOpen_); }
  int LongestWaitMs() const { return Get(longestWaitMs_); }

 private:
  friend class FakeDialupEventWatch;

  template <typename T>
  T Get(const T& member) const {
    std::lock_guard lock(mutex_);
    return member;
  }
  // Sets the member and wakes a waiting watch to look at it.
  template <typename T>
  void Set(T& member, T value) {
    std::lock_guard lock(mutex_);
    member = value;
    changed_.notify_all();
  }

  mutable std::mutex mutex_;
  std::condition_variable changed_;
  bool available_ = true;
  std::vector<platform::DialupLink> links_;
  std::map<quint64, platform::DialupCounters> counters_;
  std::set<quint64> failingStatistics_;
  bool enumerationFailing_ = false;
  bool watchFailing_ = false;
  int pendingEvents_ = 0;
  bool endlessEvents_ = false;
  int wakes_ = 0;
  int enumerations_ = 0;
  int longestWaitMs_ = 0;
  bool watchOpen_ = false;
  std::vector<QString> hungUp_;
};

}  // namespace meterly::fakes
