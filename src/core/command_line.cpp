#include "core/command_line.h"

#include <QCoreApplication>

namespace meterly {

namespace {

bool IsSwitch(const QString& argument, QLatin1String name) {
  if (argument.size() != name.size() + 1) return false;
  if (argument[0] != QLatin1Char('-') && argument[0] != QLatin1Char('/')) return false;
  return QStringView(argument).mid(1).compare(name, Qt::CaseInsensitive) == 0;
}

bool IsOneOf(const QString& argument, std::initializer_list<const char*> spellings) {
  for (const char* spelling : spellings) {
    if (argument == QLatin1String(spelling)) return true;
  }
  return false;
}

}  // namespace

CommandLineSwitches ParseCommandLine(const QStringList& arguments) {
  CommandLineSwitches switches;
  for (const QString& argument : arguments) {
    const bool readOnly = IsSwitch(argument, QLatin1String("readonly"));
    const bool autoStart = IsSwitch(argument, QLatin1String("auto"));
    const bool hello = IsSwitch(argument, QLatin1String("hello"));
    const bool help = IsOneOf(argument, {"--help", "-h", "-?", "/?"});
    const bool version = IsOneOf(argument, {"--version", "-V"});
    switches.ReadOnly |= readOnly;
    switches.AutoStart |= autoStart;
    switches.Hello |= hello;
    switches.Help |= help;
    switches.Version |= version;
    // "-" alone names no option, and "--" only ends them.
    const bool known = readOnly || autoStart || hello || help || version || argument == QLatin1String("-") ||
                       argument == QLatin1String("--");
    if (!known && argument.startsWith(QLatin1Char('-'))) switches.Unknown.append(argument);
  }
  return switches;
}

QString CommandLineUsage() {
  return QCoreApplication::translate(
      "CommandLine",
      "Usage: meterly [-readonly] [-auto] [-hello]\n"
      "Meterly shows the network traffic in the system tray and records it, per user, day and hour.\n"
      "\n"
      "  -readonly      the settings and Exit cannot be reached from the tray menu\n"
      "  -auto          started at logon: waits 10 seconds, then runs only when starting\n"
      "                 at logon is enabled in the settings\n"
      "  -hello         shows where the tray icon is\n"
      "  -h, --help     prints this help and exits\n"
      "  -V, --version  prints the version and exits\n"
      "\n"
      "The switches may also be written with \"/\" and in any case (/ReadOnly). Reports of the\n"
      "recorded traffic on the command line: meterly-report --help.\n");
}

}  // namespace meterly
