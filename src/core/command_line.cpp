#include "core/command_line.h"

namespace meterly {

namespace {

bool isSwitch(const QString& argument, QLatin1String name) {
  if (argument.size() != name.size() + 1) return false;
  if (argument[0] != QLatin1Char('-') && argument[0] != QLatin1Char('/')) return false;
  return QStringView(argument).mid(1).compare(name, Qt::CaseInsensitive) == 0;
}

}  // namespace

CommandLineSwitches ParseCommandLine(const QStringList& arguments) {
  CommandLineSwitches switches;
  for (const QString& argument : arguments) {
    switches.ReadOnly |= isSwitch(argument, QLatin1String("readonly"));
    switches.AutoStart |= isSwitch(argument, QLatin1String("auto"));
    switches.Hello |= isSwitch(argument, QLatin1String("hello"));
  }
  return switches;
}

}  // namespace meterly
