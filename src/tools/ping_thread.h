#pragma once

#include "tools/echo_thread.h"
#include "tools/ping_run.h"

namespace meterly {

// The ping window's worker.
class TPingThread : public TEchoThread {
  Q_OBJECT

 public:
  TPingThread(platform::IcmpService& icmp, PingRequest request) : TEchoThread(icmp), request_(std::move(request)) {}

 protected:
  int Execute(platform::IcmpService& icmp, EchoStop& stop, const RowSink& show) override {
    return RunPing(icmp, request_, stop, show);
  }

 private:
  const PingRequest request_;
};

}  // namespace meterly
