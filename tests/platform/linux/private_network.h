#pragma once

// Real-kernel tests run in a network namespace of their own, with links they create there.
// Nothing they do reaches the host's interfaces: ctest runs every test case in its own process,
// and that process leaves the host's namespace before anything else happens.

#include <QByteArray>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QThread>

#include "support/send_frames.h"

#include <gtest/gtest.h>
#include <net/if.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <functional>
#include <vector>

namespace meterly::platform::kerneltest {

// Empty when this process now lives in a network namespace of its own; otherwise why not.
inline QString EnterPrivateNetworkNamespace() {
  static QString failure = [] {
    if (::unshare(CLONE_NEWNET) != 0) return QStringLiteral("unshare(CLONE_NEWNET) failed: %1").arg(LastError());
    // No IPv6 autoconfiguration: it would send and change things on its own while a test runs.
    for (const char* path :
         {"/proc/sys/net/ipv6/conf/all/disable_ipv6", "/proc/sys/net/ipv6/conf/default/disable_ipv6"}) {
      QFile file(QString::fromLatin1(path));
      if (file.open(QIODevice::WriteOnly)) file.write("1\n");
    }
    return QString();
  }();
  return failure;
}

// Empty when /sys now shows this process's network namespace: a private mount namespace with
// a sysfs of its own mounted over /sys. Otherwise why not.
inline QString MountOwnSysfs() {
  static QString failure = [] {
    // Mounts made private first: the new one must not propagate back to the host's mount namespace.
    if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount("sysfs", "/sys", "sysfs", MS_NOSUID | MS_NODEV | MS_NOEXEC, nullptr) != 0) {
      return QStringLiteral("no sysfs of this process's own: %1").arg(LastError());
    }
    return QString();
  }();
  return failure;
}

// Runs `ip` with the arguments (and a batch on its standard input); empty, or what went wrong.
inline QString RunIp(const QStringList& arguments, const QStringList& batch = {}) {
  QProcess ip;
  ip.start(QStringLiteral("ip"), arguments);
  if (!ip.waitForStarted(5000)) return QStringLiteral("ip did not start: %1").arg(ip.errorString());
  if (!batch.isEmpty()) ip.write(batch.join(QLatin1Char('\n')).toUtf8() + '\n');
  ip.closeWriteChannel();
  if (!ip.waitForFinished(60000)) return QStringLiteral("ip did not finish");
  if (ip.exitStatus() != QProcess::NormalExit || ip.exitCode() != 0) {
    return QStringLiteral("ip %1: %2")
        .arg(arguments.join(QLatin1Char(' ')), QString::fromUtf8(ip.readAllStandardError()));
  }
  return QString();
}

// The same with the arguments written as one line, split at its spaces.
inline QString RunIp(const QString& arguments) { return RunIp(arguments.split(QLatin1Char(' '))); }

// Polls `condition` until it holds or `milliseconds` pass; whether it held.
inline bool WaitUntil(const std::function<bool()>& condition, int milliseconds = 2000) {
  QDeadlineTimer deadline(milliseconds);
  while (!condition()) {
    if (deadline.hasExpired()) return false;
    QThread::msleep(10);
  }
  return true;
}

// Root only: a fresh namespace with a veth pair (veth0, veth1) and one stand-alone virtual
// link, all up. The stand-alone link is dummy0 where the kernel has the dummy driver; kernels
// built without it get a bridge without ports (bridge0) in its place.
class PrivateNetworkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to create a network namespace and links in it";
    const QString namespaceFailure = EnterPrivateNetworkNamespace();
    if (!namespaceFailure.isEmpty()) GTEST_SKIP() << namespaceFailure.toStdString();

    ASSERT_NO_FATAL_FAILURE(CreateLink(QStringLiteral("veth0 type veth peer name veth1")));
    ASSERT_NO_FATAL_FAILURE(Ip(QStringLiteral("link set veth1 up")));
    spare = QStringLiteral("dummy0");
    if (!TryCreateLink(QStringLiteral("dummy0 type dummy")).isEmpty()) {
      spare = QStringLiteral("bridge0");
      ASSERT_NO_FATAL_FAILURE(CreateLink(QStringLiteral("bridge0 type bridge")));
    }
  }

  void TearDown() override {
    for (const QString& link : created_) RunIp(QStringLiteral("link del ") + link);
  }

  // Adds a link ("ip link add" arguments, its name first), up, deleted after the test; empty or why not.
  QString TryCreateLink(const QString& arguments) {
    const QString failure = RunIp(QStringLiteral("link add ") + arguments);
    if (!failure.isEmpty()) return failure;
    const QString link = arguments.section(QLatin1Char(' '), 0, 0);
    created_.push_back(link);
    return RunIp(QStringLiteral("link set %1 up").arg(link));
  }

  void CreateLink(const QString& arguments) {
    const QString failure = TryCreateLink(arguments);
    ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
  }

  // A link a test made by other means, to be deleted after it.
  void Remember(const QString& link) { created_.push_back(link); }

  void Ip(const QStringList& arguments, const QStringList& batch = {}) {
    const QString failure = RunIp(arguments, batch);
    ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
  }
  void Ip(const QString& arguments) { Ip(arguments.split(QLatin1Char(' '))); }

  static quint32 IndexOf(const QString& link) { return ::if_nametoindex(link.toUtf8().constData()); }

  QString spare;

 private:
  std::vector<QString> created_;
};

}  // namespace meterly::platform::kerneltest
