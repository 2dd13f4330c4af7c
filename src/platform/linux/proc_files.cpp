#include "platform/linux/proc_files.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace meterly::platform {

QByteArray ReadProcFile(const QByteArray& path) {
  const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return {};
  QByteArray contents;
  constexpr qsizetype kChunk = 64 * 1024;
  for (;;) {
    const qsizetype used = contents.size();
    contents.resize(used + kChunk);
    const ssize_t got = ::read(fd, contents.data() + used, kChunk);
    if (got < 0 && errno == EINTR) {
      contents.resize(used);
      continue;
    }
    contents.resize(used + (got > 0 ? got : 0));
    if (got <= 0) break;
  }
  ::close(fd);
  return contents;
}

QByteArray ReadLinkAt(int folder, const char* name) {
  char target[256];
  const ssize_t length = ::readlinkat(folder, name, target, sizeof target);
  if (length <= 0) return {};
  return QByteArray(target, length);
}

}  // namespace meterly::platform
