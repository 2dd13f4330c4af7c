#include "app/meterly_app.h"

#include "app/main_meterly_form.h"
#include "app/problem_report.h"
#include "base/exception_message.h"
#include "display/graph_form.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <QThread>

namespace meterly {

namespace {

constexpr int kAutoStartDelayMs = 10000;

SettingsContext CurrentSettingsContext(platform::Clock& clock) {
  SettingsContext context;
  context.localeFirstDayOfWeek = static_cast<int>(QLocale::system().firstDayOfWeek()) - 1;
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    context.screenWidth = screen->geometry().width();
    context.screenHeight = screen->geometry().height();
  }
  context.now = clock.Now();
  return context;
}

}  // namespace

MeterlyApp::MeterlyApp(platform::Platform& platform, CommandLineSwitches switches, QObject* parent)
    : QObject(parent), platform_(platform), switches_(switches) {}

MeterlyApp::~MeterlyApp() = default;

std::optional<int> MeterlyApp::Start() {
  const QString unsupported = platform_.UnsupportedReason();
  if (!unsupported.isEmpty()) {
    QMessageBox::critical(nullptr, QString(), unsupported);
    return 1;
  }
  if (!platform_.instanceLock().AcquireSingleInstance()) return 0;
  platform_.instanceLock().HoldMarkers();
  // Started at logon: let the desktop settle first.
  if (switches_.AutoStart) QThread::msleep(kAutoStartDelayMs);
  LoadSettings();
  if (switches_.AutoStart && !settings_.EnableAutoRun) return 0;

  try {
    mainForm_ = std::make_unique<TMainMeterlyForm>(platform_, settings_, *store_, switches_);
  } catch (...) {
    ReportProblem(tr("Meterly cannot start: %1").arg(ExceptionMessage(std::current_exception())), ProblemBox::Waiting);
    return 1;
  }
  connect(mainForm_.get(), &TMainMeterlyForm::closed, qApp, &QApplication::quit, Qt::QueuedConnection);
  // Without the graph window, or with settings it cannot take, the monitor still runs.
  StartupStep([this] {
    graphForm_ = std::make_unique<TGraphForm>(settings_);
    mainForm_->AttachGraphForm(*graphForm_);
  });
  StartupStep([this] { mainForm_->ApplySettings(); });
  if (settings_.DisplayOnStartup) StartupStep([this] { mainForm_->ActionToggleGraph(); });
  return std::nullopt;
}

void MeterlyApp::ExitApplication() {
  if (mainForm_) mainForm_->ExitApplication(false);
}

void MeterlyApp::StartupStep(const std::function<void()>& step) {
  try {
    step();
  } catch (...) {
    ReportProblem(ExceptionMessage(std::current_exception()), ProblemBox::Detached);
  }
}

void MeterlyApp::LoadSettings() {
  platform::Registry& registry = platform_.registry();
  try {
    registry.Load();
    if (!registry.LoadProblem().isEmpty()) ShowStartupProblem(registry.LoadProblem());
  } catch (const platform::RegistryError& error) {
    // The file is there but unreadable: run on the defaults; the registry refuses to overwrite it.
    ShowStartupProblem(tr("%1\nThe default settings apply, and changes will not be saved.").arg(error.message()));
  }
  store_ = std::make_unique<SettingsStore>(registry);
  QStringList problems;
  meterly::LoadSettings(*store_, settings_, CurrentSettingsContext(platform_.clock()), &problems);
  for (const QString& problem : problems) ReportProblem(problem, ProblemBox::None);
}

void MeterlyApp::ShowStartupProblem(const QString& message) {
  ReportProblem(message, ProblemBox::Detached, QMessageBox::Warning);
}

}  // namespace meterly
