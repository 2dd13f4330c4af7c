#include "platform/linux/x11_key_symbols.h"

#include <gtest/gtest.h>

namespace meterly::platform {
namespace {

TEST(X11KeySymbols, KeysMapToTheSymbolsXNamesThemBy) {
  // Values from the X protocol's key symbol table: the ends of the runs, and names X spells its own way.
  const struct {
    Qt::Key key;
    bool keypad;
    std::optional<quint32> symbol;
  } rows[] = {
      {Qt::Key_Space, false, 0x0020},
      {Qt::Key_T, false, 0x0054},
      {Qt::Key_AsciiTilde, false, 0x007E},
      {Qt::Key_Eacute, false, 0x00C9},
      {Qt::Key_F1, false, 0xFFBE},
      {Qt::Key_F24, false, 0xFFD5},
      {Qt::Key_Return, false, 0xFF0D},
      {Qt::Key_PageUp, false, 0xFF55},
      {Qt::Key_Delete, false, 0xFFFF},
      {Qt::Key_5, true, 0xFFB5},
      {Qt::Key_Period, true, 0xFFAE},
      {Qt::Key_Enter, true, 0xFF8D},
      // A keypad key without a symbol of its own is the main key
      {Qt::Key_Home, true, 0xFF50},
      // Keys X does not name
      {Qt::Key_VolumeUp, false, std::nullopt},
      {Qt::Key_unknown, false, std::nullopt},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(KeySymbolOf(row.key, row.keypad), row.symbol) << std::hex << row.key;
  }
}

TEST(X11KeySymbols, ModifiersUseTheKeyboardsBitsForAltAndMeta) {
  const X11ModifierMasks unusual{0x0020 /* Mod3 */, 0x0080 /* Mod5 */, 0x0010};
  EXPECT_EQ(ModifierMaskOf(Qt::ControlModifier | Qt::AltModifier, StandardModifierMasks), 0x0004 | 0x0008);
  EXPECT_EQ(ModifierMaskOf(Qt::ShiftModifier | Qt::AltModifier | Qt::MetaModifier, unusual), 0x0001 | 0x0020 | 0x0080);
  EXPECT_EQ(ModifierMaskOf(Qt::KeypadModifier, StandardModifierMasks), 0);
}

}  // namespace
}  // namespace meterly::platform
