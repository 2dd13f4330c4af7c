#include "app/main_meterly_form.h"

#include "alerts/notifications_page.h"
#include "alerts/quota_form.h"
#include "alerts/ras_connections.h"
#include "alerts/ras_logger.h"
#include "alerts/timed_message.h"
#include "app/app_icon.h"
#include "app/display_session.h"
#include "app/graph_view_page.h"
#include "app/session_notice.h"
#include "app/settings_window.h"
#include "app/speed_meters.h"
#include "app/statistics_windows.h"
#include "base/date_serial.h"
#include "base/exception_message.h"
#include "core/settings_mapping.h"
#include "core/shortcut.h"
#include "display/graph_form.h"
#include "display/graph_settings.h"
#include "display/graph_window_rules.h"
#include "display/histogram.h"
#include "feed/graph_comm.h"
#include "feed/graph_feed.h"
#include "reports/report_table.h"
#include "reports/table_export.h"
#include "store/open_usage_database.h"
#include "tools/net_stat_tool.h"
#include "tools/network_tools.h"
#include "ui/about_window.h"
#include "update/online_version_check.h"

#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSystemTrayIcon>

#include <functional>

namespace meterly {

namespace {

constexpr int kTickMs = 1000;
const QString kManualUrl = QStringLiteral("https://www.corvane.com/products/meterly/manual/");

}  // namespace

TMainMeterlyForm::TMainMeterlyForm(platform::Platform& platform, Settings& settings, SettingsStore& store,
                                   const CommandLineSwitches& switches, QObject* parent)
    : QObject(parent),
      platform_(platform),
      settings_(settings),
      store_(store),
      switches_(switches),
      sources_(platform.interfaceTable(), platform.addressTable()),
      tick_(settings, sources_, platform.addressChangeWatch(), *this, *this),
      QuotaSetup(settings, platform.clock(), [this] { return UsageDatabase(); }),
      quotaOveruseCheck_(settings, QuotaSetup, platform.clock(), AnyTimedMessageOpen,
                         RemindWindowOpener(platform.Power()), [this] { SaveSettings(); }),
      notification_(settings, platform.Sound(), platform.shell(), platform.Power(), NotificationHooks()) {
  FormCreate();
}

TMainMeterlyForm::~TMainMeterlyForm() {
  Timer.stop();
  // Later features are taken down here in reverse order of creation: the dial-up logger, the
  // tray graph, the hot key. Amounts still pending are written by the exit path, not here.
  StopDialupLogger();
  DiskDB.reset();
  graphFeed_.reset();
  graphComm_.reset();
}

void TMainMeterlyForm::FormCreate() {
  CreateActions();
  CreateTrayIcon();
  settingsWindow_ = std::make_unique<TSettingsWindow>();
  settingsWindow_->PrepareControls();
  settingsWindow_->AttachNotifications(&notification_);
  TrayIcon().SetToolTip(QStringLiteral("Meterly"));
  tick_.ClearHistories();
  BuildSourceList();
  OpenUsageDatabase();
  settingsWindow_->SettingsToControls(settings_);
  // Shown once the event loop runs, like a message posted to ourselves.
  if (switches_.Hello) QTimer::singleShot(0, this, &TMainMeterlyForm::ShowPresenceBalloon);
  CreateGraphFeed();
  CreateDialupLogger();
  CreateVersionChecker();

  connect(settingsWindow_.get(), &TSettingsWindow::aboutToShow, this, &TMainMeterlyForm::SettingsWindowShowing);
  connect(settingsWindow_.get(), &TSettingsWindow::okClicked, this, [this] { AcceptSettings(true); });
  connect(settingsWindow_.get(), &TSettingsWindow::applyClicked, this, [this] { AcceptSettings(false); });
  connect(settingsWindow_.get(), &TSettingsWindow::helpClicked, this, &TMainMeterlyForm::ActionHelp);
  connect(settingsWindow_.get(), &TSettingsWindow::resetGraphClicked, this, &TMainMeterlyForm::ButtonResetGraphClick);
  connect(&platform_.globalHotKey(), &platform::GlobalHotKey::activated, this,
          &TMainMeterlyForm::ActionToggleClickThrough);

  Timer.setInterval(kTickMs);
  connect(&Timer, &QTimer::timeout, this, [this] { tick_.TimerTimer(); });
  Timer.start();
}

void TMainMeterlyForm::CreateTrayIcon() {
  TrayMenuActions actions{actionToggleGraph_, actionResetGraph_, actionToggleClickThrough_};
  actions.ActionSettings = actionSettings_;
  actions.ActionHelp = actionHelp_;
  actions.ActionAbout = actionAbout_;
  actions.ActionExit = actionExit_;
  actions.ActionUsageStats = actionUsageStats_;
  actions.ActionQuota = actionQuota_;
  CreateActionsOfMissingWindows(actions, this);
  CreateNetworkTools(actions);
  CreateNetStat(actions);
  CreateSpeedMeters(actions);
  if (switches_.ReadOnly) ApplyReadOnlyMode(actions);
  trayIcon_ = std::make_unique<TTrayIcon>(
      platform_.TrayState(), settings_, actions, MeterlyIcon(),
      [this] { return trayText_.Text(settings_, CurrentTrayFigures(settings_, tick_, DiskDB.get())); },
      [this] { return CurrentTrayMenuConditions(); }, this);
  // A failure here is left to the tick, which tries again every second.
  TryShowTrayIcon();
}

TrayMenuConditions TMainMeterlyForm::CurrentTrayMenuConditions() const {
  return {GraphForm != nullptr && GraphForm->GraphVisible(), TrayIconShowsGraph(settings_),
          settings_.EnableTransparent};
}

void TMainMeterlyForm::CreateActions() {
  CreateGraphActions();
  actionSettings_ = AddAction("ActionSettings", tr("设置(&S)", "tray menu"), false);
  connect(actionSettings_, &QAction::triggered, this, &TMainMeterlyForm::ActionSettings);
  actionHelp_ = AddAction("ActionHelp", tr("帮助(&H)", "tray menu"), false);
  connect(actionHelp_, &QAction::triggered, this, &TMainMeterlyForm::ActionHelp);
  actionAbout_ = AddAction("ActionAbout", tr("关于 Meterly(&B)", "tray menu"), false);
  connect(actionAbout_, &QAction::triggered, this, &TMainMeterlyForm::ActionAbout);
  actionExit_ = AddAction("ActionExit", tr("退出(&E)", "tray menu"), false);
  connect(actionExit_, &QAction::triggered, this, [this] { ExitApplication(true); });
  actionUsageStats_ = AddAction("ActionUsageStats", tr("使用统计(&U)", "tray menu"), false);
  connect(actionUsageStats_, &QAction::triggered, this, &TMainMeterlyForm::ActionUsageStats);
  statisticsWindows_ = std::make_unique<TStatisticsWindows>();
  actionQuota_ = AddAction("ActionQuota", tr("配额(&Q)", "tray menu"), false);
  connect(actionQuota_, &QAction::triggered, this, &TMainMeterlyForm::ActionQuota);
}

// The actions belong to the form, so that every menu offering them shows the same state.
QAction* TMainMeterlyForm::AddAction(const char* name, const QString& caption, bool checkable) {
  auto* action = new QAction(caption, this);
  action->setObjectName(QLatin1String(name));
  action->setCheckable(checkable);
  return action;
}

void TMainMeterlyForm::CreateGraphActions() {
  actionToggleGraph_ = AddAction("ActionToggleGraph", tr("图表(&G)", "tray menu"), true);
  connect(actionToggleGraph_, &QAction::triggered, this, &TMainMeterlyForm::ToggleGraphExecute);
  actionResetGraph_ = AddAction("ActionResetGraph", tr("重置图形(&R)", "tray menu"), false);
  connect(actionResetGraph_, &QAction::triggered, this, &TMainMeterlyForm::ActionResetGraph);
  // Its check mark shows the setting: the handler sets it, whatever the click did.
  actionToggleClickThrough_ = AddAction("ActionToggleClickThrough", tr("启用图示 单击-贯穿的(&C)", "tray menu"), true);
  connect(actionToggleClickThrough_, &QAction::triggered, this, &TMainMeterlyForm::ActionToggleClickThrough);
}

void TMainMeterlyForm::AttachGraphForm(TGraphForm& graphForm) {
  GraphForm = &graphForm;
  connect(GraphForm, &TGraphForm::closed, this, &TMainMeterlyForm::GraphFormClosed);
  connect(GraphForm, &TGraphForm::menuRequested, this, [this](const QPoint& at) { TrayMenu().popup(at); });
}

void TMainMeterlyForm::BuildSourceList() {
  try {
    sources_.BuildAdapterList();
    sources_.UpdateAdapterAddresses();
    settingsWindow_->FillInterfaceCombo(sources_.Adapters());
  } catch (const std::exception& error) {
    ShowError(tr("Unable to enumerate network connections: %1").arg(QString::fromUtf8(error.what())));
  }
}

void TMainMeterlyForm::OpenUsageDatabase() {
  try {
    const QString notice = meterly::OpenUsageDatabase(platform_, settings_, DiskDB);
    if (!notice.isEmpty()) ReportProblem(notice, ProblemBox::Detached, QMessageBox::Information);
  } catch (const std::exception& error) {
    // Live speeds go on without the record; the file itself is left exactly as it was.
    if (!DiskDB) {
      recordingProblem_ = QString::fromUtf8(error.what());
      TrayIcon().SetToolTip(tr("Meterly\nUsage is not being recorded"));
      ShowError(tr("%1\n\nMeterly goes on showing live speeds, but usage is not being recorded until the database "
                   "can be opened.")
                    .arg(recordingProblem_));
      return;
    }
    ShowError(QString::fromUtf8(error.what()));
  }
}

void TMainMeterlyForm::AddData(quint32 dialupSeconds, quint64 in, quint64 out) {
  if (!DiskDB) return;
  TSQLiteDB::LockGuard lock(*DiskDB);
  DiskDB->AddData(dialupSeconds, static_cast<qint64>(in), static_cast<qint64>(out));
}

void TMainMeterlyForm::FlushPending() {
  if (DiskDB) DiskDB->FlushPending();
}

bool TMainMeterlyForm::PendingHourEnded() { return DiskDB && DiskDB->PendingHourEnded(); }

void TMainMeterlyForm::TickStepFailed(TickStep step, const QString& message) {
  const bool recording = step == TickStep::Record || step == TickStep::Flush;
  const QString what = recording ? tr("Usage could not be written; it is kept and written again later: %1")
                                 : tr("A part of Meterly failed; the monitor goes on: %1");
  ReportProblem(what.arg(message), ProblemBox::Detached, QMessageBox::Warning);
}

void TMainMeterlyForm::CreateGraphFeed() {
  // The live figures for other programs. Without them the monitor still works, so a failure
  // is reported once and the program goes on without the feed.
  try {
    graphFeed_ = std::make_unique<TGraphFeed>(platform_.sharedMemory(), platform_.clock());
    graphComm_ = std::make_unique<TGraphComm>(platform_.sharedMemory());
  } catch (const std::exception& error) {
    graphFeed_.reset();
    graphComm_.reset();
    ShowError(tr("The live figures cannot be published for other programs: %1").arg(QString::fromUtf8(error.what())));
  }
}

// Without dial-up support on this system there is no logger and nothing to tell the user.
void TMainMeterlyForm::CreateDialupLogger() {
  try {
    if (!DiskDB || !platform_.dialup().Available()) {
      RasAvailable = false;
      return;
    }
    RasLogger =
        std::make_unique<TRasLogger>(platform_.dialup(), platform_.clock(), *DiskDB, [this](const QString& problem) {
          // From the logger's thread: queued, so that it never waits for this one.
          QMetaObject::invokeMethod(
              this,
              [this, problem] {
                if (!terminating_) ReportProblem(problem, ProblemBox::Detached, QMessageBox::Warning);
              },
              Qt::QueuedConnection);
        });
  } catch (const std::exception& error) {
    RasAvailable = false;
    ReportProblem(tr("Dial-up sessions are not logged: %1").arg(QString::fromUtf8(error.what())), ProblemBox::None);
  }
}

void TMainMeterlyForm::StopDialupLogger() {
  if (!RasLogger) return;
  RasLogger->Stop();
  RasLogger.reset();
}

bool TMainMeterlyForm::IsDialupActive() { return meterly::IsDialupActive(platform_.dialup()); }

void TMainMeterlyForm::FeedPublish(quint32 in, quint32 out) {
  if (graphFeed_) graphFeed_->Publish(in, out);
}

void TMainMeterlyForm::CreateVersionChecker() {
  settings_.AutoUpdate.Load(store_, DateToDaySerial(platform_.clock().Now().date()));
  versionCheck_ = std::make_unique<TOnlineVersionCheck>(settings_.AutoUpdate, platform_.shell(), platform_.clock(),
                                                        ReadVersionCheckSetup(store_));
  // Asked once the event loop runs, when creation has finished.
  QMetaObject::invokeMethod(this, &TMainMeterlyForm::StartupVersionCheck, Qt::QueuedConnection);
}

// Ping and trace route: their tray items work only while ICMP echo can be sent.
void TMainMeterlyForm::CreateNetworkTools(const TrayMenuActions& actions) {
  networkTools_ = std::make_unique<TNetworkTools>(platform_.Icmp(), settings_, [this] { SaveSettings(); });
  networkTools_->AttachActions(actions.ActionPing, actions.ActionTraceRoute);
}

// The connections window, which copies and saves its list through the report writers.
void TMainMeterlyForm::CreateNetStat(const TrayMenuActions& actions) {
  ListExport writers{[](const QAbstractItemModel& list) { return TableToText(TableFromItemModel(list)); },
                     ExportFilterText(),
                     [](int filter, const QAbstractItemModel& list, const QString& fileName, const QString& title) {
                       ExportByFilter(filter, TableFromItemModel(list), fileName, title);
                     }};
  netStat_ = std::make_unique<TNetStatTool>(platform_, settings_, std::move(writers));
  netStat_->AttachAction(actions.ActionNetStat);
}

// The speed meters: a new window at every use of the tray item, fed by every tick.
void TMainMeterlyForm::CreateSpeedMeters(const TrayMenuActions& actions) {
  speedMeters_ = std::make_unique<TSpeedMeters>(settings_, sources_);
  speedMeters_->AttachAction(actions.ActionSpeedMeter);
  connect(speedMeters_.get(), &TSpeedMeters::helpRequested, this, &TMainMeterlyForm::ActionHelp);
}

void TMainMeterlyForm::SpeedMeterStep(quint64 in, quint64 out) { speedMeters_->SpeedMeterStep(in, out); }

void TMainMeterlyForm::StartupVersionCheck() {
  if (terminating_) return;
  const AutoUpdateSettings before = settings_.AutoUpdate;
  versionCheck_->QueryAutoCheck(settingsWindow_.get());
  versionCheck_->AutoCheck(settingsWindow_.get());
  // The answer and the day of the check are kept at once, so the question is never asked twice.
  if (!(settings_.AutoUpdate == before)) SaveSettings();
}

void TMainMeterlyForm::InteractiveVersionCheck() {
  if (!terminating_) versionCheck_->Check(settingsWindow_.get(), false);
}

void TMainMeterlyForm::ApplySettings() {
  // A changed block length or threshold starts a fresh block.
  if (settings_.EnableNotifications) notification_.RestartBlock();
  if (GraphForm != nullptr) ApplyGraphSettings();
  trayIcon_->ApplySettings();
  if (graphComm_) graphComm_->SendSettings(settings_);
  // What the window system cannot do is told once a session, not at every start and Apply.
  static SessionNotice notice(SessionNotice::RuntimeFolder());
  const QString unavailable = UnavailableFeaturesNotice(QGuiApplication::platformName(), settings_, notice);
  if (!unavailable.isEmpty()) ReportProblem(unavailable, ProblemBox::Detached, QMessageBox::Information);
}

// The tray icon's graph takes the colour and scale settings beside the window's once it exists;
// without a graph in the icon, the icon's own image comes back.
void TMainMeterlyForm::ApplyGraphSettings() {
  THistogram& graph = GraphForm->Graph();
  GraphForm->SetStayOnTop(settings_.StayOnTop);
  GraphForm->SetCaptionShown(settings_.EnableCaption);
  ApplyColourSettings(graph, settings_);
  if (settings_.EnableTransparent) {
    GraphForm->SetOpacity(OpacityAlpha(settings_.TransparentValue));
  } else {
    GraphForm->ClearOpacity();
  }
  GraphForm->SetClickThrough(ClickThroughWanted(settings_));
  actionToggleClickThrough_->setChecked(settings_.EnableClickThrough);
  RegisterClickThroughHotKey();
  ApplyScaleSettings(graph, settings_);
  ApplyWindowGraphSettings(graph, settings_);
  graph.SetBackImage(LoadBackImage(settings_.EnableBackImage, settings_.BackImageFile));
  GraphForm->setMinimumSize(GraphMinimumClientSize(settings_));
  GraphForm->setWindowTitle(GraphCaption(sources_.FindSelectedAdapter(settings_.InterfaceGuid)));
  GraphForm->SetSticky(settings_.Sticky);
}

void TMainMeterlyForm::RegisterClickThroughHotKey() {
  platform::GlobalHotKey& hotKey = platform_.globalHotKey();
  hotKey.Unregister();
  const quint16 shortCut = settings_.ClickThruShortCut;
  if (shortCut == 0) return;
  // Without X11 no hot key can work; ApplySettings says so once a session.
  if (QGuiApplication::platformName() == QLatin1String("wayland")) return;
  QString reason;
  if (!hotKey.Register(ShortCutToKeySequence(shortCut), &reason)) {
    ShowError(tr("Cannot use %1 as a hotkey: %2").arg(ShortCutToText(shortCut), reason));
  }
}

void TMainMeterlyForm::ActionToggleGraph() { actionToggleGraph_->trigger(); }

void TMainMeterlyForm::ToggleGraphExecute(bool checked) {
  if (GraphForm == nullptr) return;
  if (checked) {
    GraphForm->show();
  } else {
    GraphForm->close();
  }
  GraphForm->ClearNotificationOrigin();
}

void TMainMeterlyForm::GraphFormClosed() {
  actionToggleGraph_->setChecked(false);
  // On the way out the exit path has saved them already, bounds included.
  if (!terminating_) SaveSettings();
}

void TMainMeterlyForm::GraphAddSample(quint32 in, quint32 out) {
  if (GraphForm != nullptr) GraphForm->AddSample(in, out);
}

void TMainMeterlyForm::ActionResetGraph() {
  if (GraphForm != nullptr) GraphForm->Graph().Clear();
  trayIcon_->ResetGraph();
  if (graphComm_) graphComm_->SendReset();
}

void TMainMeterlyForm::ActionToggleClickThrough() {
  if (ToggleClickThrough(settings_)) {
    if (GraphForm != nullptr) GraphForm->SetClickThrough(settings_.EnableClickThrough);
    settingsWindow_->ShowClickThrough(settings_.EnableClickThrough);
  }
  actionToggleClickThrough_->setChecked(settings_.EnableClickThrough);
}

void TMainMeterlyForm::ButtonResetGraphClick() {
  const QMessageBox::StandardButton answer = QMessageBox::question(
      settingsWindow_.get(), QStringLiteral("Meterly"),
      tr("If you do not see the graph because it is shown off-screen, click OK to restore its original position and "
         "size"),
      QMessageBox::Ok | QMessageBox::Cancel);
  if (answer != QMessageBox::Ok || GraphForm == nullptr) return;
  const QScreen* primary = QGuiApplication::primaryScreen();
  GraphForm->SetBounds(CentredGraphBounds(primary != nullptr ? primary->geometry().size() : QSize()));
  GraphForm->show();
  actionToggleGraph_->setChecked(true);
}

void TMainMeterlyForm::ActionSettings() {
  settingsWindow_->show();
  settingsWindow_->raise();
  settingsWindow_->activateWindow();
}

void TMainMeterlyForm::SettingsWindowShowing() {
  settingsWindow_->SelectCurrentInterface(settings_.InterfaceGuid);
  settingsWindow_->SetAutoCheck(settings_.AutoUpdate.AutoCheckEnabled);
  // Colours chosen and then cancelled are dropped.
  settingsWindow_->PeakColoursToControls(settings_);
}

void TMainMeterlyForm::AcceptSettings(bool closeWindow) {
  if (settingsWindow_->ControlsToSettings(settings_)) tick_.RestartSampling();
  ApplySettings();
  // The week or month start may have moved the periods the tooltip shows.
  if (DiskDB) DiskDB->RefreshPeriodTotals();
  SaveSettings();
  if (closeWindow) settingsWindow_->close();
}

void TMainMeterlyForm::ActionHelp() {
  const int result = platform_.shell().ShellExecute(kManualUrl);
  if (result <= 32) ShowError(ShellErrorText(result));
}

void TMainMeterlyForm::ActionAbout() {
  if (!aboutWindow_) {
    aboutWindow_ = std::make_unique<TAboutWindow>(MeterlyIcon(), QStringLiteral("Meterly"),
                                                  QCoreApplication::applicationVersion());
    aboutWindow_->SetUpdateCheckOffered(versionCheck_->Enabled());
    connect(aboutWindow_.get(), &TAboutWindow::checkUpdatesRequested, this, &TMainMeterlyForm::InteractiveVersionCheck);
    // Why the ping and trace route items are disabled, when they are.
    const QString icmpProblem = platform_.Icmp().UnavailableReason();
    if (!icmpProblem.isEmpty()) aboutWindow_->SetNote(tr("Ping and trace route: %1").arg(icmpProblem));
  }
  aboutWindow_->show();
  aboutWindow_->raise();
  aboutWindow_->activateWindow();
}

// Every use opens another window on the usage record.
void TMainMeterlyForm::ActionUsageStats() {
  if (!DiskDB) {
    ShowError(tr("The usage statistics cannot be shown: %1").arg(recordingProblem_));
    return;
  }
  TTotalsFormContext context;
  context.diskDB = DiskDB.get();
  context.settings = &settings_;
  context.saveSettings = [this] { SaveSettings(); };
  context.attachTickHandler = [this](bool on) { tick_.AttachTickHandler(on); };
  context.help = [this] { ActionHelp(); };
  context.readOnly = switches_.ReadOnly;
  context.dialupLoggerStarted = RasAvailable && RasLogger != nullptr;
  statisticsWindows_->Open(std::move(context));
}

void TMainMeterlyForm::ShowPresenceBalloon() { trayIcon_->ShowPresenceBalloon(); }

void TMainMeterlyForm::TrayGraphStep() { trayIcon_->IconGraphStep(tick_.LastDeltaIn, tick_.LastDeltaOut); }

void TMainMeterlyForm::RefreshTooltip() { trayIcon_->RefreshTooltip(); }

void TMainMeterlyForm::CheckQuotaOveruse() { quotaOveruseCheck_.CheckQuotaOveruse(); }

void TMainMeterlyForm::NotificationStep(quint32 in, quint32 out) { notification_.NotificationStep(in, out); }

TTrafficNotification::Hooks TMainMeterlyForm::NotificationHooks() {
  TTrafficNotification::Hooks hooks;
  hooks.HangUpAllDialup = [this] { HangUpDialup(); };
  hooks.ShowGraph = [this] {
    if (GraphForm == nullptr) return;
    GraphForm->ShowNoActivate();
    actionToggleGraph_->setChecked(GraphForm->isVisible());
  };
  hooks.HideGraph = [this] {
    if (GraphForm == nullptr) return;
    GraphForm->HideNotificationWindow();
    actionToggleGraph_->setChecked(GraphForm->isVisible());
  };
  return hooks;
}

void TMainMeterlyForm::HangUpDialup() {
  if (platform_.dialup().Available()) HangUpAllDialup(platform_.dialup());
}

void TMainMeterlyForm::ActionQuota() {
  if (quotaForm_) {
    quotaForm_->raise();
    quotaForm_->activateWindow();
    return;
  }
  TQuotaForm window(QuotaSetup, settings_);
  quotaForm_ = &window;
  window.exec();
  // On the way out the exit path has closed the window and saved everything already.
  if (!terminating_) SaveSettings();
}

void TMainMeterlyForm::AdapterListRebuilt() {
  settingsWindow_->RefillInterfaceCombo(sources_.Adapters(), settings_.InterfaceGuid);
}

void TMainMeterlyForm::SaveSettings() {
  if (GraphForm != nullptr) settings_.GraphWindow = GraphForm->Bounds();
  meterly::SaveSettings(store_, settings_);
}

void TMainMeterlyForm::ExitApplication(bool interactive) {
  if (terminating_) return;
  Shutdown(true, interactive ? ProblemBox::Waiting : ProblemBox::None);
}

void TMainMeterlyForm::Shutdown(bool saveSettings, ProblemBox problemBox) {
  terminating_ = true;
  Timer.stop();
  const auto attempt = [&](const QString& what, const std::function<void()>& step) {
    try {
      step();
    } catch (...) {
      ReportProblem(what.arg(ExceptionMessage(std::current_exception())), problemBox);
    }
  };
  // No ping or trace worker may outlive the program.
  attempt(tr("The network tools could not be stopped: %1"), [this] { networkTools_->StopWorkers(); });
  attempt(tr("The dial-up logger could not be stopped: %1"), [this] { StopDialupLogger(); });
  attempt(tr("The speed meters could not be closed: %1"), [this] { speedMeters_->CloseAll(); });
  attempt(tr("The statistics windows could not be closed: %1"), [this] { statisticsWindows_->CloseAll(); });
  attempt(tr("The tray icon could not be removed: %1"), [this] { trayIcon_->Hide(); });
  // Every byte up to the stop: one more reading, then the last write.
  attempt(tr("The last usage could not be read: %1"), [this] { tick_.TakeFinalSample(); });
  attempt(tr("The last usage could not be written: %1"), [this] { FlushPending(); });
  // The quota window hands its switch to the settings as it closes, before they are saved.
  attempt(tr("The quota window could not be closed: %1"), [this] {
    if (auto* form = quotaForm_.data()) form->accept();
  });
  if (saveSettings) attempt(tr("The settings could not be saved: %1"), [this] { SaveSettings(); });
  attempt(tr("The windows could not be closed: %1"), [this] {
    settingsWindow_->SetTerminating(true);
    settingsWindow_->close();
    // Its close records the bounds and saves the settings once more.
    if (GraphForm != nullptr && GraphForm->isVisible()) GraphForm->close();
  });
  Q_EMIT closed();
}

bool TMainMeterlyForm::IsTrayIconShown() { return trayIcon_->IsShown(); }

bool TMainMeterlyForm::TryShowTrayIcon() { return trayIcon_->TryShow(); }

// Without a notification area the graph window stands in for the icon (its right click opens the
// same menu); the tick goes on recording and keeps trying to show the icon.
void TMainMeterlyForm::TrayIconFailedForGood() {
  if (GraphForm != nullptr && !actionToggleGraph_->isChecked()) actionToggleGraph_->trigger();
  ReportProblem(tr("Meterly finds no system tray on this desktop, so its graph window stands in for the tray icon: "
                   "right-click the graph for the menu. Usage is still being recorded, and the icon appears as soon "
                   "as a system tray does."),
                ProblemBox::Detached, QMessageBox::Information);
}

void TMainMeterlyForm::ShowError(const QString& message) {
  ReportProblem(message, ProblemBox::Waiting, QMessageBox::Critical, settingsWindow_.get());
}

}  // namespace meterly
