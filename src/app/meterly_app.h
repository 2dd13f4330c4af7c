#pragma once

#include "core/command_line.h"
#include "core/settings.h"
#include "core/settings_store.h"
#include "platform/platform.h"

#include <QObject>

#include <functional>
#include <memory>
#include <optional>

namespace meterly {

class TGraphForm;
class TMainMeterlyForm;

// The process: the checks before anything is created, the settings, the main form, the exit.
class MeterlyApp : public QObject {
  Q_OBJECT

 public:
  MeterlyApp(platform::Platform& platform, CommandLineSwitches switches, QObject* parent = nullptr);
  ~MeterlyApp() override;

  // Runs the start-up steps. Returns the exit code when the process should end now, before
  // the event loop.
  std::optional<int> Start();

  // The exit path of the running program (also for the end of the desktop session).
  void ExitApplication();

  TMainMeterlyForm* MainForm() { return mainForm_.get(); }
  TGraphForm* GraphForm() { return graphForm_.get(); }

 private:
  void LoadSettings();
  void ShowStartupProblem(const QString& message);
  // A start-up step that may fail on its own: reported, and the start goes on.
  void StartupStep(const std::function<void()>& step);

  platform::Platform& platform_;
  CommandLineSwitches switches_;
  std::unique_ptr<SettingsStore> store_;
  Settings settings_;
  // Declared first so that it outlives the form that drives it.
  std::unique_ptr<TGraphForm> graphForm_;
  std::unique_ptr<TMainMeterlyForm> mainForm_;
};

}  // namespace meterly
