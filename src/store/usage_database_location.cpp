#include "store/usage_database_location.h"

#include "platform/user_session.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace meterly {

namespace {

QString WithoutQuotes(const QString& value) {
  if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"'))) {
    return value.mid(1, value.size() - 2);
  }
  return value;
}

bool IsSectionHeader(const QString& line) {
  return line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'));
}

}  // namespace

QString UsageDatabaseLocation::FilePath() const { return QDir(Folder).filePath(UsageDatabaseFileName); }

QString ReadIniValue(const QString& iniPath, const QString& section, const QString& name) {
  QFile file(iniPath);
  if (!file.open(QIODevice::ReadOnly)) return QString();
  const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
  bool inSection = false;
  for (const QString& rawLine : lines) {
    const QString line = rawLine.trimmed();
    if (line.isEmpty() || line.startsWith(QLatin1Char(';'))) continue;
    if (IsSectionHeader(line)) {
      inSection = line.mid(1, line.size() - 2).trimmed().compare(section, Qt::CaseInsensitive) == 0;
      continue;
    }
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (!inSection || equals < 0) continue;
    if (line.left(equals).trimmed().compare(name, Qt::CaseInsensitive) != 0) continue;
    return WithoutQuotes(line.mid(equals + 1).trimmed());
  }
  return QString();
}

UsageDatabaseLocation FindUsageDatabaseLocation(platform::UserSession& session) {
  const QString iniPath = session.IniFilePath();
  const QString location = ReadIniValue(iniPath, QStringLiteral("DB"), QStringLiteral("Location"));
  if (location.isEmpty()) return {session.AllUsersDataDir(), false};
  // A relative folder is taken from the .ini file's own folder, not from wherever the program
  // happened to be started.
  return {QDir::cleanPath(QFileInfo(iniPath).absoluteDir().absoluteFilePath(location)), true};
}

}  // namespace meterly
