#include "fakes/fake_icmp.h"

#include <QStringList>

#include <chrono>
#include <thread>

namespace meterly::fakes {

class FakeIcmpHandle : public platform::IcmpHandle {
 public:
  explicit FakeIcmpHandle(FakeIcmpService& service) : service_(service) {}

  std::optional<platform::EchoReply> SendEcho(quint32 destination, int ttl, int timeoutMs,
                                              const QByteArray& data) override {
    const FakeIcmpService::Request request{destination, ttl, timeoutMs, data, ++sequence_};
    {
      std::lock_guard lock(service_.mutex_);
      service_.requests_.push_back(request);
    }
    if (service_.holdMs > 0) std::this_thread::sleep_for(std::chrono::milliseconds(service_.holdMs));
    std::unique_lock lock(service_.mutex_);
    if (cancelled_) return std::nullopt;
    if (service_.responder) {
      lock.unlock();
      std::optional<platform::EchoReply> answer = service_.responder(request);
      if (answer) return answer;
      lock.lock();
    }
    if (service_.waitOutTimeouts) {
      service_.woken_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return cancelled_; });
    }
    return std::nullopt;
  }

  void Cancel() override {
    std::lock_guard lock(service_.mutex_);
    cancelled_ = true;
    ++service_.cancels_;
    service_.woken_.notify_all();
  }

 private:
  FakeIcmpService& service_;
  int sequence_ = 0;
  bool cancelled_ = false;  // guarded by the service's mutex
};

std::unique_ptr<platform::IcmpHandle> FakeIcmpService::Open(QString* error) {
  if (openFails || !unavailable.isEmpty()) {
    if (error != nullptr) *error = QStringLiteral("no ICMP channel (fake)");
    return nullptr;
  }
  std::lock_guard lock(mutex_);
  ++channels_;
  return std::make_unique<FakeIcmpHandle>(*this);
}

std::optional<quint32> FakeIcmpService::ResolveHost(const QString& host) {
  const auto named = hosts.find(host);
  if (named != hosts.end()) return named->second;
  const QStringList parts = host.split(QLatin1Char('.'));
  if (parts.size() != 4) return std::nullopt;
  quint32 address = 0;
  for (const QString& part : parts) {
    bool ok = false;
    const uint value = part.toUInt(&ok);
    if (!ok || value > 255) return std::nullopt;
    address = (address << 8) | value;
  }
  return address;
}

QString FakeIcmpService::HostNameOf(quint32 address) {
  const auto found = names.find(address);
  return found == names.end() ? QString() : found->second;
}

}  // namespace meterly::fakes
