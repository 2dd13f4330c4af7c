#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

namespace meterly::platform {

// What identifies a running process beyond its number, which the system reuses: the number
// together with the time the process started.
struct ProcessIdentity {
  qint64 pid = 0;
  quint64 startTime = 0;  // in the kernel's clock ticks since boot

  friend bool operator==(const ProcessIdentity&, const ProcessIdentity&) = default;
};

struct ProcessInfo {
  ProcessIdentity identity;
  QString name;         // the program's short name, as the kernel keeps it
  QString path;         // the executable; empty when it cannot be read
  bool mayTerminate{};  // this user is allowed to signal it, and it is not init

  friend bool operator==(const ProcessInfo&, const ProcessInfo&) = default;
};

// The running processes: facts about one, and asking one to end.
class ProcessService {
 public:
  virtual ~ProcessService() = default;

  // nullopt when there is no such process or it cannot be looked at.
  virtual std::optional<ProcessInfo> Info(qint64 pid) = 0;

  // Asks the process to end (SIGTERM), only if it is still the one identified; never pid 0 or 1.
  // Empty on success, otherwise the reason for the user to read.
  virtual QString Terminate(const ProcessIdentity& process) = 0;
};

}  // namespace meterly::platform
