#include "platform/user_session.h"

#include <QFileInfo>

namespace meterly::platform {

QString UserSession::IniFilePath() {
  const QString exe = ExecutablePath();
  const QFileInfo info(exe);
  const QString suffix = info.suffix();
  if (suffix.isEmpty()) return exe + QStringLiteral(".ini");
  return exe.left(exe.size() - suffix.size()) + QStringLiteral("ini");
}

}  // namespace meterly::platform
