#pragma once

#include "platform/processes.h"

namespace meterly::platform {

// Processes as /proc shows them; ending one goes through a pidfd, so that the signal reaches
// the process that was checked even if its number is reused meanwhile.
class LinuxProcessService : public ProcessService {
 public:
  // procRoot is "/proc" except in tests.
  explicit LinuxProcessService(QString procRoot = QStringLiteral("/proc"));

  std::optional<ProcessInfo> Info(qint64 pid) override;
  QString Terminate(const ProcessIdentity& process) override;

 private:
  QByteArray ProcessFolder(qint64 pid) const;
  std::optional<quint64> StartTime(qint64 pid) const;

  QByteArray procRoot_;
};

}  // namespace meterly::platform
