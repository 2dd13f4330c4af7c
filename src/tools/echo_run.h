#pragma once

#include "platform/icmp.h"
#include "tools/tool_row.h"

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>

namespace meterly {

// How a ping or trace run ended.
namespace EchoReturnCode {
constexpr int Done = 0;
constexpr int HostNotResolved = 1;
constexpr int Stopped = 2;
constexpr int NoHandle = 3;
}  // namespace EchoReturnCode

// Hands a finished row to the window; must not wait for the window to show it.
using RowSink = std::function<void(const TToolRow&)>;

// The 32 data bytes of every echo request.
QByteArray EchoRequestData();

// "<n> ms".
QString RoundTripText(quint32 milliseconds);

// The request to stop a run, from any thread: it also wakes the wait for an answer.
class EchoStop {
 public:
  void Stop();
  bool Stopped() const { return stopped_; }

  // While attached, Stop cancels the channel's wait.
  void Attach(platform::IcmpHandle* handle);

 private:
  std::mutex mutex_;
  std::atomic<bool> stopped_{false};
  platform::IcmpHandle* handle_ = nullptr;
};

// Name resolution and a channel: the set-up both tools share. ReturnCode is Done when both
// worked; the channel is attached to the stop request for the life of the set-up.
class EchoSetUp {
 public:
  EchoSetUp(platform::IcmpService& icmp, const QString& host, EchoStop& stop);
  ~EchoSetUp();
  EchoSetUp(const EchoSetUp&) = delete;
  EchoSetUp& operator=(const EchoSetUp&) = delete;

  int ReturnCode = EchoReturnCode::Done;
  quint32 Destination = 0;
  std::unique_ptr<platform::IcmpHandle> Handle;

 private:
  EchoStop& stop_;
};

}  // namespace meterly
