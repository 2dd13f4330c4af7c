#pragma once

#include "tools/echo_thread.h"
#include "tools/trace_run.h"

namespace meterly {

// The trace route window's worker.
class TTraceThread : public TEchoThread {
  Q_OBJECT

 public:
  TTraceThread(platform::IcmpService& icmp, TraceRequest request) : TEchoThread(icmp), request_(std::move(request)) {}

 protected:
  int Execute(platform::IcmpService& icmp, EchoStop& stop, const RowSink& show) override {
    return RunTrace(icmp, request_, stop, show);
  }

 private:
  const TraceRequest request_;
};

}  // namespace meterly
