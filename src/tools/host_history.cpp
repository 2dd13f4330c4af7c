#include "tools/host_history.h"

namespace meterly {

QStringList HostHistoryFromSetting(const QString& commaList) {
  QStringList history;
  for (const QString& entry : commaList.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
    const QString host = entry.trimmed();
    if (!host.isEmpty()) history << host;
  }
  return history;
}

QString HostHistoryToSetting(const QStringList& history) { return history.join(QLatin1Char(',')); }

QStringList AddToHostHistory(QStringList history, const QString& host) {
  if (!history.contains(host, Qt::CaseInsensitive)) history.prepend(host);
  while (history.size() > kHostHistoryLength) history.removeLast();
  return history;
}

}  // namespace meterly
