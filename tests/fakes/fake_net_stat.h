#pragma once

#include "platform/name_lookup.h"
#include "platform/processes.h"
#include "platform/socket_table.h"

#include <atomic>
#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <vector>

namespace meterly::fakes {

// Answers with the rows a test sets, counting the reads.
class FakeSocketTable : public platform::SocketTable {
 public:
  std::vector<platform::SocketRow> Sockets() override;

  std::vector<platform::SocketRow> table;
  int reads = 0;
  std::function<void()> duringRead;  // runs inside every read
};

// Processes a test describes; terminate() ends the described process if the identity matches.
class FakeProcessService : public platform::ProcessService {
 public:
  std::optional<platform::ProcessInfo> Info(qint64 pid) override;
  QString Terminate(const platform::ProcessIdentity& process) override;

  // Describes a process that this user may end unless told otherwise.
  void Add(qint64 pid, quint64 startTime, const QString& name, bool mayTerminate = true);

  std::map<qint64, platform::ProcessInfo> processes;
  std::vector<platform::ProcessIdentity> terminated;
  int infoCalls = 0;
  QString failure;  // when set, every terminate fails with it
};

// Host names from a table; lookups can be held back until the test releases them.
// Safe to call from several threads.
class FakeNameLookup : public platform::NameLookup {
 public:
  QString HostName(const QByteArray& address) override;
  QString ServiceName(quint16, platform::SocketProtocol) override { return {}; }
  QString LocalHostName() override { return QStringLiteral("testhost"); }

  // Holds every host-name lookup until release().
  void Hold();
  void Release();
  int HostLookups() const { return hostLookups_; }

  std::map<QByteArray, QString> hosts;  // fill before lookups start

 private:
  std::mutex mutex_;
  std::condition_variable released_;
  bool held_ = false;
  std::atomic<int> hostLookups_{0};
};

// Addresses as a test writes them.
QByteArray Ipv4(quint8 a, quint8 b, quint8 c, quint8 d);
// "::1" style text to 16 bytes.
QByteArray Ipv6(const char* text);
platform::SocketRow TcpRow(QByteArray local, quint16 localPort, QByteArray remote, quint16 remotePort, int state,
                           qint64 pid = 0);
platform::SocketRow UdpRow(QByteArray local, quint16 localPort, qint64 pid = 0);

}  // namespace meterly::fakes
