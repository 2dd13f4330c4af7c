#include "platform/linux/logind_power_service.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>

namespace meterly::platform {

namespace {

const QString kService = QStringLiteral("org.freedesktop.login1");
const QString kPath = QStringLiteral("/org/freedesktop/login1");
const QString kManager = QStringLiteral("org.freedesktop.login1.Manager");

bool Fail(QString* error, const QString& reason) {
  if (error != nullptr) *error = reason;
  return false;
}

}  // namespace

bool LogindPowerService::PowerOff(QString* error) {
  QDBusConnection bus = QDBusConnection::systemBus();
  if (!bus.isConnected())
    return Fail(error, QCoreApplication::translate("Power", "No system bus: %1").arg(bus.lastError().message()));

  QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kManager, QStringLiteral("PowerOff"));
  call << false;  // not interactive: polkit must not prompt
  const QDBusMessage reply = bus.call(call);
  if (reply.type() == QDBusMessage::ErrorMessage) {
    return Fail(error, reply.errorName() + QStringLiteral(": ") + reply.errorMessage());
  }
  return true;
}

}  // namespace meterly::platform
