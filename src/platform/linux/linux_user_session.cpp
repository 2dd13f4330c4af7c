#include "platform/linux/linux_user_session.h"

#include <QDir>
#include <QFileInfo>

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace meterly::platform {

namespace {

const QString kAppFolder = QStringLiteral("Corvane/Meterly");
const QString kMachineDataDir = QStringLiteral("/var/lib/Corvane/Meterly");

QString HomeDir() {
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] == '/') return QString::fromLocal8Bit(home);
  if (const passwd* entry = getpwuid(geteuid())) return QString::fromLocal8Bit(entry->pw_dir);
  return QDir::tempPath();
}

// An XDG base folder: the variable when it holds an absolute path, else the fallback.
QString XdgDir(const char* variable, const QString& fallback) {
  const char* value = std::getenv(variable);
  if (value != nullptr && value[0] == '/') return QString::fromLocal8Bit(value);
  return fallback;
}

}  // namespace

QString LinuxUserSession::UserName() {
  if (const passwd* entry = getpwuid(geteuid())) return QString::fromLocal8Bit(entry->pw_name);
  return QString::number(geteuid());
}

QString LinuxUserSession::ExecutablePath() { return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath(); }

QString LinuxUserSession::ConfigDir() {
  return XdgDir("XDG_CONFIG_HOME", HomeDir() + QStringLiteral("/.config")) + QLatin1Char('/') + kAppFolder;
}

QString LinuxUserSession::DataDir() {
  return XdgDir("XDG_DATA_HOME", HomeDir() + QStringLiteral("/.local/share")) + QLatin1Char('/') + kAppFolder;
}

QString LinuxUserSession::RuntimeDir() {
  const QString fallback = QStringLiteral("/tmp/meterly-%1").arg(geteuid());
  const QString base = XdgDir("XDG_RUNTIME_DIR", QString());
  return base.isEmpty() ? fallback : base + QStringLiteral("/Meterly");
}

QString LinuxUserSession::AllUsersDataDir() {
  const QByteArray machine = kMachineDataDir.toLocal8Bit();
  if (access(machine.constData(), W_OK | X_OK) == 0) return kMachineDataDir;
  return DataDir();
}

}  // namespace meterly::platform
