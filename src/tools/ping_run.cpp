#include "tools/ping_run.h"

#include "tools/icmp_status_text.h"

#include <QCoreApplication>
#include <QHostAddress>

namespace meterly {

QStringList PingColumns() {
  return {QStringLiteral("#"), QCoreApplication::translate("PingRun", "IP地址"),
          QCoreApplication::translate("PingRun", "响应时间"),
          QCoreApplication::translate("PingRun", "晶体管晶体管逻辑")};
}

TToolRow PingRow(int n, const std::optional<platform::EchoReply>& answer) {
  const QString caption = QString::number(n);
  if (!answer)
    return {caption,
            {QCoreApplication::translate("PingRun", "No reply from host"), QString(), QString()},
            RowImage::Failure};
  if (answer->status != platform::IcmpStatus::Success) {
    return {caption, {IcmpStatusText(answer->status), QString(), QString()}, RowImage::Failure};
  }
  return {caption,
          {QHostAddress(answer->address).toString(), RoundTripText(answer->roundTripMs), QString::number(kPingTtl)},
          RowImage::Reply};
}

int RunPing(platform::IcmpService& icmp, const PingRequest& request, EchoStop& stop, const RowSink& show) {
  EchoSetUp setUp(icmp, request.Host, stop);
  if (setUp.ReturnCode != EchoReturnCode::Done) return setUp.ReturnCode;
  for (int n = 1; n <= request.Attempts && !stop.Stopped(); ++n) {
    const std::optional<platform::EchoReply> answer =
        setUp.Handle->SendEcho(setUp.Destination, kPingTtl, request.TimeOut, EchoRequestData());
    // A wait cut short by the stop is no answer from the host.
    if (stop.Stopped()) break;
    show(PingRow(n, answer));
  }
  return stop.Stopped() ? EchoReturnCode::Stopped : EchoReturnCode::Done;
}

}  // namespace meterly
