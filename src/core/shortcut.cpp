#include "core/shortcut.h"

#include <optional>

namespace meterly {

namespace {

using namespace ShortCutModifier;

constexpr quint16 VirtualKeyMask = 0x00FF;

// Virtual-key codes and the Qt keys they stand for; runs of consecutive codes share one entry.
struct KeyRun {
  quint8 firstVirtualKey;
  int count;
  int firstKey;
  bool keypad;
};

constexpr KeyRun KeyRuns[] = {
    {'A', 26, Qt::Key_A, false},
    {'0', 10, Qt::Key_0, false},
    {0x70, 24, Qt::Key_F1, false},
    {0x25, 4, Qt::Key_Left, false},  // Left, Up, Right, Down in both numberings
    {0x08, 1, Qt::Key_Backspace, false},
    {0x09, 1, Qt::Key_Tab, false},
    {0x0D, 1, Qt::Key_Return, false},
    {0x13, 1, Qt::Key_Pause, false},
    {0x1B, 1, Qt::Key_Escape, false},
    {0x20, 1, Qt::Key_Space, false},
    {0x21, 1, Qt::Key_PageUp, false},
    {0x22, 1, Qt::Key_PageDown, false},
    {0x23, 1, Qt::Key_End, false},
    {0x24, 1, Qt::Key_Home, false},
    {0x2C, 1, Qt::Key_Print, false},
    {0x2D, 1, Qt::Key_Insert, false},
    {0x2E, 1, Qt::Key_Delete, false},
    {0x60, 10, Qt::Key_0, true},
    {0x6A, 1, Qt::Key_Asterisk, true},
    {0x6B, 1, Qt::Key_Plus, true},
    {0x6C, 1, Qt::Key_Comma, true},
    {0x6D, 1, Qt::Key_Minus, true},
    {0x6E, 1, Qt::Key_Period, true},
    {0x6F, 1, Qt::Key_Slash, true},
    // Punctuation keys, named after what they carry on a US keyboard
    {0xBA, 1, Qt::Key_Semicolon, false},
    {0xBB, 1, Qt::Key_Equal, false},
    {0xBC, 1, Qt::Key_Comma, false},
    {0xBD, 1, Qt::Key_Minus, false},
    {0xBE, 1, Qt::Key_Period, false},
    {0xBF, 1, Qt::Key_Slash, false},
    {0xC0, 1, Qt::Key_QuoteLeft, false},
    {0xDB, 1, Qt::Key_BracketLeft, false},
    {0xDC, 1, Qt::Key_Backslash, false},
    {0xDD, 1, Qt::Key_BracketRight, false},
    {0xDE, 1, Qt::Key_Apostrophe, false},
};

// Qt keys that reach a virtual-key code only one way: a key editor records Shift+1 as
// Shift+"!", so the characters of shifted keys (US layout) name the key below them.
struct KeyAlias {
  int key;
  quint16 shortCut;
};

constexpr KeyAlias KeyAliases[] = {
    {Qt::Key_Enter, 0x0D},
    {Qt::Key_Backtab, 0x09 | Shift},
    {Qt::Key_Exclam, '1' | Shift},
    {Qt::Key_At, '2' | Shift},
    {Qt::Key_NumberSign, '3' | Shift},
    {Qt::Key_Dollar, '4' | Shift},
    {Qt::Key_Percent, '5' | Shift},
    {Qt::Key_AsciiCircum, '6' | Shift},
    {Qt::Key_Ampersand, '7' | Shift},
    {Qt::Key_Asterisk, '8' | Shift},
    {Qt::Key_ParenLeft, '9' | Shift},
    {Qt::Key_ParenRight, '0' | Shift},
    {Qt::Key_Colon, 0xBA | Shift},
    {Qt::Key_Plus, 0xBB | Shift},
    {Qt::Key_Less, 0xBC | Shift},
    {Qt::Key_Underscore, 0xBD | Shift},
    {Qt::Key_Greater, 0xBE | Shift},
    {Qt::Key_Question, 0xBF | Shift},
    {Qt::Key_AsciiTilde, 0xC0 | Shift},
    {Qt::Key_BraceLeft, 0xDB | Shift},
    {Qt::Key_Bar, 0xDC | Shift},
    {Qt::Key_BraceRight, 0xDD | Shift},
    {Qt::Key_QuoteDbl, 0xDE | Shift},
};

struct QtKey {
  Qt::Key key;
  bool keypad;
};

std::optional<QtKey> QtKeyOf(int virtualKey) {
  for (const KeyRun& run : KeyRuns) {
    const int offset = virtualKey - run.firstVirtualKey;
    if (offset >= 0 && offset < run.count) return QtKey{static_cast<Qt::Key>(run.firstKey + offset), run.keypad};
  }
  return std::nullopt;
}

std::optional<quint16> VirtualKeyOfRun(int key, bool keypad) {
  for (const KeyRun& run : KeyRuns) {
    const int offset = key - run.firstKey;
    if (run.keypad == keypad && offset >= 0 && offset < run.count) {
      return static_cast<quint16>(run.firstVirtualKey + offset);
    }
  }
  return std::nullopt;
}

std::optional<quint16> ShortCutOfAlias(int key) {
  for (const KeyAlias& alias : KeyAliases) {
    if (alias.key == key) return alias.shortCut;
  }
  return std::nullopt;
}

// Keypad keys without a code of their own (keypad Enter, keypad Home with NumLock off) are
// taken as the main keyboard's key.
std::optional<quint16> ShortCutOfKey(int key, bool keypad) {
  if (const auto code = VirtualKeyOfRun(key, keypad)) return code;
  if (keypad) {
    if (const auto code = VirtualKeyOfRun(key, false)) return code;
  }
  return ShortCutOfAlias(key);
}

quint16 ModifierBits(Qt::KeyboardModifiers modifiers) {
  quint16 bits = 0;
  if (modifiers.testFlag(Qt::ShiftModifier)) bits |= Shift;
  if (modifiers.testFlag(Qt::ControlModifier)) bits |= Ctrl;
  if (modifiers.testFlag(Qt::AltModifier)) bits |= Alt;
  return bits;
}

Qt::KeyboardModifiers QtModifiers(quint16 shortCut, bool keypad) {
  Qt::KeyboardModifiers modifiers;
  modifiers.setFlag(Qt::ShiftModifier, (shortCut & Shift) != 0);
  modifiers.setFlag(Qt::ControlModifier, (shortCut & Ctrl) != 0);
  modifiers.setFlag(Qt::AltModifier, (shortCut & Alt) != 0);
  modifiers.setFlag(Qt::KeypadModifier, keypad);
  return modifiers;
}

}  // namespace

QKeySequence ShortCutToKeySequence(quint16 shortCut) {
  const std::optional<QtKey> key = QtKeyOf(shortCut & VirtualKeyMask);
  if (!key) return QKeySequence();
  return QKeySequence(QKeyCombination(QtModifiers(shortCut, key->keypad), key->key));
}

quint16 KeySequenceToShortCut(const QKeySequence& keys) {
  if (keys.count() != 1) return 0;
  const QKeyCombination combination = keys[0];
  const Qt::KeyboardModifiers modifiers = combination.keyboardModifiers();
  if (modifiers & (Qt::MetaModifier | Qt::GroupSwitchModifier)) return 0;
  const std::optional<quint16> code = ShortCutOfKey(combination.key(), modifiers.testFlag(Qt::KeypadModifier));
  if (!code) return 0;
  return *code | ModifierBits(modifiers);
}

QString ShortCutToText(quint16 shortCut) { return ShortCutToKeySequence(shortCut).toString(QKeySequence::NativeText); }

}  // namespace meterly
