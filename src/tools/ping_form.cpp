#include "tools/ping_form.h"

#include "tools/host_history.h"
#include "tools/ping_thread.h"
#include "tools/tool_spin_boxes.h"

#include <QHBoxLayout>
#include <QSpinBox>

namespace meterly {

TPingForm::TPingForm(platform::IcmpService& icmp, QWidget* parent)
    : TEchoToolForm(
          {"PingForm", tr("Meterly Ping"), "PingButton", tr("开始 Ping(&P)"), tr("停止 Ping(&P)"), PingColumns()},
          parent),
      PingButton(&StartButton()),
      icmp_(icmp) {
  SpinAttempts = AddSpinBox(OptionsRow(), "SpinAttempts", tr("次数:"), kAttemptsRange);
  SpinTimeOut = AddSpinBox(OptionsRow(), "SpinTimeOut", tr("超时 (ms):"), kTimeOutRange);
}

void TPingForm::LoadSettings(const PingSettings& settings) {
  SpinAttempts->setValue(settings.EchoPackets);
  SpinTimeOut->setValue(settings.TimeOut);
  SetHostHistory(HostHistoryFromSetting(settings.HostName));
}

void TPingForm::SaveSettings(PingSettings& settings) const {
  settings.EchoPackets = static_cast<qint16>(SpinAttempts->value());
  settings.TimeOut = static_cast<qint16>(SpinTimeOut->value());
  settings.HostName = HostHistoryToSetting(HostHistory());
}

std::unique_ptr<TEchoThread> TPingForm::CreateWorker(const QString& host) {
  return std::make_unique<TPingThread>(icmp_, PingRequest{host, static_cast<quint16>(SpinTimeOut->value()),
                                                          static_cast<quint16>(SpinAttempts->value())});
}

}  // namespace meterly
