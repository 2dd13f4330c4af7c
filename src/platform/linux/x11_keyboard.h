#pragma once

#include "platform/linux/x11_key_symbols.h"

#include <xcb/xcb.h>

#include <optional>
#include <vector>

namespace meterly::platform {

// The X server's keyboard map and modifier map, read once.
class X11Keyboard {
 public:
  explicit X11Keyboard(xcb_connection_t* connection);

  // The first key code that produces the symbol in any of its levels.
  std::optional<xcb_keycode_t> KeycodeOf(xcb_keysym_t symbol) const;

  // Whether the key carries the console switch symbols that the server itself acts on when it
  // is pressed with Ctrl+Alt (and no Shift), never passing the press on.
  bool SwitchesConsoles(xcb_keycode_t keycode) const;

  // Where Alt, Meta and NumLock sit; the protocol's defaults for any the map does not name.
  X11ModifierMasks ModifierMasks() const;

 private:
  bool Produces(xcb_keycode_t keycode, xcb_keysym_t symbol) const;
  quint16 MaskOf(xcb_keysym_t symbol, quint16 fallback) const;

  xcb_keycode_t firstKeycode_ = 0;
  int symbolsPerKeycode_ = 0;
  std::vector<xcb_keysym_t> symbols_;
  int keycodesPerModifier_ = 0;
  std::vector<xcb_keycode_t> modifierKeycodes_;  // eight rows: Shift, Lock, Control, Mod1..Mod5
};

}  // namespace meterly::platform
