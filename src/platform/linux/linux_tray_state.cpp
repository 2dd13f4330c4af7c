#include "platform/linux/linux_tray_state.h"

#include <QtGui/qguiapplication_platform.h>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QGuiApplication>

#include <cstdlib>
#include <memory>

#include <xcb/xcb.h>

namespace meterly::platform {

namespace {

const QString WatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString NotificationsService = QStringLiteral("org.freedesktop.Notifications");
// A bus that does not answer within this time counts as offering nothing: the tick must go on.
constexpr int BusTimeoutMs = 250;
constexpr int NotificationTimeoutMs = -1;  // the service's own default

bool StatusNotifierHostRegistered() {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected() || bus.interface() == nullptr) return false;
  if (!bus.interface()->isServiceRegistered(WatcherService).value()) return false;
  QDBusMessage get =
      QDBusMessage::createMethodCall(WatcherService, QStringLiteral("/StatusNotifierWatcher"),
                                     QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
  get << WatcherService << QStringLiteral("IsStatusNotifierHostRegistered");
  const QDBusMessage reply = bus.call(get, QDBus::Block, BusTimeoutMs);
  if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return false;
  return reply.arguments().constFirst().value<QDBusVariant>().variant().toBool();
}

bool XEmbedTrayPresent() {
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return false;
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
  if (connection == nullptr) return false;
  // The tray of the first screen, the one the program's windows are on.
  static const QByteArray selection = QByteArrayLiteral("_NET_SYSTEM_TRAY_S0");
  const xcb_intern_atom_cookie_t atomCookie =
      xcb_intern_atom(connection, 0, static_cast<quint16>(selection.size()), selection.constData());
  std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
      xcb_intern_atom_reply(connection, atomCookie, nullptr), &std::free);
  if (!atom) return false;
  std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&std::free)> owner(
      xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atom->atom), nullptr), &std::free);
  return owner && owner->owner != XCB_NONE;
}

}  // namespace

std::optional<bool> LinuxShellTrayState::HidesInactiveIcons() { return false; }

TrayHosts LinuxShellTrayState::PresentTrayHosts() { return {StatusNotifierHostRegistered(), XEmbedTrayPresent()}; }

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
