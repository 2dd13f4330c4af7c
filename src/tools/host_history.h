#pragma once

#include <QString>
#include <QStringList>

namespace meterly {

// The hosts a tool window offers in cmbHostName, newest first.
constexpr int kHostHistoryLength = 10;

// The history kept in the settings as a comma-separated list; empty entries are dropped.
QStringList HostHistoryFromSetting(const QString& commaList);
QString HostHistoryToSetting(const QStringList& history);

// The history after a run to `host`: a host not yet listed (compared without regard to case)
// goes to the top, a listed one keeps its place, and the oldest entries beyond the length go.
QStringList AddToHostHistory(QStringList history, const QString& host);

}  // namespace meterly
