#include "core/shortcut.h"

#include "platform/linux/x11_key_symbols.h"
#include "store/qt_printing.h"

#include <gtest/gtest.h>

#include <vector>

namespace meterly {
namespace {

using namespace ShortCutModifier;

// Virtual-key codes as Windows numbers them, written out independently of the code under test.
constexpr quint16 VkReturn = 0x0D, VkEscape = 0x1B, VkSpace = 0x20, VkPageUp = 0x21, VkPageDown = 0x22, VkEnd = 0x23,
                  VkHome = 0x24, VkLeft = 0x25, VkDown = 0x28, VkInsert = 0x2D, VkDelete = 0x2E, VkNumpad0 = 0x60,
                  VkMultiply = 0x6A, VkAdd = 0x6B, VkSubtract = 0x6D, VkDecimal = 0x6E, VkDivide = 0x6F, VkF1 = 0x70,
                  VkF12 = 0x7B, VkF24 = 0x87, VkSemicolon = 0xBA, VkEquals = 0xBB, VkComma = 0xBC, VkMinus = 0xBD,
                  VkPeriod = 0xBE, VkSlash = 0xBF, VkBackQuote = 0xC0, VkOpenBracket = 0xDB, VkBackslash = 0xDC,
                  VkCloseBracket = 0xDD, VkQuote = 0xDE;

// Every key the stored codes must carry.
std::vector<quint16> KeysThatMustRoundTrip() {
  std::vector<quint16> keys{0x08,      0x09,        VkReturn,      VkEscape,    VkSpace,        VkPageUp, VkPageDown,
                            VkEnd,     VkHome,      VkInsert,      VkDelete,    VkMultiply,     VkAdd,    VkSubtract,
                            VkDecimal, VkDivide,    VkSemicolon,   VkEquals,    VkComma,        VkMinus,  VkPeriod,
                            VkSlash,   VkBackQuote, VkOpenBracket, VkBackslash, VkCloseBracket, VkQuote};
  for (quint16 key = 'A'; key <= 'Z'; ++key) keys.push_back(key);
  for (quint16 key = '0'; key <= '9'; ++key) keys.push_back(key);
  for (quint16 key = VkNumpad0; key <= VkNumpad0 + 9; ++key) keys.push_back(key);
  for (quint16 key = VkF1; key <= VkF24; ++key) keys.push_back(key);
  for (quint16 key = VkLeft; key <= VkDown; ++key) keys.push_back(key);
  return keys;
}

const quint16 ModifierSets[] = {0, Shift, Ctrl, Alt, Ctrl | Alt, Shift | Ctrl | Alt};

TEST(ShortCut, EveryKeyAndModifierSetSurvivesTheTripThroughAKeySequence) {
  for (const quint16 key : KeysThatMustRoundTrip()) {
    for (const quint16 modifiers : ModifierSets) {
      const quint16 code = key | modifiers;
      const QKeySequence keys = ShortCutToKeySequence(code);
      EXPECT_EQ(keys.count(), 1) << std::hex << code;
      EXPECT_EQ(KeySequenceToShortCut(keys), code)
          << std::hex << code << " went through " << keys.toString().toStdString();
      // The text form is what a key editor shows and what QKeySequence parses back.
      EXPECT_EQ(QKeySequence::fromString(ShortCutToText(code), QKeySequence::NativeText), keys) << std::hex << code;
    }
  }
}

// What a key editor records gives the code, and the code's text is what the editor shows.
TEST(ShortCut, KeyEditorTextsAndWindowsCodesMatchBothWays) {
  const struct {
    const char* keys;
    quint16 code;
  } rows[] = {
      {"Ctrl+Alt+T", 'T' | Ctrl | Alt},
      {"Shift+F12", VkF12 | Shift},
      {"Alt+Num+5", (VkNumpad0 + 5) | Alt},
      {"Ctrl+Num+7", (VkNumpad0 + 7) | Ctrl},
      {"Num+*", VkMultiply},
      {"Num+-", VkSubtract},
      {"Ctrl+PgUp", VkPageUp | Ctrl},
      {"PgDown", VkPageDown},
      {"Ins", VkInsert},
      {"Del", VkDelete},
      {"Ctrl+,", VkComma | Ctrl},
      {"Alt+;", VkSemicolon | Alt},
      {"Ctrl+/", VkSlash | Ctrl},
      {"Ctrl+[", VkOpenBracket | Ctrl},
      {"Ctrl+'", VkQuote | Ctrl},
      {"Ctrl+`", VkBackQuote | Ctrl},
      {"Ctrl+\\", VkBackslash | Ctrl},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(KeySequenceToShortCut(QKeySequence::fromString(QString::fromUtf8(row.keys))), row.code) << row.keys;
    EXPECT_EQ(ShortCutToText(row.code), QString::fromUtf8(row.keys));
  }
}

// A key editor records Shift+1 as Shift+"!" (US layout): the character alone implies Shift. Keypad
// keys without a code of their own take the main keys. What a code cannot express is zero.
TEST(ShortCut, ShiftedCharactersKeypadKeysAndKeysWithoutACode) {
  const std::pair<QKeySequence, quint16> rows[] = {
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Exclam), '1' | Ctrl | Shift},
      {QKeySequence(Qt::CTRL | Qt::Key_Exclam), '1' | Ctrl | Shift},
      {QKeySequence(Qt::ALT | Qt::Key_Plus), VkEquals | Alt | Shift},
      {QKeySequence(Qt::ALT | Qt::Key_Question), VkSlash | Alt | Shift},
      {QKeySequence(Qt::Key_Asterisk), '8' | Shift},
      {QKeySequence(Qt::KeypadModifier | Qt::Key_Asterisk), VkMultiply},
      {QKeySequence(Qt::Key_Backtab), 0x09 | Shift},
      {QKeySequence(Qt::KeypadModifier | Qt::Key_Enter), VkReturn},
      {QKeySequence(Qt::KeypadModifier | Qt::Key_Home), VkHome},
      {QKeySequence(Qt::KeypadModifier | Qt::Key_Delete), VkDelete},
      {QKeySequence(), 0},
      {QKeySequence(Qt::META | Qt::Key_A), 0},
      {QKeySequence(Qt::CTRL | Qt::Key_K, Qt::CTRL | Qt::Key_C), 0},
      {QKeySequence(Qt::Key_VolumeUp), 0},
      {QKeySequence(Qt::CTRL | Qt::Key_Eacute), 0},
  };
  for (const auto& [keys, code] : rows) EXPECT_EQ(KeySequenceToShortCut(keys), code) << keys.toString().toStdString();
}

// No code, modifiers without a key, and a code no key has.
TEST(ShortCut, CodesWithoutAKeyGiveNothing) {
  for (const quint16 code : {0, Ctrl | Alt, 0x07 | Ctrl}) {
    EXPECT_TRUE(ShortCutToKeySequence(code).isEmpty() && ShortCutToText(code).isEmpty()) << std::hex << code;
  }
}

// A stored shortcut is registered as a global hot key on X11.
TEST(ShortCut, EveryStoredKeyHasAnX11KeySymbol) {
  for (int virtualKey = 1; virtualKey <= 0xFF; ++virtualKey) {
    const QKeySequence keys = ShortCutToKeySequence(static_cast<quint16>(virtualKey));
    if (keys.isEmpty()) continue;
    const QKeyCombination combination = keys[0];
    EXPECT_TRUE(platform::KeySymbolOf(combination.key(), combination.keyboardModifiers() & Qt::KeypadModifier))
        << "virtual key " << std::hex << virtualKey << " is " << keys.toString().toStdString();
  }
}

}  // namespace
}  // namespace meterly
