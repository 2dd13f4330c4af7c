#include "app/session_notice.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <utility>

namespace meterly {

SessionNotice::SessionNotice(QString folder) : folder_(std::move(folder)) {}

QString SessionNotice::RuntimeFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + QStringLiteral("/Meterly");
}

bool SessionNotice::FirstTime(const QString& key) {
  if (toldInProcess_.contains(key)) return false;
  toldInProcess_ << key;
  QDir().mkpath(folder_);
  QFile mark(folder_ + QStringLiteral("/told-") + key);
  if (mark.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return true;
  // Already there: told earlier this session. Not writable: told now, once in this process.
  return !mark.exists();
}

}  // namespace meterly
