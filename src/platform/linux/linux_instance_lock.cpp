#include "platform/linux/linux_instance_lock.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace meterly::platform {

namespace {

QString ErrnoText() { return QString::fromLocal8Bit(std::strerror(errno)); }

// Creates the folder with mode 0700 when missing and checks that it is a real folder of ours,
// so that nobody else can plant the lock files in a shared place such as /tmp.
bool EnsurePrivateDir(const QString& path, QString& problem) {
  const QByteArray native = path.toLocal8Bit();
  if (mkdir(native.constData(), 0700) != 0 && errno != EEXIST) {
    problem = QCoreApplication::translate("InstanceLock", "Cannot create %1: %2").arg(path, ErrnoText());
    return false;
  }
  struct stat info {};
  if (lstat(native.constData(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != geteuid()) {
    problem = QCoreApplication::translate("InstanceLock", "%1 is not a folder owned by this user").arg(path);
    return false;
  }
  return true;
}

}  // namespace

LinuxInstanceLock::LinuxInstanceLock(QString runtimeDir, QString machineMarker)
    : runtimeDir_(std::move(runtimeDir)), machineMarker_(std::move(machineMarker)) {}

LinuxInstanceLock::~LinuxInstanceLock() {
  for (int fd : heldDescriptors_) close(fd);
}

int LinuxInstanceLock::OpenLocked(const QString& path, int mode, int lockOperation) {
  const QByteArray native = path.toLocal8Bit();
  int fd = open(native.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0 && errno == ENOENT)
    fd = open(native.constData(), O_RDONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
  if (fd < 0 && errno == EEXIST) fd = open(native.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) {
    problem_ = QCoreApplication::translate("InstanceLock", "Cannot open %1: %2").arg(path, ErrnoText());
    return -1;
  }
  if (flock(fd, lockOperation | LOCK_NB) != 0) {
    const int error = errno;
    close(fd);
    errno = error;
    return -1;
  }
  heldDescriptors_.push_back(fd);
  return fd;
}

bool LinuxInstanceLock::AcquireSingleInstance() {
  // A lock that cannot be made at all must not keep the monitor from running.
  if (!EnsurePrivateDir(runtimeDir_, problem_)) return true;
  const QString path = runtimeDir_ + QStringLiteral("/TMainMeterlyForm.lock");
  if (OpenLocked(path, 0600, LOCK_EX) >= 0) return true;
  return errno != EWOULDBLOCK;
}

void LinuxInstanceLock::HoldMarkers() {
  if (EnsurePrivateDir(runtimeDir_, problem_)) OpenLocked(runtimeDir_ + QStringLiteral("/MTRMUTEX"), 0600, LOCK_SH);
  OpenLocked(machineMarker_, 0644, LOCK_SH);
}

}  // namespace meterly::platform
