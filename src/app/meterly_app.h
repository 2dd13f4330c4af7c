#pragma once

#include "core/settings.h"
#include "core/settings_store.h"
#include "platform/platform.h"

#include <QObject>

#include <memory>
#include <optional>

class QMenu;
class QSystemTrayIcon;

namespace meterly {

// The running program: start-up, the tray icon and the one exit path.
class MeterlyApp : public QObject {
  Q_OBJECT

 public:
  explicit MeterlyApp(platform::Platform& platform, QObject* parent = nullptr);
  ~MeterlyApp() override;

  // Runs the start-up steps. Returns the exit code when the process should end now.
  std::optional<int> Start();

  // Hides the tray icon, saves the settings and ends the event loop.
  void ExitApplication();

  const Settings& settings() const { return settings_; }

 private:
  void loadSettings();
  void saveSettings();
  void createTrayIcon();
  void showStartupProblem(const QString& message);

  platform::Platform& platform_;
  std::unique_ptr<SettingsStore> store_;
  Settings settings_;
  bool settingsSavable_ = true;
  bool terminating_ = false;
  std::unique_ptr<QMenu> trayMenu_;
  QSystemTrayIcon* trayIcon_ = nullptr;
};

}  // namespace meterly
