// Process start: the application object, the real platform, and the event loop.
#include "app/app_icon.h"
#include "app/display_session.h"
#include "app/meterly_app.h"
#include "app/meterly_application.h"
#include "core/command_line.h"
#include "platform/linux/linux_platform.h"
#include "platform/linux/linux_termination_signals.h"
#include "platform/linux/linux_translations.h"

#include <cstdio>

namespace {

void Print(std::FILE* stream, const QString& text) { std::fputs(text.toUtf8().constData(), stream); }

}  // namespace

int main(int argc, char** argv) {
  // Help and version need no display, no lock and no settings.
  QStringList rawArguments;
  for (int i = 1; i < argc; ++i) rawArguments.append(QString::fromLocal8Bit(argv[i]));
  const meterly::CommandLineSwitches early = meterly::ParseCommandLine(rawArguments);
  if (early.Help) {
    QCoreApplication core(argc, argv);
    meterly::platform::InstallTranslations(core);
    Print(stdout, meterly::CommandLineUsage());
    return 0;
  }
  if (early.Version) {
    Print(stdout, QStringLiteral("meterly " METERLY_VERSION "\n"));
    return 0;
  }

  // On Wayland, XWayland gives the graph window its place on top and the hot key.
  const QByteArray platformPlugin = meterly::ChooseQpaPlatform(meterly::CurrentSessionEnvironment());
  if (!platformPlugin.isEmpty()) qputenv("QT_QPA_PLATFORM", platformPlugin);
  meterly::MeterlyApplication application(argc, argv);
  meterly::platform::InstallTranslations(application);
  // Qt has taken its own options (-platform, -display...) out of the arguments by now.
  const meterly::CommandLineSwitches switches = meterly::ParseCommandLine(application.arguments().mid(1));
  if (!switches.Unknown.isEmpty()) {
    Print(stderr, QCoreApplication::translate("main", "meterly: unknown option %1\n").arg(switches.Unknown.front()) +
                      meterly::CommandLineUsage());
    return 2;
  }
  meterly::MeterlyApplication::setApplicationName(QStringLiteral("Meterly"));
  meterly::MeterlyApplication::setApplicationVersion(QStringLiteral(METERLY_VERSION));
  meterly::MeterlyApplication::setQuitOnLastWindowClosed(false);
  meterly::MeterlyApplication::setWindowIcon(meterly::MeterlyIcon());

  meterly::platform::LinuxPlatform platform;
  meterly::MeterlyApp app(platform, switches);
  // The end of the desktop session arrives as a signal or as the session manager's request. The
  // signals are caught before the start, which shows the tray icon: one that comes while the
  // program starts is taken up by the event loop, which ends the program in order.
  meterly::platform::LinuxTerminationSignals signals;
  QObject::connect(&signals, &meterly::platform::TerminationSignals::terminationRequested, &app,
                   &meterly::MeterlyApp::ExitApplication);
  if (const std::optional<int> exitCode = app.Start()) return *exitCode;
  QObject::connect(&application, &QGuiApplication::commitDataRequest, &app, &meterly::MeterlyApp::ExitApplication);
  return meterly::MeterlyApplication::exec();
}
