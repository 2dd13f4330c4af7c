#include "tools/trace_run.h"

#include "tools/icmp_status_text.h"

#include <QCoreApplication>
#include <QHostAddress>

namespace meterly {
namespace {

bool IsRouterOrDestination(const std::optional<platform::EchoReply>& answer) {
  return answer &&
         (answer->status == platform::IcmpStatus::Success || answer->status == platform::IcmpStatus::TtlExpiredTransit);
}

TToolRow FailureRow(const QString& caption, const QString& text) {
  return {caption, {text, QString(), QString()}, RowImage::Failure};
}

}  // namespace

QStringList TraceColumns() {
  return {QCoreApplication::translate("TraceRun", "酒花"), QCoreApplication::translate("TraceRun", "地址"),
          QCoreApplication::translate("TraceRun", "主机名"), QCoreApplication::translate("TraceRun", "响应时间")};
}

int RunTrace(platform::IcmpService& icmp, const TraceRequest& request, EchoStop& stop, const RowSink& show) {
  EchoSetUp setUp(icmp, request.Host, stop);
  if (setUp.ReturnCode != EchoReturnCode::Done) return setUp.ReturnCode;
  for (int hop = 1; hop <= kMaxHops && !stop.Stopped(); ++hop) {
    const QString caption = QString::number(hop);
    const std::optional<platform::EchoReply> answer =
        setUp.Handle->SendEcho(setUp.Destination, hop, request.TimeOut, EchoRequestData());
    if (stop.Stopped()) break;
    if (!answer) {
      show(FailureRow(caption, QCoreApplication::translate("TraceRun", "No reply from host")));
      continue;
    }
    if (!IsRouterOrDestination(answer)) {
      show(FailureRow(caption, IcmpStatusText(answer->status)));
      continue;
    }
    const QString hostName = request.Resolving ? icmp.HostNameOf(answer->address) : QString();
    show({caption, {QHostAddress(answer->address).toString(), hostName, RoundTripText(answer->roundTripMs)}});
    if (answer->address == setUp.Destination) {
      show({caption,
            {QCoreApplication::translate("TraceRun", "Trace complete"), QString(), QString()},
            RowImage::TraceComplete});
      break;
    }
  }
  return stop.Stopped() ? EchoReturnCode::Stopped : EchoReturnCode::Done;
}

}  // namespace meterly
