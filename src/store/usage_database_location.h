#pragma once

#include <QString>

namespace meterly {

namespace platform {
class UserSession;
}

inline const QString UsageDatabaseFileName = QStringLiteral("Meterly.db");

// Where the usage database lives: the folder named by the Location value of section DB in the
// .ini file beside the executable, else the all-users data folder.
struct UsageDatabaseLocation {
  QString Folder;
  bool Overridden = false;  // the .ini named the folder

  QString FilePath() const;
};

UsageDatabaseLocation FindUsageDatabaseLocation(platform::UserSession& session);

// The value of `name` in `[section]` of a UTF-8 .ini file, or empty text when the file, the section
// or the value is missing. Section and value names compare case-insensitively; blanks around the
// value and one pair of enclosing double quotes are dropped; lines starting with ';' are comments.
QString ReadIniValue(const QString& iniPath, const QString& section, const QString& name);

}  // namespace meterly
