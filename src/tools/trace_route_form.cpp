#include "tools/trace_route_form.h"

#include "tools/host_history.h"
#include "tools/tool_spin_boxes.h"
#include "tools/trace_thread.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QSpinBox>

namespace meterly {

TTraceRouteForm::TTraceRouteForm(platform::IcmpService& icmp, QWidget* parent)
    : TEchoToolForm({"TraceRouteForm", tr("Meterly 路由跟踪"), "TraceButton", tr("&Start Trace"), tr("&Stop Trace"),
                     TraceColumns()},
                    parent),
      TraceButton(&StartButton()),
      icmp_(icmp) {
  cbEnableResolving = new QCheckBox(tr("解析主机名"), this);
  cbEnableResolving->setObjectName(QStringLiteral("cbEnableResolving"));
  OptionsRow().insertWidget(0, cbEnableResolving);
  SpinTimeOut = AddSpinBox(OptionsRow(), "SpinTimeOut", tr("超时 (ms):"), kTimeOutRange);
}

void TTraceRouteForm::LoadSettings(const TraceRouteSettings& settings) {
  cbEnableResolving->setChecked(settings.EnableResolving);
  SpinTimeOut->setValue(settings.TimeOut);
  SetHostHistory(HostHistoryFromSetting(settings.HostName));
}

void TTraceRouteForm::SaveSettings(TraceRouteSettings& settings) const {
  settings.EnableResolving = cbEnableResolving->isChecked();
  settings.TimeOut = static_cast<qint16>(SpinTimeOut->value());
  settings.HostName = HostHistoryToSetting(HostHistory());
}

std::unique_ptr<TEchoThread> TTraceRouteForm::CreateWorker(const QString& host) {
  return std::make_unique<TTraceThread>(
      icmp_, TraceRequest{host, static_cast<quint16>(SpinTimeOut->value()), cbEnableResolving->isChecked()});
}

}  // namespace meterly
