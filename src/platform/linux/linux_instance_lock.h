#pragma once

#include "platform/instance_lock.h"

#include <vector>

namespace meterly::platform {

// The single-instance lock is an exclusive flock on "<runtime>/TMainMeterlyForm.lock"; the
// markers are files held with a shared flock: "<runtime>/MTRMUTEX" for this user and
// "/tmp/Global.MTRMUTEX" for the machine. Closing the descriptors releases everything, also
// when the process dies.
class LinuxInstanceLock : public InstanceLock {
 public:
  explicit LinuxInstanceLock(QString runtimeDir, QString machineMarker = QStringLiteral("/tmp/Global.MTRMUTEX"));
  ~LinuxInstanceLock() override;

  LinuxInstanceLock(const LinuxInstanceLock&) = delete;
  LinuxInstanceLock& operator=(const LinuxInstanceLock&) = delete;

  bool AcquireSingleInstance() override;
  void HoldMarkers() override;

  // Why the lock or a marker could not be made, when that happened (the program runs anyway).
  const QString& Problem() const { return problem_; }

 private:
  int OpenLocked(const QString& path, int mode, int lockOperation);

  QString runtimeDir_;
  QString machineMarker_;
  std::vector<int> heldDescriptors_;
  QString problem_;
};

}  // namespace meterly::platform
