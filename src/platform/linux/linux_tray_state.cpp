#include "platform/linux/linux_tray_state.h"

#include "platform/linux/x11_tray_selection.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>

namespace meterly::platform {

namespace {

const QString WatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString NotificationsService = QStringLiteral("org.freedesktop.Notifications");
// A bus that does not answer within this time counts as offering nothing.
constexpr int BusTimeoutMs = 250;
constexpr int NotificationTimeoutMs = -1;  // the service's own default

}  // namespace

LinuxShellTrayState::LinuxShellTrayState() = default;
LinuxShellTrayState::~LinuxShellTrayState() = default;

std::optional<bool> LinuxShellTrayState::HidesInactiveIcons() { return false; }

TrayHosts LinuxShellTrayState::PresentTrayHosts() {
  if (!watching_) WatchStatusNotifierHosts();
  if (!xembedTray_) xembedTray_ = std::make_unique<X11TraySelection>();
  return {statusNotifierHost_, xembedTray_->Owned()};
}

void LinuxShellTrayState::WatchStatusNotifierHosts() {
  watching_ = true;
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return;
  auto* watcher = new QDBusServiceWatcher(WatcherService, bus, QDBusServiceWatcher::WatchForOwnerChange, this);
  connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, this, &LinuxShellTrayState::AskWhetherHostRegistered);
  for (const char* signal : {"StatusNotifierHostRegistered", "StatusNotifierHostUnregistered"}) {
    bus.connect(WatcherService, QStringLiteral("/StatusNotifierWatcher"), WatcherService, QLatin1String(signal), this,
                SLOT(AskWhetherHostRegistered()));
  }
  AskWhetherHostRegistered();
}

void LinuxShellTrayState::AskWhetherHostRegistered() {
  QDBusMessage get =
      QDBusMessage::createMethodCall(WatcherService, QStringLiteral("/StatusNotifierWatcher"),
                                     QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
  get << WatcherService << QStringLiteral("IsStatusNotifierHostRegistered");
  auto* call = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(get, BusTimeoutMs), this);
  connect(call, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* answer) {
    const QDBusPendingReply<QDBusVariant> reply = *answer;
    statusNotifierHost_ = reply.isValid() && reply.value().variant().toBool();
    answer->deleteLater();
  });
}

bool LinuxShellTrayState::ShowNotification(const QString& title, const QString& text) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return false;
  QDBusMessage notify =
      QDBusMessage::createMethodCall(NotificationsService, QStringLiteral("/org/freedesktop/Notifications"),
                                     NotificationsService, QStringLiteral("Notify"));
  notify << QStringLiteral("Meterly") << notificationId_ << QStringLiteral("meterly") << title << text << QStringList()
         << QVariantMap() << NotificationTimeoutMs;
  // Not waited for: the id of the answer is what the next notification replaces.
  auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(notify), this);
  connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* call) {
    const QDBusPendingReply<quint32> reply = *call;
    if (reply.isValid()) notificationId_ = reply.value();
    call->deleteLater();
  });
  return true;
}

}  // namespace meterly::platform
