#pragma once

#include "core/settings.h"
#include "platform/icmp.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QAction;

namespace meterly {

class TPingForm;
class TTraceRouteForm;

// The ping and trace route windows as the main form offers them: their tray actions, one
// window of each kind at a time, filled from the settings and writing them back on closing.
class TNetworkTools : public QObject {
  Q_OBJECT

 public:
  // saveSettings writes the process's settings to their store.
  TNetworkTools(platform::IcmpService& icmp, Settings& settings, std::function<void()> saveSettings,
                QObject* parent = nullptr);
  ~TNetworkTools() override;

  // Takes over the tray's ActionPing and ActionTraceRoute: they open the windows, and are
  // enabled only while ICMP echo is available.
  void AttachActions(QAction* actionPing, QAction* actionTraceRoute);

  // Opens the window, or brings the open one to the front.
  void ActionPingExecute();
  void ActionTraceRouteExecute();

  // The exit path: stops any running worker, so that none outlives the program, and closes the
  // windows, so that their values reach the settings.
  void StopWorkers();

  // The open windows, or nullptr.
  TPingForm* PingForm() const;
  TTraceRouteForm* TraceRouteForm() const;

 private:
  platform::IcmpService& icmp_;
  Settings& settings_;
  std::function<void()> saveSettings_;
  QPointer<TPingForm> pingForm_;
  QPointer<TTraceRouteForm> traceRouteForm_;
};

}  // namespace meterly
