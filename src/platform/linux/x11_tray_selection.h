#pragma once

#include <QAbstractNativeEventFilter>

#include <xcb/xcb.h>

namespace meterly::platform {

// Whether an XEmbed system tray owns the first screen's tray selection, on the application's X
// connection. Once a tray is found its window is followed through the server's events instead
// of asking the server again every time: the window's destruction (the tray ended) and a
// MANAGER message on the root window (another tray took the selection over) make the next call
// ask again. While no tray is there, every call asks.
class X11TraySelection : private QAbstractNativeEventFilter {
 public:
  X11TraySelection();
  ~X11TraySelection() override;
  X11TraySelection(const X11TraySelection&) = delete;
  X11TraySelection& operator=(const X11TraySelection&) = delete;

  bool Owned();

 private:
  xcb_window_t AskOwner() const;
  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

  xcb_connection_t* connection_ = nullptr;
  xcb_atom_t selection_ = XCB_NONE;
  xcb_atom_t manager_ = XCB_NONE;
  xcb_window_t owner_ = XCB_NONE;
  // owner_ still owns the selection, as far as the events tell.
  bool followed_ = false;
};

}  // namespace meterly::platform
