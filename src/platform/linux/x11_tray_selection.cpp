#include "platform/linux/x11_tray_selection.h"

#include <QtGui/qguiapplication_platform.h>
#include <QGuiApplication>

#include <cstdlib>
#include <memory>

namespace meterly::platform {

namespace {

template <typename T>
using XcbReply = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t InternAtom(xcb_connection_t* connection, const QByteArray& name) {
  const XcbReply<xcb_intern_atom_reply_t> atom(
      xcb_intern_atom_reply(
          connection, xcb_intern_atom(connection, 0, static_cast<quint16>(name.size()), name.constData()), nullptr),
      &std::free);
  return atom ? atom->atom : xcb_atom_t{XCB_NONE};
}

}  // namespace

X11TraySelection::X11TraySelection() {
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  connection_ = x11 != nullptr ? x11->connection() : nullptr;
  if (connection_ == nullptr) return;
  // The tray of the first screen, the one the program's windows are on.
  selection_ = InternAtom(connection_, QByteArrayLiteral("_NET_SYSTEM_TRAY_S0"));
  manager_ = InternAtom(connection_, QByteArrayLiteral("MANAGER"));
  QCoreApplication::instance()->installNativeEventFilter(this);
}

X11TraySelection::~X11TraySelection() {
  if (connection_ != nullptr && QCoreApplication::instance() != nullptr) {
    QCoreApplication::instance()->removeNativeEventFilter(this);
  }
}

bool X11TraySelection::Owned() {
  if (connection_ == nullptr || selection_ == XCB_NONE) return false;
  if (followed_) return true;
  owner_ = AskOwner();
  if (owner_ == XCB_NONE) return false;
  // From now on the server tells of the window's end. Asking again afterwards makes sure the
  // window did not end before that: an owner that is gone no longer owns the selection.
  const quint32 structureEvents = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
  const xcb_void_cookie_t follow =
      xcb_change_window_attributes_checked(connection_, owner_, XCB_CW_EVENT_MASK, &structureEvents);
  const xcb_window_t ownerAfter = AskOwner();
  // A window that ended in between makes an error that is ours, not the toolkit's to report.
  std::free(xcb_request_check(connection_, follow));
  followed_ = ownerAfter == owner_;
  owner_ = ownerAfter;
  return owner_ != XCB_NONE;
}

xcb_window_t X11TraySelection::AskOwner() const {
  const XcbReply<xcb_get_selection_owner_reply_t> owner(
      xcb_get_selection_owner_reply(connection_, xcb_get_selection_owner(connection_, selection_), nullptr),
      &std::free);
  return owner ? owner->owner : xcb_window_t{XCB_NONE};
}

bool X11TraySelection::nativeEventFilter(const QByteArray& eventType, void* message, qintptr* /*result*/) {
  if (!followed_ || eventType != "xcb_generic_event_t") return false;
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  switch (event->response_type & 0x7F) {
    case XCB_DESTROY_NOTIFY:
      if (static_cast<const xcb_destroy_notify_event_t*>(message)->window == owner_) followed_ = false;
      break;
    case XCB_CLIENT_MESSAGE: {
      const auto* client = static_cast<const xcb_client_message_event_t*>(message);
      if (client->type == manager_ && client->format == 32 && client->data.data32[1] == selection_) followed_ = false;
      break;
    }
    default:
      break;
  }
  // Others, the toolkit's own tray icon among them, need the same events.
  return false;
}

}  // namespace meterly::platform
