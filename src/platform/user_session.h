#pragma once

#include <QString>

namespace meterly::platform {

// Who runs the program, from where, and where its files belong.
class UserSession {
 public:
  virtual ~UserSession() = default;

  // Login name of the effective user.
  virtual QString userName() = 0;

  // Absolute path of the running executable.
  virtual QString executablePath() = 0;

  // The executable's path with its extension replaced by ".ini" (or ".ini" appended).
  QString iniFilePath();

  // Per-user folders, each ending in "Corvane/Meterly" (runtime: "Meterly"). Not created here.
  virtual QString configDir() = 0;
  virtual QString dataDir() = 0;
  virtual QString runtimeDir() = 0;

  // The machine-wide data folder when it exists and is writable, else the per-user data folder.
  virtual QString allUsersDataDir() = 0;
};

}  // namespace meterly::platform
