#include "platform/linux/linux_socket_table.h"

#include "platform/linux/proc_files.h"
#include "platform/linux/proc_text.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <charconv>
#include <memory>

namespace meterly::platform {
namespace {

struct DirCloser {
  void operator()(DIR* dir) const { ::closedir(dir); }
};
using DirHandle = std::unique_ptr<DIR, DirCloser>;

std::optional<qint64> ProcessNumber(const char* name) {
  qint64 pid = 0;
  const char* end = name + std::char_traits<char>::length(name);
  const auto [at, error] = std::from_chars(name, end, pid);
  if (error != std::errc() || at != end || pid <= 0) return std::nullopt;
  return pid;
}

}  // namespace

LinuxSocketTable::LinuxSocketTable(QString procRoot) : procRoot_(procRoot.toLocal8Bit()) {}

std::vector<SocketRow> LinuxSocketTable::Sockets() {
  std::vector<SocketRow> rows;
  ReadTable("tcp", SocketProtocol::Tcp, rows);
  ReadTable("tcp6", SocketProtocol::Tcp, rows);
  ReadTable("udp", SocketProtocol::Udp, rows);
  ReadTable("udp6", SocketProtocol::Udp, rows);

  std::unordered_map<quint64, qint64> owners;
  owners.reserve(rows.size());
  for (const SocketRow& row : rows) {
    if (row.inode != 0) owners.emplace(row.inode, 0);
  }
  FindOwners(owners);
  for (SocketRow& row : rows) {
    if (const auto found = owners.find(row.inode); found != owners.end()) row.pid = found->second;
  }
  return rows;
}

void LinuxSocketTable::ReadTable(const char* name, SocketProtocol protocol, std::vector<SocketRow>& rows) const {
  const QByteArray contents = ReadProcFile(procRoot_ + "/net/" + name);
  const QByteArrayView text(contents);
  for (qsizetype start = 0; start < text.size();) {
    qsizetype end = text.indexOf('\n', start);
    if (end < 0) end = text.size();
    if (auto row = ParseProcNetLine(text.sliced(start, end - start), protocol)) rows.push_back(std::move(*row));
    start = end + 1;
  }
}

void LinuxSocketTable::FindOwners(std::unordered_map<quint64, qint64>& owners) const {
  const DirHandle processes(::opendir(procRoot_.constData()));
  if (!processes) return;
  while (const dirent* process = ::readdir(processes.get())) {
    const std::optional<qint64> pid = ProcessNumber(process->d_name);
    if (!pid) continue;
    const QByteArray fdPath = procRoot_ + '/' + process->d_name + "/fd";
    const int fdFolder = ::open(fdPath.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fdFolder < 0) continue;  // gone, or another user's
    DirHandle descriptors(::fdopendir(fdFolder));
    if (!descriptors) {
      ::close(fdFolder);
      continue;
    }
    while (const dirent* descriptor = ::readdir(descriptors.get())) {
      if (descriptor->d_name[0] == '.') continue;
      const std::optional<quint64> inode = ParseSocketLink(ReadLinkAt(fdFolder, descriptor->d_name));
      if (!inode) continue;
      const auto owner = owners.find(*inode);
      if (owner != owners.end() && owner->second == 0) owner->second = *pid;
    }
  }
}

}  // namespace meterly::platform
