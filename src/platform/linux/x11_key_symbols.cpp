#include "platform/linux/x11_key_symbols.h"

#include <X11/keysym.h>
#include <xcb/xproto.h>

namespace meterly::platform {

namespace {

struct SymbolRun {
  int firstKey;
  int count;
  quint32 firstSymbol;
};

constexpr SymbolRun KeypadSymbols[] = {
    {Qt::Key_0, 10, XK_KP_0},           {Qt::Key_Asterisk, 1, XK_KP_Multiply},
    {Qt::Key_Plus, 1, XK_KP_Add},       {Qt::Key_Comma, 1, XK_KP_Separator},
    {Qt::Key_Minus, 1, XK_KP_Subtract}, {Qt::Key_Period, 1, XK_KP_Decimal},
    {Qt::Key_Slash, 1, XK_KP_Divide},   {Qt::Key_Equal, 1, XK_KP_Equal},
    {Qt::Key_Enter, 1, XK_KP_Enter},
};

constexpr SymbolRun MainSymbols[] = {
    // Printable Latin-1 keys carry their character's code, as X symbols do
    {Qt::Key_Space, 0x7F - Qt::Key_Space, XK_space},
    {Qt::Key_nobreakspace, 0x100 - Qt::Key_nobreakspace, XK_nobreakspace},
    {Qt::Key_F1, 35, XK_F1},
    {Qt::Key_Escape, 1, XK_Escape},
    {Qt::Key_Tab, 1, XK_Tab},
    {Qt::Key_Backtab, 1, XK_ISO_Left_Tab},
    {Qt::Key_Backspace, 1, XK_BackSpace},
    {Qt::Key_Return, 1, XK_Return},
    {Qt::Key_Enter, 1, XK_KP_Enter},
    {Qt::Key_Insert, 1, XK_Insert},
    {Qt::Key_Delete, 1, XK_Delete},
    {Qt::Key_Pause, 1, XK_Pause},
    {Qt::Key_Print, 1, XK_Print},
    {Qt::Key_SysReq, 1, XK_Sys_Req},
    {Qt::Key_Home, 1, XK_Home},
    {Qt::Key_End, 1, XK_End},
    {Qt::Key_Left, 1, XK_Left},
    {Qt::Key_Up, 1, XK_Up},
    {Qt::Key_Right, 1, XK_Right},
    {Qt::Key_Down, 1, XK_Down},
    {Qt::Key_PageUp, 1, XK_Prior},
    {Qt::Key_PageDown, 1, XK_Next},
    {Qt::Key_Menu, 1, XK_Menu},
};

template <size_t N>
std::optional<quint32> FindSymbol(const SymbolRun (&runs)[N], int key) {
  for (const SymbolRun& run : runs) {
    const int offset = key - run.firstKey;
    if (offset >= 0 && offset < run.count) return run.firstSymbol + static_cast<quint32>(offset);
  }
  return std::nullopt;
}

}  // namespace

std::optional<quint32> KeySymbolOf(Qt::Key key, bool keypad) {
  if (keypad) {
    if (const auto symbol = FindSymbol(KeypadSymbols, key)) return symbol;
  }
  return FindSymbol(MainSymbols, key);
}

quint16 ModifierMaskOf(Qt::KeyboardModifiers modifiers, const X11ModifierMasks& masks) {
  quint16 mask = 0;
  if (modifiers.testFlag(Qt::ShiftModifier)) mask |= XCB_MOD_MASK_SHIFT;
  if (modifiers.testFlag(Qt::ControlModifier)) mask |= XCB_MOD_MASK_CONTROL;
  if (modifiers.testFlag(Qt::AltModifier)) mask |= masks.alt;
  if (modifiers.testFlag(Qt::MetaModifier)) mask |= masks.meta;
  return mask;
}

}  // namespace meterly::platform
