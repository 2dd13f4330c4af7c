#include "tools/network_tools.h"

#include "tools/ping_form.h"
#include "tools/trace_route_form.h"

#include <QAction>

namespace meterly {
namespace {

void BringToFront(QWidget& window) {
  window.show();
  window.raise();
  window.activateWindow();
}

// Opens the window of a tool or brings the open one to the front. The window is modal to the
// whole program, without a nested event loop of its own; once closed it writes its values back
// to the settings, is freed and the settings are saved.
template <typename Form, typename ToolSettings>
void OpenTool(QPointer<Form>& form, platform::IcmpService& icmp, ToolSettings& toolSettings, bool gridLines,
              QObject* context, const std::function<void()>& saveSettings) {
  if (form) {
    BringToFront(*form);
    return;
  }
  Form* opened = new Form(icmp);
  form = opened;
  opened->LoadSettings(toolSettings);
  opened->SetGridLines(gridLines);
  opened->setWindowModality(Qt::ApplicationModal);
  QObject::connect(opened, &QDialog::finished, context, [opened, &form, &toolSettings, saveSettings] {
    opened->SaveSettings(toolSettings);
    if (form == opened) form.clear();
    opened->deleteLater();
    saveSettings();
  });
  BringToFront(*opened);
}

}  // namespace

TNetworkTools::TNetworkTools(platform::IcmpService& icmp, Settings& settings, std::function<void()> saveSettings,
                             QObject* parent)
    : QObject(parent), icmp_(icmp), settings_(settings), saveSettings_(std::move(saveSettings)) {}

TNetworkTools::~TNetworkTools() {
  delete pingForm_.data();
  delete traceRouteForm_.data();
}

void TNetworkTools::AttachActions(QAction* actionPing, QAction* actionTraceRoute) {
  const bool available = icmp_.Available();
  actionPing->setEnabled(available);
  actionTraceRoute->setEnabled(available);
  connect(actionPing, &QAction::triggered, this, &TNetworkTools::ActionPingExecute);
  connect(actionTraceRoute, &QAction::triggered, this, &TNetworkTools::ActionTraceRouteExecute);
}

void TNetworkTools::ActionPingExecute() {
  OpenTool(pingForm_, icmp_, settings_.Ping, settings_.EnableGridLines, this, saveSettings_);
}

void TNetworkTools::ActionTraceRouteExecute() {
  OpenTool(traceRouteForm_, icmp_, settings_.TraceRoute, settings_.EnableGridLines, this, saveSettings_);
}

TPingForm* TNetworkTools::PingForm() const { return pingForm_; }

TTraceRouteForm* TNetworkTools::TraceRouteForm() const { return traceRouteForm_; }

void TNetworkTools::StopWorkers() {
  if (pingForm_) pingForm_->close();
  if (traceRouteForm_) traceRouteForm_->close();
}

}  // namespace meterly
