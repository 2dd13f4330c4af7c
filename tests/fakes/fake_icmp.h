#pragma once

#include "platform/icmp.h"

#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <vector>

namespace meterly::fakes {

// Scripted ICMP echo for the tools. The tools call it from their worker threads: script it
// before a run starts and read what it saw through the locked accessors.
class FakeIcmpService : public platform::IcmpService {
 public:
  struct Request {
    quint32 destination = 0;
    int ttl = 0;
    int timeoutMs = 0;
    QByteArray data;
    int sequence = 0;  // 1, 2, ... per channel
  };
  // The answer to a request; nullopt when nothing answers.
  using Responder = std::function<std::optional<platform::EchoReply>(const Request&)>;

  QString UnavailableReason() const override { return unavailable; }
  std::unique_ptr<platform::IcmpHandle> Open(QString* error = nullptr) override;
  std::optional<quint32> ResolveHost(const QString& host) override;
  QString HostNameOf(quint32 address) override;

  // Every request sent so far, in order.
  std::vector<Request> Requests() const { return Get(requests_); }
  int ChannelsOpened() const { return Get(channels_); }
  int Cancels() const { return Get(cancels_); }

  QString unavailable;               // when set, the service says it cannot send
  bool openFails = false;            // open() gives no channel
  std::map<QString, quint32> hosts;  // names that resolve; dotted addresses always resolve to themselves
  std::map<quint32, QString> names;  // reverse lookups
  Responder responder;               // none: nothing ever answers
  bool waitOutTimeouts = false;      // with no answer, block for the timeout unless cancelled, as the kernel does
  int holdMs = 0;                    // every request blocks this long first, cancelled or not

 private:
  friend class FakeIcmpHandle;

  template <typename T>
  T Get(const T& member) const {
    std::lock_guard lock(mutex_);
    return member;
  }

  mutable std::mutex mutex_;
  std::condition_variable woken_;
  std::vector<Request> requests_;
  int channels_ = 0;
  int cancels_ = 0;
};

}  // namespace meterly::fakes
