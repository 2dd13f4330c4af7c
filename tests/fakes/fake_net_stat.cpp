#include "fakes/fake_net_stat.h"

#include <arpa/inet.h>

namespace meterly::fakes {

std::vector<platform::SocketRow> FakeSocketTable::Sockets() {
  ++reads;
  if (duringRead) duringRead();
  return table;
}

std::optional<platform::ProcessInfo> FakeProcessService::Info(qint64 pid) {
  ++infoCalls;
  const auto found = processes.find(pid);
  if (found == processes.end()) return std::nullopt;
  return found->second;
}

QString FakeProcessService::Terminate(const platform::ProcessIdentity& process) {
  if (!failure.isEmpty()) return failure;
  const auto found = processes.find(process.pid);
  if (found == processes.end() || found->second.identity != process) return QStringLiteral("ended already (fake)");
  terminated.push_back(process);
  processes.erase(found);
  return {};
}

void FakeProcessService::Add(qint64 pid, quint64 startTime, const QString& name, bool mayTerminate) {
  processes[pid] = {{pid, startTime}, name, QStringLiteral("/usr/bin/") + name, mayTerminate};
}

QString FakeNameLookup::HostName(const QByteArray& address) {
  ++hostLookups_;
  {
    std::unique_lock lock(mutex_);
    released_.wait(lock, [this] { return !held_; });
  }
  const auto found = hosts.find(address);
  return found == hosts.end() ? QString() : found->second;
}

void FakeNameLookup::Hold() {
  std::lock_guard lock(mutex_);
  held_ = true;
}

void FakeNameLookup::Release() {
  {
    std::lock_guard lock(mutex_);
    held_ = false;
  }
  released_.notify_all();
}

QByteArray Ipv4(quint8 a, quint8 b, quint8 c, quint8 d) {
  const char bytes[] = {static_cast<char>(a), static_cast<char>(b), static_cast<char>(c), static_cast<char>(d)};
  return QByteArray(bytes, 4);
}

QByteArray Ipv6(const char* text) {
  QByteArray bytes(16, '\0');
  ::inet_pton(AF_INET6, text, bytes.data());
  return bytes;
}

platform::SocketRow TcpRow(QByteArray local, quint16 localPort, QByteArray remote, quint16 remotePort, int state,
                           qint64 pid) {
  platform::SocketRow row;
  row.protocol = platform::SocketProtocol::Tcp;
  row.local = {std::move(local), localPort};
  row.remote = {std::move(remote), remotePort};
  row.state = state;
  row.pid = pid;
  return row;
}

platform::SocketRow UdpRow(QByteArray local, quint16 localPort, qint64 pid) {
  platform::SocketRow row;
  row.protocol = platform::SocketProtocol::Udp;
  row.remote = {QByteArray(local.size(), '\0'), 0};
  row.local = {std::move(local), localPort};
  row.state = platform::TcpState::Close;
  row.pid = pid;
  return row;
}

}  // namespace meterly::fakes
