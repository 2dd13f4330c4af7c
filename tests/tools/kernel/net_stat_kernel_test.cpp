// The connections list over the real socket tables and processes: the test's own sockets on
// loopback, and a child process of its own that it ends.

#include "platform/linux/linux_name_lookup.h"
#include "platform/linux/linux_process_service.h"
#include "platform/linux/linux_socket_table.h"
#include "tools/net_stat_form.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUdpSocket>

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

namespace meterly {
namespace {

// A child process that waits until it is ended. Only async-signal-safe calls run in the child.
class Child {
 public:
  Child() : pid_(::fork()) {
    if (pid_ == 0) {
      for (;;) ::pause();
    }
  }

  ~Child() {
    if (pid_ <= 0 || reaped_) return;
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
  }

  // The signal that ended the child, waiting for it up to a few seconds; 0 while it runs.
  int EndingSignal() {
    for (int tries = 0; tries < 300 && !reaped_; ++tries) {
      int status = 0;
      if (::waitpid(pid_, &status, WNOHANG) == pid_) {
        reaped_ = true;
        signal_ = WIFSIGNALED(status) ? WTERMSIG(status) : -1;
      } else {
        ::usleep(10000);
      }
    }
    return signal_;
  }

  bool Running() {
    if (reaped_) return false;
    int status = 0;
    return ::waitpid(pid_, &status, WNOHANG) == 0;
  }

  pid_t pid() const { return pid_; }

 private:
  pid_t pid_ = -1;
  bool reaped_ = false;
  int signal_ = 0;
};

class NetStatKernelTest : public ::testing::Test {
 protected:
  NetStatKernelTest() : form(sockets, processes, names, ListExport{}) {}

  // The row whose local and remote texts are these, or -1.
  int RowOf(const QString& protocol, const QString& local, const QString& remote = QString()) {
    for (size_t at = 0; at < form.Rows().size(); ++at) {
      const TNetStatRow& row = form.Rows()[at];
      if (row.Protocol == protocol && row.LocalAddress == local && (remote.isEmpty() || row.RemoteAddress == remote)) {
        return static_cast<int>(at);
      }
    }
    return -1;
  }

  const TNetStatRow& Row(int at) { return form.Rows()[static_cast<size_t>(at)]; }

  static QString Loopback(quint16 port) { return QStringLiteral("127.0.0.1: %1").arg(port); }

  platform::LinuxSocketTable sockets;
  platform::LinuxProcessService processes;
  platform::LinuxNameLookup names;
  TNetStatForm form;
};

TEST_F(NetStatKernelTest, ListsItsOwnListenerConnectionAndUdpSocketWithItsNameAndPid) {
  QTcpServer server;
  ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
  QTcpSocket client;
  client.connectToHost(QHostAddress::LocalHost, server.serverPort());
  ASSERT_TRUE(client.waitForConnected(5000));
  ASSERT_TRUE(server.waitForNewConnection(5000));
  QUdpSocket udp;
  ASSERT_TRUE(udp.bind(QHostAddress::LocalHost, 0));

  form.Refresh();
  const QString listening = Loopback(server.serverPort());
  const QString connected = Loopback(client.localPort());
  const std::vector<std::pair<int, QString>> expected = {
      {RowOf("TCP", listening, QStringLiteral("0.0.0.0: 0")), QStringLiteral("LISTENING")},
      {RowOf("TCP", connected, listening), QStringLiteral("ESTABLISHED")},
      {RowOf("TCP", listening, connected), QStringLiteral("ESTABLISHED")},
      {RowOf("UDP", Loopback(udp.localPort())), QString()}};
  // The kernel keeps the first 15 bytes of the program's name.
  const QString ownName = QFileInfo(QCoreApplication::applicationFilePath()).fileName().left(15);
  for (const auto& [at, state] : expected) {
    ASSERT_GE(at, 0) << state.toStdString();
    EXPECT_EQ(Row(at).State, state);
    EXPECT_EQ(Row(at).Caption, ownName);
    EXPECT_EQ(Row(at).Process.pid, QCoreApplication::applicationPid());
    EXPECT_TRUE(Row(at).Terminable);
  }
}

TEST_F(NetStatKernelTest, AProcessIsEndedOnlyWhileItIsStillTheOneIdentified) {
  Child child;
  ASSERT_GT(child.pid(), 0);
  const std::optional<platform::ProcessInfo> info = processes.info(child.pid());
  ASSERT_TRUE(info);
  EXPECT_TRUE(info->mayTerminate);
  EXPECT_FALSE(info->path.isEmpty());

  EXPECT_FALSE(processes.terminate({child.pid(), info->identity.startTime + 1}).isEmpty());
  EXPECT_FALSE(processes.terminate({1, 1}).isEmpty()) << "init is never signalled";
  EXPECT_FALSE(processes.terminate({0, 0}).isEmpty());
  EXPECT_TRUE(child.Running());
  EXPECT_EQ(processes.terminate(info->identity), QString());
  EXPECT_EQ(child.EndingSignal(), SIGTERM);
  EXPECT_FALSE(processes.terminate(info->identity).isEmpty()) << "it has ended";
}

}  // namespace
}  // namespace meterly
