#pragma once

// The networks of the ICMP tests, all inside the test process's own network namespace and
// namespaces it creates: loopback, and a path of three hops over veth pairs with TEST-NET
// addresses. Nothing reaches the host's interfaces.

#include "private_network.h"

namespace meterly::platform::kerneltest {

// Writes a value under /proc/sys/net of the namespace this process is in. Empty or why not.
inline QString writeNetSetting(const QString& name, const QByteArray& value) {
  QFile file(QStringLiteral("/proc/sys/net/") + name);
  if (!file.open(QIODevice::WriteOnly) || file.write(value + '\n') < 0) {
    return QStringLiteral("cannot write %1: %2").arg(name, file.errorString());
  }
  return QString();
}

inline QString admitAllToPingSockets() {
  return writeNetSetting(QStringLiteral("ipv4/ping_group_range"), "0 2147483647");
}
inline QString admitNobodyToPingSockets() { return writeNetSetting(QStringLiteral("ipv4/ping_group_range"), "1 0"); }

// Root only: the process's own namespace with loopback up.
class IcmpNamespaceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to create a network namespace";
    const QString failure = enterPrivateNetworkNamespace();
    if (!failure.isEmpty()) GTEST_SKIP() << failure.toStdString();
    ASSERT_EQ(runIp(QStringLiteral("link set lo up")), QString());
  }
};

// A namespace of its own held by a child process; it goes away with the child.
class ChildNamespace {
 public:
  ChildNamespace() {
    process_.start(QStringLiteral("unshare"), {QStringLiteral("-n"), QStringLiteral("sleep"), QStringLiteral("600")});
  }
  ~ChildNamespace() {
    process_.kill();
    process_.waitForFinished(5000);
  }

  // Empty once the child lives in its new namespace; otherwise why not.
  QString ready() {
    if (!process_.waitForStarted(5000)) return QStringLiteral("unshare did not start");
    const QString own = QFile::symLinkTarget(QStringLiteral("/proc/self/ns/net"));
    const QString child = QStringLiteral("/proc/%1/ns/net").arg(process_.processId());
    if (!waitUntil([&] { return QFile::symLinkTarget(child) != own && !QFile::symLinkTarget(child).isEmpty(); },
                   5000)) {
      return QStringLiteral("the child did not enter a namespace of its own");
    }
    return QString();
  }

  QString pid() const { return QString::number(process_.processId()); }

  // Runs a shell command line inside the namespace, which must be safe to run again: a link just
  // moved in may not be ready for everything at once. Empty or why not.
  QString run(const QString& commandLine) {
    QString failure;
    for (int attempt = 0; attempt < 3; ++attempt) {
      QProcess shell;
      shell.start(QStringLiteral("nsenter"), {QStringLiteral("-t"), pid(), QStringLiteral("-n"), QStringLiteral("sh"),
                                              QStringLiteral("-ec"), commandLine});
      if (shell.waitForFinished(30000) && shell.exitStatus() == QProcess::NormalExit && shell.exitCode() == 0) {
        return QString();
      }
      failure =
          QStringLiteral("in namespace: %1: %2").arg(commandLine, QString::fromUtf8(shell.readAllStandardError()));
      QThread::msleep(200);
    }
    return failure;
  }

 private:
  QProcess process_;
};

// This namespace (192.0.2.1) -> router 1 (192.0.2.2 | 198.51.100.1) -> router 2 (198.51.100.2 |
// 203.0.113.1) -> destination (203.0.113.2), forwarding on in both routers.
class ThreeHopPath {
 public:
  // Empty once the path is up; otherwise why not.
  QString build() {
    for (ChildNamespace* child : {&router1_, &router2_, &destination_}) {
      const QString failure = child->ready();
      if (!failure.isEmpty()) return failure;
    }
    // A path built by an earlier test of this process may still be going away with its namespaces.
    runIp(QStringLiteral("link del tha"));
    const QStringList here = {
        QStringLiteral("link add name tha type veth peer name r1a"),
        QStringLiteral("link set r1a netns %1").arg(router1_.pid()),
        QStringLiteral("link add name r1b type veth peer name r2a"),
        QStringLiteral("link set r1b netns %1").arg(router1_.pid()),
        QStringLiteral("link set r2a netns %1").arg(router2_.pid()),
        QStringLiteral("link add name r2b type veth peer name dst"),
        QStringLiteral("link set r2b netns %1").arg(router2_.pid()),
        QStringLiteral("link set dst netns %1").arg(destination_.pid()),
        QStringLiteral("addr add 192.0.2.1/24 dev tha"),
        QStringLiteral("link set tha up"),
        QStringLiteral("route replace default via 192.0.2.2"),
    };
    QString failure = runIp({QStringLiteral("-batch"), QStringLiteral("-")}, here);
    if (!failure.isEmpty()) return failure;
    const QString router = QStringLiteral(
        "ip link set lo up; ip addr replace %1 dev %2; ip link set %2 up; ip addr replace %3 dev %4; "
        "ip link set %4 up; ip route replace %5; echo 1 > /proc/sys/net/ipv4/ip_forward; "
        "echo 0 > /proc/sys/net/ipv4/icmp_ratelimit");
    failure = router1_.run(router.arg(QStringLiteral("192.0.2.2/24"), QStringLiteral("r1a"),
                                      QStringLiteral("198.51.100.1/24"), QStringLiteral("r1b"),
                                      QStringLiteral("203.0.113.0/24 via 198.51.100.2")));
    if (!failure.isEmpty()) return failure;
    failure = router2_.run(router.arg(QStringLiteral("198.51.100.2/24"), QStringLiteral("r2a"),
                                      QStringLiteral("203.0.113.1/24"), QStringLiteral("r2b"),
                                      QStringLiteral("192.0.2.0/24 via 198.51.100.1")));
    if (!failure.isEmpty()) return failure;
    return destination_.run(
        QStringLiteral("ip link set lo up; ip addr replace 203.0.113.2/24 dev dst; ip link set dst up; "
                       "ip route replace default via 203.0.113.1"));
  }

 private:
  ChildNamespace router1_;
  ChildNamespace router2_;
  ChildNamespace destination_;
};

}  // namespace meterly::platform::kerneltest
