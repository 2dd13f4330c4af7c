#include "platform/linux/x11_global_hot_key.h"

#include "platform/linux/x11_key_symbols.h"
#include "platform/linux/x11_keyboard.h"

#include <QtGui/qguiapplication_platform.h>
#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdlib>
#include <vector>

namespace meterly::platform {

namespace {

constexpr quint8 BadAccess = 10;
constexpr quint16 AllModifierBits = 0x00FF;  // Shift, Lock, Control, Mod1..Mod5

xcb_connection_t* ApplicationConnection() {
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return nullptr;
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  return x11 != nullptr ? x11->connection() : nullptr;
}

std::vector<xcb_window_t> RootWindows(xcb_connection_t* connection) {
  std::vector<xcb_window_t> roots;
  for (auto screen = xcb_setup_roots_iterator(xcb_get_setup(connection)); screen.rem > 0; xcb_screen_next(&screen)) {
    roots.push_back(screen.data->root);
  }
  return roots;
}

// Every subset of the lock bits, none included.
std::vector<quint16> LockStates(quint16 locks) {
  std::vector<quint16> states;
  for (quint16 state = locks;; state = (state - 1) & locks) {
    states.push_back(state);
    if (state == 0) return states;
  }
}

bool SwitchesConsoles(const X11Keyboard& keyboard, xcb_keycode_t keycode, Qt::KeyboardModifiers modifiers) {
  return modifiers.testFlags(Qt::ControlModifier | Qt::AltModifier) && !modifiers.testFlag(Qt::ShiftModifier) &&
         keyboard.SwitchesConsoles(keycode);
}

QString GrabErrorText(const xcb_generic_error_t& error) {
  if (error.error_code == BadAccess)
    return QCoreApplication::translate("HotKey", "the key combination is already taken by another program");
  return QCoreApplication::translate("HotKey", "the X server refused the key grab (X error %1)").arg(error.error_code);
}

}  // namespace

X11GlobalHotKey::~X11GlobalHotKey() { Unregister(); }

bool X11GlobalHotKey::Register(const QKeySequence& keys, QString* error) {
  Unregister();
  const QString failure = Grab(keys);
  if (failure.isEmpty()) {
    QCoreApplication::instance()->installNativeEventFilter(this);
    return true;
  }
  if (error != nullptr) *error = failure;
  return false;
}

void X11GlobalHotKey::Unregister() {
  if (!held_) return;
  // Without the application its connection is gone, and the server dropped the grabs with it.
  if (QCoreApplication::instance() != nullptr) {
    QCoreApplication::instance()->removeNativeEventFilter(this);
    UngrabOnEveryRoot(*held_);
  }
  held_.reset();
}

QString X11GlobalHotKey::Grab(const QKeySequence& keys) {
  if (keys.isEmpty()) return QCoreApplication::translate("HotKey", "no key combination was given");
  xcb_connection_t* connection = ApplicationConnection();
  if (connection == nullptr) return QCoreApplication::translate("HotKey", "global hot keys need an X11 session");

  const QKeyCombination combination = keys[0];
  const Qt::KeyboardModifiers modifiers = combination.keyboardModifiers();
  const std::optional<quint32> symbol = KeySymbolOf(combination.key(), modifiers.testFlag(Qt::KeypadModifier));
  if (!symbol) return QCoreApplication::translate("HotKey", "X11 has no key symbol for this key");
  const X11Keyboard keyboard(connection);
  const std::optional<xcb_keycode_t> keycode = keyboard.KeycodeOf(*symbol);
  if (!keycode) return QCoreApplication::translate("HotKey", "the key is not on this keyboard");

  if (SwitchesConsoles(keyboard, *keycode, modifiers)) {
    return QCoreApplication::translate("HotKey", "the X server keeps this key combination for switching consoles");
  }
  const X11ModifierMasks masks = keyboard.ModifierMasks();
  const HeldKey key{connection, *keycode, ModifierMaskOf(modifiers, masks),
                    static_cast<quint16>(XCB_MOD_MASK_LOCK | masks.numLock)};
  const QString failure = GrabOnEveryRoot(key);
  if (failure.isEmpty()) held_ = key;
  return failure;
}

QString X11GlobalHotKey::GrabOnEveryRoot(const HeldKey& key) {
  std::vector<xcb_void_cookie_t> grabs;
  for (const xcb_window_t root : RootWindows(key.connection)) {
    for (const quint16 locks : LockStates(key.locks)) {
      grabs.push_back(xcb_grab_key_checked(key.connection, 1, root, key.modifiers | locks, key.keycode,
                                           XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    }
  }
  QString failure;
  for (const xcb_void_cookie_t grab : grabs) {
    xcb_generic_error_t* error = xcb_request_check(key.connection, grab);
    if (error == nullptr) continue;
    if (failure.isEmpty()) failure = GrabErrorText(*error);
    std::free(error);
  }
  // Half a grab would still take the key from other programs in some lock states.
  if (!failure.isEmpty()) UngrabOnEveryRoot(key);
  return failure;
}

void X11GlobalHotKey::UngrabOnEveryRoot(const HeldKey& key) {
  for (const xcb_window_t root : RootWindows(key.connection)) {
    for (const quint16 locks : LockStates(key.locks)) {
      xcb_ungrab_key(key.connection, key.keycode, root, key.modifiers | locks);
    }
  }
  xcb_flush(key.connection);
}

bool X11GlobalHotKey::Matches(const xcb_key_press_event_t& press) const {
  return press.detail == held_->keycode && press.event == press.root &&
         (press.state & AllModifierBits & ~held_->locks) == held_->modifiers;
}

bool X11GlobalHotKey::nativeEventFilter(const QByteArray& eventType, void* message, qintptr* /*result*/) {
  if (!held_ || eventType != "xcb_generic_event_t") return false;
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  if ((event->response_type & 0x7F) != XCB_KEY_PRESS) return false;
  if (!Matches(*static_cast<const xcb_key_press_event_t*>(message))) return false;
  // The receivers may change windows; that must not happen inside the X event dispatch.
  QMetaObject::invokeMethod(this, &GlobalHotKey::activated, Qt::QueuedConnection);
  return true;
}

}  // namespace meterly::platform
