#pragma once

// The networks of the ICMP tests, all inside the test process's own network namespace and
// namespaces it creates: loopback, and a path of three hops over veth pairs with TEST-NET
// addresses. Nothing reaches the host's interfaces.

#include "private_network.h"

namespace meterly::platform::kerneltest {

// Writes a value under /proc/sys/net of the namespace this process is in. Empty or why not.
inline QString WriteNetSetting(const QString& name, const QByteArray& value) {
  QFile file(QStringLiteral("/proc/sys/net/") + name);
  if (!file.open(QIODevice::WriteOnly) || file.write(value + '\n') < 0) {
    return QStringLiteral("cannot write %1: %2").arg(name, file.errorString());
  }
  return QString();
}

inline QString AdmitAllToPingSockets() {
  return WriteNetSetting(QStringLiteral("ipv4/ping_group_range"), "0 2147483647");
}
inline QString AdmitNobodyToPingSockets() { return WriteNetSetting(QStringLiteral("ipv4/ping_group_range"), "1 0"); }

// Root only: the process's own namespace with loopback up.
class IcmpNamespaceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to create a network namespace";
    const QString failure = EnterPrivateNetworkNamespace();
    if (!failure.isEmpty()) GTEST_SKIP() << failure.toStdString();
    ASSERT_EQ(RunIp(QStringLiteral("link set lo up")), QString());
  }
};

// Builds, once a process, the path this namespace (192.0.2.1) -> r1 (192.0.2.2 | 198.51.100.1) ->
// r2 (198.51.100.2 | 203.0.113.1) -> dst (203.0.113.2), forwarding on in both routers. Their
// namespaces are named in a /run of this process's own mount namespace: they go away with it.
// Empty once the path is up; otherwise why not.
inline QString BuildThreeHopPath() {
  static const QString failure = [] {
    if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount("tmpfs", "/run", "tmpfs", MS_NOSUID | MS_NODEV, nullptr) != 0) {
      return QStringLiteral("no /run of this process's own: %1").arg(LastError());
    }
    const QString router = QStringLiteral("netns exec %1 sysctl -qw net.ipv4.ip_forward=1 net.ipv4.icmp_ratelimit=0");
    const std::pair<QString, QStringList> batches[] = {
        {QString(),
         {"netns add r1", "netns add r2", "netns add dst", "link add tha type veth peer name r1a netns r1",
          "link add r1b netns r1 type veth peer name r2a netns r2",
          "link add r2b netns r2 type veth peer name dst netns dst", "addr add 192.0.2.1/24 dev tha", "link set tha up",
          "route add default via 192.0.2.2", router.arg("r1"), router.arg("r2")}},
        {"r1",
         {"addr add 192.0.2.2/24 dev r1a", "link set r1a up", "addr add 198.51.100.1/24 dev r1b", "link set r1b up",
          "route add 203.0.113.0/24 via 198.51.100.2"}},
        {"r2",
         {"addr add 198.51.100.2/24 dev r2a", "link set r2a up", "addr add 203.0.113.1/24 dev r2b", "link set r2b up",
          "route add 192.0.2.0/24 via 198.51.100.1"}},
        {"dst", {"addr add 203.0.113.2/24 dev dst", "link set dst up", "route add default via 203.0.113.1"}},
    };
    for (const auto& [name, lines] : batches) {
      const QStringList inNamespace = name.isEmpty() ? QStringList() : QStringList{QStringLiteral("-n"), name};
      const QString batchFailure =
          RunIp(inNamespace + QStringList{QStringLiteral("-batch"), QStringLiteral("-")}, lines);
      if (!batchFailure.isEmpty()) return batchFailure;
    }
    return QString();
  }();
  return failure;
}

}  // namespace meterly::platform::kerneltest
