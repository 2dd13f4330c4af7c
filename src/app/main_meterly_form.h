#pragma once

#include "alerts/quota.h"
#include "alerts/quota_overuse_check.h"
#include "alerts/traffic_notification.h"
#include "app/problem_report.h"
#include "core/command_line.h"
#include "core/main_tick.h"
#include "core/settings.h"
#include "core/settings_store.h"
#include "core/traffic_sources.h"
#include "display/tray_icon.h"
#include "platform/platform.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <memory>

class QAction;
class QMenu;
class QSystemTrayIcon;

namespace meterly {

class TAboutWindow;
class TDiskDB;
class TGraphComm;
class TGraphFeed;
class TGraphForm;
class TNetStatTool;
class TNetworkTools;
class TOnlineVersionCheck;
class TQuotaForm;
class TRasLogger;
class TSettingsWindow;
class TSpeedMeters;
class TStatisticsWindows;

// The main form: owner of the tray icon and its menu, the source list, the one-second tick and
// the settings window; the place where every live feature is created, fed and taken down.
class TMainMeterlyForm : public QObject, private TickHandover, private TrayIconHost {
  Q_OBJECT

 public:
  TMainMeterlyForm(platform::Platform& platform, Settings& settings, SettingsStore& store,
                   const CommandLineSwitches& switches, QObject* parent = nullptr);
  ~TMainMeterlyForm() override;

  // Takes the floating graph window, created right after this form, into the wiring.
  void AttachGraphForm(TGraphForm& graphForm);

  // Pushes the settings into the running parts.
  void ApplySettings();

  // The one exit path: the tray menu's Exit (interactive) and the end of the desktop session.
  // Every step is tried whatever the others did, and the form always closes.
  void ExitApplication(bool interactive = true);

  // Flips the check mark of the graph item, then shows or closes the floating graph window.
  void ActionToggleGraph();

  // Empties the graphs and tells external viewers so.
  void ActionResetGraph();

  // The tray item and the hot key: switches click-through while opacity is on, else nothing.
  void ActionToggleClickThrough();

  // Asks, then brings the graph window back to its first-start place and size.
  void ButtonResetGraphClick();

  // Opens the quota window modally, then saves the settings.
  void ActionQuota();
  TTrafficNotification& Notification() { return notification_; }

  TSettingsWindow& SettingsWindow() { return *settingsWindow_; }
  MainTick& Tick() { return tick_; }
  const TrafficSources& Sources() const { return sources_; }
  TDiskDB* UsageDatabase() { return DiskDB.get(); }
  TTrayIcon& TrayIcon() { return *trayIcon_; }
  TTrayMenu& TrayMenu() { return trayIcon_->TrayMenu(); }
  bool Terminating() const { return terminating_; }

 Q_SIGNALS:
  // Emitted when the form has closed for good; the process ends.
  void closed();

 private:
  // Creation steps, in their order.
  void FormCreate();
  void CreateTrayIcon();
  TrayMenuConditions CurrentTrayMenuConditions() const;
  void CreateActions();
  void BuildSourceList();
  void OpenUsageDatabase();
  void ShowPresenceBalloon();
  void CreateGraphActions();
  QAction* AddAction(const char* name, const QString& caption, bool checkable);
  void CreateGraphFeed();
  void CreateDialupLogger();
  void StopDialupLogger();
  void CreateVersionChecker();
  void CreateNetworkTools(const TrayMenuActions& actions);
  void CreateNetStat(const TrayMenuActions& actions);
  void CreateSpeedMeters(const TrayMenuActions& actions);
  void StartupVersionCheck();
  void InteractiveVersionCheck();

  // Settings window.
  void SettingsWindowShowing();
  void AcceptSettings(bool closeWindow);
  void ActionSettings();
  void ActionHelp();
  void ActionAbout();
  void ActionUsageStats();

  // The graph window.
  void ApplyGraphSettings();
  void RegisterClickThroughHotKey();
  void ToggleGraphExecute(bool checked);
  void GraphFormClosed();

  // Tick hand-over steps that live here.
  void GraphAddSample(quint32 in, quint32 out) override;
  void FeedPublish(quint32 in, quint32 out) override;
  void TrayGraphStep() override;
  void CheckQuotaOveruse() override;
  void NotificationStep(quint32 in, quint32 out) override;
  void RefreshTooltip() override;
  void AdapterListRebuilt() override;
  void AddData(quint32 dialupSeconds, quint64 in, quint64 out) override;
  void FlushPending() override;
  bool PendingHourEnded() override;
  bool IsDialupActive() override;
  void SpeedMeterStep(quint64 in, quint64 out) override;
  void TickStepFailed(TickStep step, const QString& message) override;

  // The tray icon as the tick sees it.
  bool IsTrayIconShown() override;
  bool TryShowTrayIcon() override;
  void TrayIconFailedForGood() override;

  void SaveSettings();
  // The steps shared by both ends of the program: the last reading, the last write, the
  // settings, the windows; each is tried whatever the others did.
  void Shutdown(bool saveSettings, ProblemBox problemBox);
  void ShowError(const QString& message);
  TTrafficNotification::Hooks NotificationHooks();
  void HangUpDialup();

  platform::Platform& platform_;
  Settings& settings_;
  SettingsStore& store_;
  CommandLineSwitches switches_;
  TrafficSources sources_;
  MainTick tick_;
  std::unique_ptr<TDiskDB> DiskDB;
  QString recordingProblem_;  // why usage is not being recorded, when it is not
  TQuotaSetup QuotaSetup;
  QuotaOveruseCheck quotaOveruseCheck_;
  TTrafficNotification notification_;
  QPointer<TQuotaForm> quotaForm_;  // while the quota window is open
  std::unique_ptr<TGraphFeed> graphFeed_;
  std::unique_ptr<TGraphComm> graphComm_;
  bool RasAvailable = true;  // the dial-up logger could be created
  std::unique_ptr<TRasLogger> RasLogger;
  std::unique_ptr<TOnlineVersionCheck> versionCheck_;
  std::unique_ptr<TAboutWindow> aboutWindow_;
  QTimer Timer;
  bool terminating_ = false;
  std::unique_ptr<TSettingsWindow> settingsWindow_;
  TrayTextCache trayText_;
  std::unique_ptr<TTrayIcon> trayIcon_;
  std::unique_ptr<TNetworkTools> networkTools_;
  std::unique_ptr<TNetStatTool> netStat_;
  std::unique_ptr<TSpeedMeters> speedMeters_;
  std::unique_ptr<TStatisticsWindows> statisticsWindows_;
  TGraphForm* GraphForm = nullptr;  // owned by the application, from start-up to exit
  QAction* actionToggleGraph_ = nullptr;
  QAction* actionResetGraph_ = nullptr;
  QAction* actionToggleClickThrough_ = nullptr;
  QAction* actionSettings_ = nullptr;
  QAction* actionHelp_ = nullptr;
  QAction* actionAbout_ = nullptr;
  QAction* actionExit_ = nullptr;
  QAction* actionUsageStats_ = nullptr;
  QAction* actionQuota_ = nullptr;
};

}  // namespace meterly
