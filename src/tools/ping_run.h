#pragma once

#include "tools/echo_run.h"

namespace meterly {

// The time-to-live of every ping request; the TTL column shows it for each reply.
constexpr int kPingTtl = 64;

struct PingRequest {
  QString Host;
  quint16 TimeOut = 1000;  // ms per request
  quint16 Attempts = 3;
};

// The captions of the ping list's columns.
QStringList PingColumns();

// The row of attempt n: a reply (status 0) with address, round-trip time and TTL; anything
// else, a time-exceeded answer included, with its status text; nullopt reads "No reply from host".
TToolRow PingRow(int n, const std::optional<platform::EchoReply>& answer);

// The ping worker's run: resolves the host, sends the attempts one after the other and hands
// each row to `show`. Returns an EchoReturnCode.
int RunPing(platform::IcmpService& icmp, const PingRequest& request, EchoStop& stop, const RowSink& show);

}  // namespace meterly
