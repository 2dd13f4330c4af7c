#pragma once

#include <QKeySequence>
#include <QString>

namespace meterly {

// A shortcut as the settings store it: the low byte is a virtual-key code numbered the way
// Windows numbers keys, the high bits say which modifiers are held.
namespace ShortCutModifier {
constexpr quint16 Shift = 0x2000;
constexpr quint16 Ctrl = 0x4000;
constexpr quint16 Alt = 0x8000;
}  // namespace ShortCutModifier

// An empty sequence for 0 and for a key code that has no Qt key.
QKeySequence ShortCutToKeySequence(quint16 shortCut);

// The first key combination of the sequence as a stored shortcut; 0 when it cannot be
// expressed (several combinations, the Meta modifier, a key without a virtual-key code).
quint16 KeySequenceToShortCut(const QKeySequence& keys);

// The text the user reads, such as "Ctrl+Alt+T"; empty for 0.
QString ShortCutToText(quint16 shortCut);

}  // namespace meterly
