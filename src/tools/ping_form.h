#pragma once

#include "core/settings.h"
#include "tools/echo_tool_form.h"

class QSpinBox;

namespace meterly {

// "Meterly Ping": echo requests to one host, one row per attempt.
class TPingForm : public TEchoToolForm {
  Q_OBJECT

 public:
  TPingForm(platform::IcmpService& icmp, QWidget* parent = nullptr);

  void LoadSettings(const PingSettings& settings);
  void SaveSettings(PingSettings& settings) const;

  QPushButton* PingButton;
  QSpinBox* SpinAttempts;
  QSpinBox* SpinTimeOut;

 protected:
  std::unique_ptr<TEchoThread> CreateWorker(const QString& host) override;

 private:
  platform::IcmpService& icmp_;
};

}  // namespace meterly
