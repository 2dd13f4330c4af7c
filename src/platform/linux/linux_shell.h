#pragma once

#include "platform/shell.h"

#include <optional>

namespace meterly::platform {

// Hands targets to xdg-open, which picks the desktop's handler for the file type or URL scheme.
class LinuxShell : public Shell {
 public:
  // The opener is replaceable so that tests can record what it is given.
  explicit LinuxShell(QString opener = QStringLiteral("xdg-open"));

  int ShellExecute(const QString& target) override;
  void OpenProgram(const QString& target, std::function<void(int result)> done) override;

  // What the opener receives for the target: an existing local path made absolute (so that a
  // name starting with '-' cannot pass for an option), or a URL of another scheme as given.
  // Empty when the target names a local file that does not exist.
  static std::optional<QString> OpenerArgument(const QString& target);

  // The ShellExecute result for the opener's exit code (xdg-open: 0 done, 2 no such file, 3 no
  // tool, 4 the action failed).
  static int OpenerResult(int exitCode);

 private:
  QString opener_;
};

}  // namespace meterly::platform
