#include "platform/linux/x11_keyboard.h"

#include <X11/XF86keysym.h>
#include <X11/keysym.h>

#include <cstdlib>
#include <memory>

namespace meterly::platform {

namespace {

struct FreeReply {
  void operator()(void* reply) const { std::free(reply); }
};

template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, FreeReply>;

constexpr int ModifierCount = 8;

}  // namespace

X11Keyboard::X11Keyboard(xcb_connection_t* connection) {
  const xcb_setup_t* setup = xcb_get_setup(connection);
  firstKeycode_ = setup->min_keycode;
  const auto keycodeCount = static_cast<quint8>(setup->max_keycode - setup->min_keycode + 1);
  const ReplyPtr<xcb_get_keyboard_mapping_reply_t> keyboard(xcb_get_keyboard_mapping_reply(
      connection, xcb_get_keyboard_mapping(connection, firstKeycode_, keycodeCount), nullptr));
  if (keyboard) {
    const xcb_keysym_t* symbols = xcb_get_keyboard_mapping_keysyms(keyboard.get());
    symbolsPerKeycode_ = keyboard->keysyms_per_keycode;
    symbols_.assign(symbols, symbols + xcb_get_keyboard_mapping_keysyms_length(keyboard.get()));
  }
  const ReplyPtr<xcb_get_modifier_mapping_reply_t> modifiers(
      xcb_get_modifier_mapping_reply(connection, xcb_get_modifier_mapping(connection), nullptr));
  if (modifiers) {
    const xcb_keycode_t* keycodes = xcb_get_modifier_mapping_keycodes(modifiers.get());
    keycodesPerModifier_ = modifiers->keycodes_per_modifier;
    modifierKeycodes_.assign(keycodes, keycodes + xcb_get_modifier_mapping_keycodes_length(modifiers.get()));
  }
}

bool X11Keyboard::Produces(xcb_keycode_t keycode, xcb_keysym_t symbol) const {
  if (keycode < firstKeycode_ || symbolsPerKeycode_ == 0) return false;
  const size_t first = static_cast<size_t>(keycode - firstKeycode_) * static_cast<size_t>(symbolsPerKeycode_);
  for (size_t level = 0; level < static_cast<size_t>(symbolsPerKeycode_); ++level) {
    if (first + level < symbols_.size() && symbols_[first + level] == symbol) return true;
  }
  return false;
}

std::optional<xcb_keycode_t> X11Keyboard::KeycodeOf(xcb_keysym_t symbol) const {
  if (symbolsPerKeycode_ == 0) return std::nullopt;
  const size_t keycodes = symbols_.size() / static_cast<size_t>(symbolsPerKeycode_);
  for (size_t index = 0; index < keycodes; ++index) {
    const auto keycode = static_cast<xcb_keycode_t>(firstKeycode_ + index);
    if (Produces(keycode, symbol)) return keycode;
  }
  return std::nullopt;
}

bool X11Keyboard::SwitchesConsoles(xcb_keycode_t keycode) const {
  for (xcb_keysym_t symbol = XF86XK_Switch_VT_1; symbol <= XF86XK_Switch_VT_12; ++symbol) {
    if (Produces(keycode, symbol)) return true;
  }
  return false;
}

quint16 X11Keyboard::MaskOf(xcb_keysym_t symbol, quint16 fallback) const {
  for (int modifier = 0; modifier < ModifierCount; ++modifier) {
    for (int slot = 0; slot < keycodesPerModifier_; ++slot) {
      const size_t index = static_cast<size_t>(modifier * keycodesPerModifier_ + slot);
      if (index < modifierKeycodes_.size() && Produces(modifierKeycodes_[index], symbol)) {
        return static_cast<quint16>(1U << modifier);
      }
    }
  }
  return fallback;
}

X11ModifierMasks X11Keyboard::ModifierMasks() const {
  return X11ModifierMasks{MaskOf(XK_Alt_L, StandardModifierMasks.alt), MaskOf(XK_Super_L, StandardModifierMasks.meta),
                          MaskOf(XK_Num_Lock, StandardModifierMasks.numLock)};
}

}  // namespace meterly::platform
