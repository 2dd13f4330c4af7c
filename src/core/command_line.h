#pragma once

#include <QStringList>

namespace meterly {

// The switches of the command line. Each is recognised with a leading "-" or "/", in any
// case, anywhere among the arguments. Besides them "--help" ("-h", "-?", "/?") and "--version"
// ("-V") are known; any other argument that starts with "-" is an unknown option, and the
// remaining arguments are ignored.
struct CommandLineSwitches {
  bool ReadOnly = false;   // "readonly": the settings and the exit cannot be reached
  bool AutoStart = false;  // "auto": started at logon; honours EnableAutoRun
  bool Hello = false;      // "hello": show the presence balloon at start
  bool Help = false;
  bool Version = false;
  QStringList Unknown;  // in the order given

  friend bool operator==(const CommandLineSwitches&, const CommandLineSwitches&) = default;
};

// arguments: without the program name.
CommandLineSwitches ParseCommandLine(const QStringList& arguments);

// The text of --help.
QString CommandLineUsage();

}  // namespace meterly
