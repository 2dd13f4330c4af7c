#include "platform/linux/linux_shared_memory.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace meterly::platform {

namespace {

constexpr mode_t OwnerOnly = 0600;

QString ErrnoText() { return QString::fromLocal8Bit(std::strerror(errno)); }

// An open descriptor that is closed when it goes out of scope, unless released.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;

  int Get() const { return fd_; }
  int Release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

class LinuxSharedSection : public SharedSection {
 public:
  LinuxSharedSection(int fd, void* view, int size) : fd_(fd), view_(view), size_(size) {}
  ~LinuxSharedSection() override {
    ::munmap(view_, static_cast<size_t>(size_));
    ::close(fd_);
  }
  LinuxSharedSection(const LinuxSharedSection&) = delete;
  LinuxSharedSection& operator=(const LinuxSharedSection&) = delete;

  quint8* data() override { return static_cast<quint8*>(view_); }
  int size() const override { return size_; }

 private:
  int fd_;
  void* view_;
  int size_;
};

// The failure's text names the section as %1 and the reason as %2.
[[noreturn]] void Fail(const char* failure, const QString& object, const QString& reason) {
  throw SharedMemoryError(QCoreApplication::translate("SharedMemory", failure).arg(object, reason));
}

// Checks that the object is ours and has the wanted size (giving a new, empty one that size)
// and that nobody else may open it.
void Prepare(int fd, const QString& object, int size) {
  struct stat info {};
  if (::fstat(fd, &info) != 0)
    Fail(QT_TRANSLATE_NOOP("SharedMemory", "Cannot examine the shared memory section %1: %2"), object, ErrnoText());
  if (info.st_uid != ::geteuid()) {
    Fail(QT_TRANSLATE_NOOP("SharedMemory", "Refusing the shared memory section %1: %2"), object,
         QCoreApplication::translate("SharedMemory", "it belongs to user %1").arg(info.st_uid));
  }
  if (info.st_size == 0 && ::ftruncate(fd, size) != 0)
    Fail(QT_TRANSLATE_NOOP("SharedMemory", "Cannot size the shared memory section %1: %2"), object, ErrnoText());
  if (info.st_size != 0 && info.st_size != size) {
    Fail(QT_TRANSLATE_NOOP("SharedMemory", "Refusing the shared memory section %1: %2"), object,
         QCoreApplication::translate("SharedMemory", "it has %1 bytes instead of %2").arg(info.st_size).arg(size));
  }
  // The creation mode went through the umask; an object of an earlier run may be wider open.
  if ((info.st_mode & 07777) != OwnerOnly && ::fchmod(fd, OwnerOnly) != 0) {
    Fail(QT_TRANSLATE_NOOP("SharedMemory", "Cannot restrict access to the shared memory section %1: %2"), object,
         ErrnoText());
  }
}

}  // namespace

LinuxSharedMemory::LinuxSharedMemory() : LinuxSharedMemory(QStringLiteral(".%1").arg(::geteuid())) {}

LinuxSharedMemory::LinuxSharedMemory(QString nameSuffix) : nameSuffix_(std::move(nameSuffix)) {}

QString LinuxSharedMemory::ObjectName(const QString& name) const { return QStringLiteral("/") + name + nameSuffix_; }

std::unique_ptr<SharedSection> LinuxSharedMemory::Open(const QString& name, int size) {
  const QString object = ObjectName(name);
  if (name.isEmpty() || object.indexOf(QLatin1Char('/'), 1) >= 0) {
    Fail(QT_TRANSLATE_NOOP("SharedMemory", "Cannot name the shared memory section %1: %2"), object,
         QCoreApplication::translate("SharedMemory", "a section name is one word without '/'"));
  }
  if (size <= 0)
    Fail(QT_TRANSLATE_NOOP("SharedMemory", "Cannot create the shared memory section %1: %2"), object,
         QCoreApplication::translate("SharedMemory", "the size must be positive"));

  Descriptor fd(::shm_open(object.toUtf8().constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, OwnerOnly));
  if (fd.Get() < 0)
    Fail(QT_TRANSLATE_NOOP("SharedMemory", "Cannot create or open the shared memory section %1: %2"), object,
         ErrnoText());
  Prepare(fd.Get(), object, size);

  void* view = ::mmap(nullptr, static_cast<size_t>(size), PROT_READ | PROT_WRITE, MAP_SHARED, fd.Get(), 0);
  if (view == MAP_FAILED)
    Fail(QT_TRANSLATE_NOOP("SharedMemory", "Cannot map the shared memory section %1: %2"), object, ErrnoText());
  auto section = std::make_unique<LinuxSharedSection>(fd.Get(), view, size);
  fd.Release();
  return section;
}

}  // namespace meterly::platform
