// The connections list over the real socket tables and processes: the test's own sockets on
// loopback, and a child process of its own that it ends.

#include "platform/linux/linux_name_lookup.h"
#include "platform/linux/linux_process_service.h"
#include "platform/linux/linux_socket_table.h"
#include "tools/net_stat_form.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTableWidget>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUdpSocket>

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

namespace meterly {
namespace {

// A child process that holds a UDP socket on loopback until it is ended. Only async-signal-safe
// calls run in the child.
class UdpChild {
 public:
  UdpChild() {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) return;
    pid_ = ::fork();
    if (pid_ == 0) {
      ::close(pipeEnds[0]);
      const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
      sockaddr_in address{};
      address.sin_family = AF_INET;
      address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
      socklen_t length = sizeof address;
      quint16 port = 0;
      if (fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
          ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
        port = ntohs(address.sin_port);
      }
      if (::write(pipeEnds[1], &port, sizeof port) != sizeof port) ::_exit(2);
      for (;;) ::pause();
    }
    ::close(pipeEnds[1]);
    if (pid_ > 0 && ::read(pipeEnds[0], &port_, sizeof port_) != sizeof port_) port_ = 0;
    ::close(pipeEnds[0]);
  }

  ~UdpChild() {
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
  quint16 port() const { return port_; }

 private:
  pid_t pid_ = -1;
  quint16 port_ = 0;
  bool reaped_ = false;
  int signal_ = 0;
};

class NetStatKernelTest : public ::testing::Test {
 protected:
  NetStatKernelTest() : form(sockets, processes, names, ListExport{}) {
    form.SetMessageSink([this](QMessageBox::Icon, const QString&, const QString& text) { messages << text; });
  }

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
  QStringList messages;
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

TEST_F(NetStatKernelTest, TerminateEndsItsOwnChildThroughTheAction) {
  UdpChild child;
  ASSERT_GT(child.pid(), 0);
  ASSERT_NE(child.port(), 0);
  form.Refresh();
  const int at = RowOf("UDP", Loopback(child.port()));
  ASSERT_GE(at, 0);
  // Never anything but the child: the row must be its own.
  ASSERT_EQ(Row(at).Process.pid, child.pid());
  form.ListView->selectRow(at);
  ASSERT_TRUE(form.ActionTerminateApplication->isEnabled());
  form.ActionTerminateApplication->trigger();
  EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
  EXPECT_EQ(child.EndingSignal(), SIGTERM);
}

TEST_F(NetStatKernelTest, AProcessIsEndedOnlyWhileItIsStillTheOneIdentified) {
  UdpChild child;
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
