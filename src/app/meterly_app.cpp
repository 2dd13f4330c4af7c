#include "app/meterly_app.h"

#include "app/app_icon.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QSystemTrayIcon>

#include <cstdio>

namespace meterly {

namespace {

SettingsContext currentSettingsContext(platform::Clock& clock) {
  SettingsContext context;
  context.localeFirstDayOfWeek = static_cast<int>(QLocale::system().firstDayOfWeek()) - 1;
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    context.screenWidth = screen->geometry().width();
    context.screenHeight = screen->geometry().height();
  }
  context.now = clock.now();
  return context;
}

}  // namespace

MeterlyApp::MeterlyApp(platform::Platform& platform, QObject* parent) : QObject(parent), platform_(platform) {}

MeterlyApp::~MeterlyApp() = default;

std::optional<int> MeterlyApp::Start() {
  const QString unsupported = platform_.unsupportedReason();
  if (!unsupported.isEmpty()) {
    QMessageBox::critical(nullptr, QString(), unsupported);
    return 1;
  }
  if (!platform_.instanceLock().acquireSingleInstance()) return 0;
  platform_.instanceLock().holdMarkers();
  loadSettings();
  createTrayIcon();
  return std::nullopt;
}

void MeterlyApp::loadSettings() {
  platform::Registry& registry = platform_.registry();
  try {
    registry.load();
    if (!registry.loadProblem().isEmpty()) showStartupProblem(registry.loadProblem());
  } catch (const platform::RegistryError& error) {
    // The file is there but unreadable: run on defaults and never overwrite it.
    settingsSavable_ = false;
    showStartupProblem(error.message() + QStringLiteral("\nThe default settings apply, and changes will not be saved."));
  }
  store_ = std::make_unique<SettingsStore>(registry);
  LoadSettings(*store_, settings_, currentSettingsContext(platform_.clock()));
}

void MeterlyApp::saveSettings() {
  if (!settingsSavable_) return;
  SaveSettings(*store_, settings_);
}

void MeterlyApp::createTrayIcon() {
  trayMenu_ = std::make_unique<QMenu>();
  QAction* exitAction = trayMenu_->addAction(QStringLiteral("退出(&E)"));
  exitAction->setObjectName(QStringLiteral("ActionExit"));
  connect(exitAction, &QAction::triggered, this, &MeterlyApp::ExitApplication);

  trayIcon_ = new QSystemTrayIcon(MeterlyIcon(), this);
  trayIcon_->setToolTip(QStringLiteral("Meterly"));
  trayIcon_->setContextMenu(trayMenu_.get());
  trayIcon_->show();
}

void MeterlyApp::ExitApplication() {
  if (terminating_) return;
  terminating_ = true;
  if (trayIcon_ != nullptr) trayIcon_->hide();
  try {
    saveSettings();
  } catch (const platform::RegistryError& error) {
    std::fprintf(stderr, "meterly: the settings were not saved: %s\n", qUtf8Printable(error.message()));
  }
  QApplication::quit();
}

void MeterlyApp::showStartupProblem(const QString& message) {
  std::fprintf(stderr, "meterly: %s\n", qUtf8Printable(message));
  auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Meterly"), message, QMessageBox::Ok);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->show();
}

}  // namespace meterly
