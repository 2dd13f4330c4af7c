// The connections list over the real socket tables and processes: the test's own sockets on
// loopback, and a child process of its own that it ends.

#include "platform/linux/linux_name_lookup.h"
#include "platform/linux/linux_process_service.h"
#include "platform/linux/linux_socket_table.h"
#include "tools/net_stat_form.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUdpSocket>

#include <gtest/gtest.h>

#include <csignal>

namespace meterly {
namespace {

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
  QProcess child;
  child.start(QStringLiteral("sleep"), {QStringLiteral("60")});
  ASSERT_TRUE(child.waitForStarted());
  const auto pid = static_cast<pid_t>(child.processId());
  const std::optional<platform::ProcessInfo> info = processes.Info(pid);
  ASSERT_TRUE(info);
  EXPECT_TRUE(info->mayTerminate);
  EXPECT_FALSE(info->path.isEmpty());

  EXPECT_FALSE(processes.Terminate({pid, info->identity.startTime + 1}).isEmpty());
  EXPECT_FALSE(processes.Terminate({1, 1}).isEmpty()) << "init is never signalled";
  EXPECT_FALSE(processes.Terminate({0, 0}).isEmpty());
  EXPECT_FALSE(child.waitForFinished(200)) << "still running";
  EXPECT_EQ(processes.Terminate(info->identity), QString());
  ASSERT_TRUE(child.waitForFinished(5000));
  EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);
  EXPECT_EQ(child.exitCode(), SIGTERM) << "asked to end, not killed";
  EXPECT_FALSE(processes.Terminate(info->identity).isEmpty()) << "it has ended";
}

}  // namespace
}  // namespace meterly
