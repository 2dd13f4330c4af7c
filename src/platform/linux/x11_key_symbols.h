#pragma once

#include <Qt>
#include <QtGlobal>

#include <optional>

namespace meterly::platform {

// The modifier bits of this X server's keyboard that are not fixed by the protocol.
struct X11ModifierMasks {
  quint16 alt;
  quint16 meta;
  quint16 numLock;
};

// The protocol's defaults, which nearly every keyboard map follows.
constexpr X11ModifierMasks StandardModifierMasks{0x0008 /* Mod1 */, 0x0040 /* Mod4 */, 0x0010 /* Mod2 */};

// The X key symbol of a Qt key; the keypad's keys have symbols of their own. Nothing for a
// key X does not name.
std::optional<quint32> KeySymbolOf(Qt::Key key, bool keypad);

// The modifier bits X reports while the given Qt modifiers are held (the keypad flag is part
// of the key, not a modifier).
quint16 ModifierMaskOf(Qt::KeyboardModifiers modifiers, const X11ModifierMasks& masks);

}  // namespace meterly::platform
