// Process start: the application object, the real platform, and the event loop.
#include "app/app_icon.h"
#include "app/meterly_app.h"
#include "app/meterly_application.h"
#include "core/command_line.h"
#include "platform/linux/linux_platform.h"
#include "platform/linux/linux_termination_signals.h"

int main(int argc, char** argv) {
  meterly::MeterlyApplication application(argc, argv);
  meterly::MeterlyApplication::setApplicationName(QStringLiteral("Meterly"));
  meterly::MeterlyApplication::setApplicationVersion(QStringLiteral(METERLY_VERSION));
  meterly::MeterlyApplication::setQuitOnLastWindowClosed(false);
  meterly::MeterlyApplication::setWindowIcon(meterly::MeterlyIcon());

  meterly::platform::LinuxPlatform platform;
  meterly::MeterlyApp app(platform, meterly::ParseCommandLine(application.arguments().mid(1)));
  if (const std::optional<int> exitCode = app.Start()) return *exitCode;

  // The end of the desktop session arrives as a signal or as the session manager's request.
  meterly::platform::LinuxTerminationSignals signals;
  QObject::connect(&signals, &meterly::platform::TerminationSignals::terminationRequested, &app,
                   &meterly::MeterlyApp::ExitApplication);
  QObject::connect(&application, &QGuiApplication::commitDataRequest, &app, &meterly::MeterlyApp::ExitApplication);
  return meterly::MeterlyApplication::exec();
}
