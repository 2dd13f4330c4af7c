#include "platform/linux/linux_tray_state.h"

#include <QtGui/qguiapplication_platform.h>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QGuiApplication>

#include <cstdlib>
#include <memory>

#include <xcb/xcb.h>

namespace meterly::platform {

namespace {

const QString WatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString NotificationsService = QStringLiteral("org.freedesktop.Notifications");
// A bus that does not answer within this time counts as offering nothing.
constexpr int BusTimeoutMs = 250;
constexpr int NotificationTimeoutMs = -1;  // the service's own default

bool XEmbedTrayPresent() {
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return false;
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
  if (connection == nullptr) return false;
  // The tray of the first screen, the one the program's windows are on; its atom never changes.
  static const xcb_atom_t selection = [connection] {
    static const QByteArray name = QByteArrayLiteral("_NET_SYSTEM_TRAY_S0");
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, static_cast<quint16>(name.size()), name.constData()), nullptr),
        &std::free);
    return atom ? atom->atom : xcb_atom_t{XCB_NONE};
  }();
  if (selection == XCB_NONE) return false;
  std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&std::free)> owner(
      xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, selection), nullptr), &std::free);
  return owner && owner->owner != XCB_NONE;
}

}  // namespace

std::optional<bool> LinuxShellTrayState::HidesInactiveIcons() { return false; }

TrayHosts LinuxShellTrayState::PresentTrayHosts() {
  if (!watching_) WatchStatusNotifierHosts();
  return {statusNotifierHost_, XEmbedTrayPresent()};
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
