#pragma once

#include "platform/global_hot_key.h"

#include <QAbstractNativeEventFilter>

#include <optional>

#include <xcb/xcb.h>

namespace meterly::platform {

// A passive key grab on every root window of the X server the application is connected to,
// held with and without CapsLock and NumLock so that those locks do not hide the key.
class X11GlobalHotKey : public GlobalHotKey, private QAbstractNativeEventFilter {
  Q_OBJECT

 public:
  X11GlobalHotKey() = default;
  ~X11GlobalHotKey() override;

  bool Register(const QKeySequence& keys, QString* error) override;
  void Unregister() override;

 private:
  struct HeldKey {
    xcb_connection_t* connection;
    xcb_keycode_t keycode;
    quint16 modifiers;
    quint16 locks;  // CapsLock and NumLock: the key is grabbed in every combination of them
  };

  // An empty text when the key is held now, else why not.
  QString Grab(const QKeySequence& keys);
  static QString GrabOnEveryRoot(const HeldKey& key);
  static void UngrabOnEveryRoot(const HeldKey& key);
  bool Matches(const xcb_key_press_event_t& press) const;

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

  std::optional<HeldKey> held_;
};

}  // namespace meterly::platform
