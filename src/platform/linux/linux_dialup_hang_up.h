#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace meterly::platform {

// The pid a pppd pid file names: the first line, a decimal number above 1; nullopt otherwise.
std::optional<int> ParsePppdPidFile(const QByteArray& contents);

// Ends the pppd that owns a PPP interface, found through the pid file <runDir>/<ifname>.pid
// that pppd writes. Only a process whose name (/proc/<pid>/comm) is "pppd" is sent SIGTERM:
// a stale pid file may name any process by now. The process is pinned (a pidfd) before its
// name is read, so a pid that is freed and reused in between is never signalled.
class PppdHangUp {
 public:
  explicit PppdHangUp(QByteArray runDir = QByteArrayLiteral("/run")) : runDir_(std::move(runDir)) {}

  // False with the reason in *error when no pppd could be asked to end.
  bool HangUp(const QByteArray& interfaceName, QString* error) const;

 private:
  QByteArray runDir_;
};

// Where NetworkManager runs the link, a user's signal to the system's pppd would be refused:
// NetworkManager is asked over the system bus to deactivate the connection whose IP interface
// this is. nullopt when NetworkManager is not there or does not own the interface; otherwise
// whether the request was accepted (*error says why not).
std::optional<bool> DeactivateThroughNetworkManager(const QString& interfaceName, QString* error);

}  // namespace meterly::platform
