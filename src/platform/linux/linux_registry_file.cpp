#include "platform/linux/linux_registry_file.h"

#include "platform/linux/file_descriptor.h"
#include "platform/user_session.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace meterly::platform {

namespace {

// How many earlier set-aside files may pile up before SetAside() gives up.
constexpr int MaxKeptFiles = 1000;

// The failure's text names the path as %1 and the system's reason as %2.
[[noreturn]] void Fail(const char* failure, const QString& path, int error) {
  throw RegistryError(
      QCoreApplication::translate("RegistryFile", failure).arg(path, QString::fromLocal8Bit(std::strerror(error))));
}

// Reads to the end; returns false with errno set on failure.
bool ReadAll(int fd, QByteArray& bytes) {
  char buffer[65536];
  for (;;) {
    const ssize_t count = ::read(fd, buffer, sizeof buffer);
    if (count == 0) return true;
    if (count > 0) {
      bytes.append(buffer, count);
    } else if (errno != EINTR) {
      return false;
    }
  }
}

// Writes everything; returns false with errno set on failure.
bool WriteAll(int fd, const QByteArray& bytes) {
  qsizetype done = 0;
  while (done < bytes.size()) {
    const ssize_t count = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
    if (count >= 0) {
      done += count;
    } else if (errno != EINTR) {
      return false;
    }
  }
  return true;
}

// Creates the folder and its missing parents, each for the owner only.
void CreateFolders(const QString& folder) {
  if (::mkdir(QFile::encodeName(folder).constData(), 0700) == 0 || errno == EEXIST) return;
  const QString parent = QFileInfo(folder).path();
  if (errno != ENOENT || parent == folder)
    Fail(QT_TRANSLATE_NOOP("RegistryFile", "Cannot create the folder %1: %2"), folder, errno);
  CreateFolders(parent);
  if (::mkdir(QFile::encodeName(folder).constData(), 0700) != 0 && errno != EEXIST) {
    Fail(QT_TRANSLATE_NOOP("RegistryFile", "Cannot create the folder %1: %2"), folder, errno);
  }
}

// A new file beside the target under an unpredictable name, removed again unless it was
// renamed into place.
class TemporaryFile {
 public:
  explicit TemporaryFile(const QString& target) : name_(QFile::encodeName(target) + ".XXXXXX") {
    fd_ = ::mkostemp(name_.data(), O_CLOEXEC);  // O_CREAT|O_EXCL, mode 0600
    if (fd_ < 0) Fail(QT_TRANSLATE_NOOP("RegistryFile", "Cannot create a temporary file for %1: %2"), target, errno);
  }
  ~TemporaryFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!renamed_) ::unlink(name_.constData());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  // Each step returns false with errno set on failure.
  bool Fill(const QByteArray& bytes) {
    return ::fchmod(fd_, 0600) == 0 && WriteAll(fd_, bytes) && ::fsync(fd_) == 0 &&
           ::close(std::exchange(fd_, -1)) == 0;
  }
  bool RenameTo(const QByteArray& target) {
    renamed_ = ::rename(name_.constData(), target.constData()) == 0;
    return renamed_;
  }

 private:
  QByteArray name_;
  int fd_ = -1;
  bool renamed_ = false;
};

// Makes a rename in the folder survive a power cut.
void SyncFolder(const QString& folder) {
  FileDescriptor fd(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  // EINVAL: the file system has no way to sync a folder; there is nothing more to do.
  if (!fd.IsOpen() || (::fsync(fd.Get()) != 0 && errno != EINVAL)) {
    Fail(
        QT_TRANSLATE_NOOP("RegistryFile", "The settings were written, but cannot be made durable in the folder %1: %2"),
        folder, errno);
  }
}

// Renames without ever replacing an existing file; returns false with errno set (EEXIST when
// the new name is taken).
bool RenameWithoutReplacing(const QByteArray& from, const QByteArray& to) {
  if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  // This file system cannot refuse by itself; look first.
  struct stat existing {};
  if (::lstat(to.constData(), &existing) == 0) {
    errno = EEXIST;
    return false;
  }
  return ::rename(from.constData(), to.constData()) == 0;
}

}  // namespace

QString RegistryFilePath(UserSession& session) { return session.ConfigDir() + QStringLiteral("/registry.reg"); }

LinuxRegistryFile::LinuxRegistryFile(QString path) : path_(std::move(path)) {}

std::optional<QByteArray> LinuxRegistryFile::Read() {
  const char* const failure = QT_TRANSLATE_NOOP("RegistryFile", "Cannot read the settings file %1: %2");
  // O_NONBLOCK: a FIFO put in the file's place must not block the start of the program.
  FileDescriptor fd(::open(QFile::encodeName(path_).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (!fd.IsOpen()) {
    if (errno == ENOENT) return std::nullopt;
    Fail(failure, path_, errno);
  }
  struct stat info {};
  if (::fstat(fd.Get(), &info) != 0) Fail(failure, path_, errno);
  if (!S_ISREG(info.st_mode)) {
    throw RegistryError(
        QCoreApplication::translate("RegistryFile", "Cannot read the settings file %1: it is not a regular file")
            .arg(path_));
  }
  QByteArray bytes;
  bytes.reserve(static_cast<qsizetype>(info.st_size));
  if (!ReadAll(fd.Get(), bytes)) Fail(failure, path_, errno);
  return bytes;
}

void LinuxRegistryFile::Write(const QByteArray& bytes) {
  const char* const failure = QT_TRANSLATE_NOOP("RegistryFile", "Cannot write the settings file %1: %2");
  const QString folder = QFileInfo(path_).path();
  CreateFolders(folder);
  TemporaryFile temporary(path_);
  if (!temporary.Fill(bytes) || !temporary.RenameTo(QFile::encodeName(path_))) Fail(failure, path_, errno);
  SyncFolder(folder);
}

QString LinuxRegistryFile::SetAside() {
  const QByteArray from = QFile::encodeName(path_);
  for (int attempt = 0; attempt <= MaxKeptFiles; ++attempt) {
    const QString keptAs =
        path_ + QStringLiteral(".bad") + (attempt == 0 ? QString() : QStringLiteral(".%1").arg(attempt));
    if (RenameWithoutReplacing(from, QFile::encodeName(keptAs))) return keptAs;
    if (errno != EEXIST)
      Fail(QT_TRANSLATE_NOOP("RegistryFile", "Cannot move aside the settings file %1: %2"), path_, errno);
  }
  throw RegistryError(QCoreApplication::translate(
                          "RegistryFile", "Cannot move aside the settings file %1: %2 earlier copies are kept already")
                          .arg(path_)
                          .arg(MaxKeptFiles + 1));
}

}  // namespace meterly::platform
