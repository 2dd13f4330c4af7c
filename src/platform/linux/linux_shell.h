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

  // What the opener receives for the target: an existing local path made absolute (so that a
  // name starting with '-' cannot pass for an option), or a URL of another scheme as given.
  // Empty when the target names a local file that does not exist.
  static std::optional<QString> OpenerArgument(const QString& target);

 private:
  QString opener_;
};

}  // namespace meterly::platform
