#pragma once

#include "tools/echo_run.h"

namespace meterly {

// The last time-to-live a trace tries.
constexpr int kMaxHops = 255;

struct TraceRequest {
  QString Host;
  quint16 TimeOut = 1000;  // ms per hop
  bool Resolving = true;   // look up the host name of every hop
};

// The captions of the trace list's columns.
QStringList TraceColumns();

// The trace worker's run: resolves the host, then sends one request per hop with a rising
// time-to-live until the destination answers, handing each row to `show`. Returns an
// EchoReturnCode.
int RunTrace(platform::IcmpService& icmp, const TraceRequest& request, EchoStop& stop, const RowSink& show);

}  // namespace meterly
