#pragma once

#include "platform/user_session.h"

namespace meterly::platform {

// Folders follow the XDG base directory rules.
class LinuxUserSession : public UserSession {
 public:
  QString UserName() override;
  QString ExecutablePath() override;
  QString ConfigDir() override;
  QString DataDir() override;
  QString RuntimeDir() override;
  QString AllUsersDataDir() override;
};

}  // namespace meterly::platform
