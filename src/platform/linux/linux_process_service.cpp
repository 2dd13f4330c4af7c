#include "platform/linux/linux_process_service.h"

#include "platform/linux/proc_files.h"
#include "platform/linux/proc_text.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <csignal>
#include <cstring>

#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace meterly::platform {
namespace {

QString ErrorText(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// A descriptor of the process itself, or -1 with errno set. Without pidfd support (kernels
// before 5.3) the caller falls back to the number.
int OpenProcess(qint64 pid) { return static_cast<int>(::syscall(SYS_pidfd_open, static_cast<pid_t>(pid), 0)); }

int SignalProcess(int pidfd, qint64 pid) {
  if (pidfd >= 0) return static_cast<int>(::syscall(SYS_pidfd_send_signal, pidfd, SIGTERM, nullptr, 0));
  return ::kill(static_cast<pid_t>(pid), SIGTERM);
}

}  // namespace

LinuxProcessService::LinuxProcessService(QString procRoot) : procRoot_(procRoot.toLocal8Bit()) {}

QByteArray LinuxProcessService::ProcessFolder(qint64 pid) const { return procRoot_ + '/' + QByteArray::number(pid); }

std::optional<quint64> LinuxProcessService::StartTime(qint64 pid) const {
  return ParseStatStartTime(ReadProcFile(ProcessFolder(pid) + "/stat"));
}

std::optional<ProcessInfo> LinuxProcessService::Info(qint64 pid) {
  if (pid <= 0) return std::nullopt;
  const QByteArray folder = ProcessFolder(pid);
  struct stat owner {};
  if (::stat(folder.constData(), &owner) != 0) return std::nullopt;
  const std::optional<quint64> started = StartTime(pid);
  if (!started) return std::nullopt;
  ProcessInfo process;
  process.identity = {pid, *started};
  process.name = QString::fromLocal8Bit(ReadProcFile(folder + "/comm").trimmed());
  process.path = QFile::symLinkTarget(QString::fromLocal8Bit(folder + "/exe"));
  const uid_t us = ::geteuid();
  process.mayTerminate = pid > 1 && (us == 0 || owner.st_uid == us);
  return process;
}

QString LinuxProcessService::Terminate(const ProcessIdentity& process) {
  if (process.pid <= 1) return QCoreApplication::translate("ProcessService", "This process cannot be ended.");
  const int pidfd = OpenProcess(process.pid);
  if (pidfd < 0 && errno == ESRCH)
    return QCoreApplication::translate("ProcessService", "The program has ended already.");
  // Checked after the descriptor was opened: if the start time still matches, the descriptor
  // holds that very process.
  if (StartTime(process.pid) != process.startTime) {
    if (pidfd >= 0) ::close(pidfd);
    return QCoreApplication::translate("ProcessService",
                                       "The program has ended already; another one now has its process number.");
  }
  const int result = SignalProcess(pidfd, process.pid);
  const int error = errno;
  if (pidfd >= 0) ::close(pidfd);
  return result == 0 ? QString() : ErrorText(error);
}

}  // namespace meterly::platform
