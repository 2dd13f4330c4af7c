#pragma once

#include "platform/user_session.h"

namespace meterly::platform {

// Folders follow the XDG base directory rules.
class LinuxUserSession : public UserSession {
 public:
  QString userName() override;
  QString executablePath() override;
  QString configDir() override;
  QString dataDir() override;
  QString runtimeDir() override;
  QString allUsersDataDir() override;
};

}  // namespace meterly::platform
