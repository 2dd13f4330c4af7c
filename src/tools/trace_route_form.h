#pragma once

#include "core/settings.h"
#include "tools/echo_tool_form.h"

class QCheckBox;
class QSpinBox;

namespace meterly {

// "Meterly 路由跟踪": every router on the way to a host, one row per hop.
class TTraceRouteForm : public TEchoToolForm {
  Q_OBJECT

 public:
  TTraceRouteForm(platform::IcmpService& icmp, QWidget* parent = nullptr);

  void LoadSettings(const TraceRouteSettings& settings);
  void SaveSettings(TraceRouteSettings& settings) const;

  QPushButton* TraceButton;
  QCheckBox* cbEnableResolving;
  QSpinBox* SpinTimeOut;

 protected:
  std::unique_ptr<TEchoThread> CreateWorker(const QString& host) override;

 private:
  platform::IcmpService& icmp_;
};

}  // namespace meterly
