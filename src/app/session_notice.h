#pragma once

#include <QString>
#include <QStringList>

namespace meterly {

// Remembers, for as long as the user's login session lasts, which notices were given, so that a
// notice about the desktop is given once a session: not at every start, not at every Apply.
// The marks are files in a folder that the session empties when it ends (the runtime folder).
class SessionNotice {
 public:
  explicit SessionNotice(QString folder);

  // The folder of the user's runtime directory that belongs to the program.
  static QString RuntimeFolder();

  // True the first time this session for the key (and the mark is made), false afterwards. A
  // folder that cannot be written falls back to once per process.
  bool FirstTime(const QString& key);

 private:
  QString folder_;
  QStringList toldInProcess_;
};

}  // namespace meterly
