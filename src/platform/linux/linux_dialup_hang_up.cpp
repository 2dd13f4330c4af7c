#include "platform/linux/linux_dialup_hang_up.h"

#include "platform/linux/file_descriptor.h"
#include "platform/linux/proc_files.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusObjectPath>
#include <QDBusReply>

#include <cerrno>
#include <csignal>
#include <cstring>

#include <sys/syscall.h>
#include <unistd.h>

namespace meterly::platform {

namespace {

constexpr int kDbusTimeoutMs = 3000;
const QString kNetworkManager = QStringLiteral("org.freedesktop.NetworkManager");
const QString kNetworkManagerPath = QStringLiteral("/org/freedesktop/NetworkManager");
const QString kDeviceInterface = QStringLiteral("org.freedesktop.NetworkManager.Device");

QString SystemErrorText(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

bool Fail(QString* error, const QString& text) {
  if (error != nullptr) *error = text;
  return false;
}

}  // namespace

std::optional<int> ParsePppdPidFile(const QByteArray& contents) {
  const QByteArray firstLine = contents.left(contents.indexOf('\n')).trimmed();
  bool ok = false;
  const int pid = firstLine.toInt(&ok);
  if (!ok || pid <= 1) return std::nullopt;
  return pid;
}

bool PppdHangUp::HangUp(const QByteArray& interfaceName, QString* error) const {
  if (interfaceName.isEmpty() || interfaceName.contains('/') || interfaceName.startsWith('.')) {
    return Fail(
        error,
        QCoreApplication::translate("Dialup", "\"%1\" is not an interface name").arg(QString::fromUtf8(interfaceName)));
  }
  const QByteArray pidFile = runDir_ + '/' + interfaceName + ".pid";
  const auto pid = ParsePppdPidFile(ReadProcFile(pidFile));
  if (!pid)
    return Fail(error,
                QCoreApplication::translate("Dialup", "no pppd is named in %1").arg(QString::fromLocal8Bit(pidFile)));

  const FileDescriptor process(static_cast<int>(::syscall(SYS_pidfd_open, *pid, 0)));
  if (process.Get() < 0) {
    return Fail(error, QCoreApplication::translate("Dialup", "pppd %1 of %2: %3")
                           .arg(*pid)
                           .arg(QString::fromUtf8(interfaceName), SystemErrorText(errno)));
  }
  const QByteArray name = ReadProcFile("/proc/" + QByteArray::number(*pid) + "/comm").trimmed();
  if (name != "pppd") {
    return Fail(error, QCoreApplication::translate("Dialup", "%1 names process %2, which is not pppd")
                           .arg(QString::fromLocal8Bit(pidFile))
                           .arg(*pid));
  }
  if (::syscall(SYS_pidfd_send_signal, process.Get(), SIGTERM, nullptr, 0) != 0) {
    return Fail(
        error,
        QCoreApplication::translate("Dialup", "pppd %1 cannot be ended: %2").arg(*pid).arg(SystemErrorText(errno)));
  }
  return true;
}

std::optional<bool> DeactivateThroughNetworkManager(const QString& interfaceName, QString* error) {
  QDBusConnection bus = QDBusConnection::systemBus();
  if (!bus.isConnected()) return std::nullopt;
  QDBusInterface manager(kNetworkManager, kNetworkManagerPath, kNetworkManager, bus);
  if (!manager.isValid()) return std::nullopt;
  manager.setTimeout(kDbusTimeoutMs);
  const QDBusReply<QDBusObjectPath> device = manager.call(QStringLiteral("GetDeviceByIpIface"), interfaceName);
  if (!device.isValid()) return std::nullopt;

  QDBusInterface deviceObject(kNetworkManager, device.value().path(), kDeviceInterface, bus);
  deviceObject.setTimeout(kDbusTimeoutMs);
  const QVariant active = deviceObject.property("ActiveConnection");
  const QString activePath = active.value<QDBusObjectPath>().path();
  if (activePath.isEmpty() || activePath == QStringLiteral("/")) return std::nullopt;

  const QDBusMessage reply =
      manager.call(QStringLiteral("DeactivateConnection"), QVariant::fromValue(QDBusObjectPath(activePath)));
  if (reply.type() == QDBusMessage::ErrorMessage) return Fail(error, reply.errorMessage());
  return true;
}

}  // namespace meterly::platform
