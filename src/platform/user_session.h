#pragma once

#include <QString>

namespace meterly::platform {

// Who runs the program, from where, and where its files belong.
class UserSession {
 public:
  virtual ~UserSession() = default;

  // Login name of the effective user.
  virtual QString UserName() = 0;

  // Absolute path of the running executable.
  virtual QString ExecutablePath() = 0;

  // The executable's path with its extension replaced by ".ini" (or ".ini" appended).
  QString IniFilePath();

  // Per-user folders, each ending in "Corvane/Meterly" (runtime: "Meterly"). Not created here.
  virtual QString ConfigDir() = 0;
  virtual QString DataDir() = 0;
  virtual QString RuntimeDir() = 0;

  // The machine-wide data folder when it exists and is writable, else the per-user data folder.
  virtual QString AllUsersDataDir() = 0;
};

}  // namespace meterly::platform
