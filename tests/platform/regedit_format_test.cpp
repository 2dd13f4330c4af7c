#include "platform/regedit_format.h"
#include "platform/registry_test_printing.h"

#include <gtest/gtest.h>

#include <vector>

namespace meterly::platform {
namespace {

const QString MainKey = QStringLiteral("Software\\Corvane\\Meterly\\Main");

QString Utf8(const char* text) { return QString::fromUtf8(text); }

RegistryHive ParsedOrFail(const QByteArray& text) {
  auto result = ParseRegedit(text);
  if (const auto* error = std::get_if<RegeditParseError>(&result)) {
    ADD_FAILURE() << "line " << error->line << ": " << error->reason.toStdString();
    return {};
  }
  return std::get<RegistryHive>(std::move(result));
}

RegistryHive KnownHive() {
  RegistryHive hive;
  hive.SetValue(MainKey, QStringLiteral("InterfaceGuid"),
                RegValue::FromString(QStringLiteral("{4FC25329-DAFD-49A9-9B80-8F203252ADE0}")));
  hive.SetValue(MainKey, QStringLiteral("TrayIconMode"), RegValue::FromDWord(30));
  hive.SetValue(MainKey, QStringLiteral("QuotaNextNotify"),
                RegValue::FromBinary(QByteArray::fromHex("000000000000e03f")));
  hive.SetValue(MainKey, QString(), RegValue::FromString(QStringLiteral("default")));
  hive.SetValue(MainKey, QStringLiteral("Say \"hi\""), RegValue::FromString(QStringLiteral("C:\\Temp\nline 2\r")));
  hive.SetValue(MainKey, QStringLiteral("Max"), RegValue::FromDWord(0xffffffff));
  hive.CreateKey(MainKey + QStringLiteral("\\Empty"));
  const QString otherKey = QStringLiteral("Software\\Corvane\\Meterly\\Other");
  hive.SetValue(otherKey, QStringLiteral("Nothing"), RegValue::FromBinary({}));
  hive.SetValue(otherKey, Utf8("名前"), RegValue::FromString(Utf8("中文")));
  return hive;
}

const char* const KnownText = R"(REGEDIT4

[HKEY_CURRENT_USER\Software]

[HKEY_CURRENT_USER\Software\Corvane]

[HKEY_CURRENT_USER\Software\Corvane\Meterly]

[HKEY_CURRENT_USER\Software\Corvane\Meterly\Main]
"InterfaceGuid"="{4FC25329-DAFD-49A9-9B80-8F203252ADE0}"
"TrayIconMode"=dword:0000001e
"QuotaNextNotify"=hex:00,00,00,00,00,00,e0,3f
@="default"
"Say \"hi\""="C:\\Temp\nline 2\r"
"Max"=dword:ffffffff

[HKEY_CURRENT_USER\Software\Corvane\Meterly\Main\Empty]

[HKEY_CURRENT_USER\Software\Corvane\Meterly\Other]
"Nothing"=hex:
"名前"="中文"
)";

TEST(RegeditFormatTest, WritesAKnownHiveByteForByte) {
  EXPECT_EQ(FormatRegedit(KnownHive()), QByteArray(KnownText));
  EXPECT_EQ(FormatRegedit(RegistryHive()), QByteArray("REGEDIT4\n"));
}

TEST(RegeditFormatTest, ReadsTheKnownTextWithLfCrlfAndAByteOrderMark) {
  const QByteArray lf(KnownText);
  QByteArray crlf = lf;
  crlf.replace("\n", "\r\n");
  EXPECT_EQ(ParsedOrFail(lf), KnownHive());
  EXPECT_EQ(ParsedOrFail(crlf), KnownHive());
  EXPECT_EQ(ParsedOrFail("\xEF\xBB\xBF" + lf), KnownHive());
  EXPECT_EQ(ParsedOrFail("\xEF\xBB\xBF" + crlf), KnownHive());
}

TEST(RegeditFormatTest, HostileNamesTextsAndTheDeepestKeySurviveARoundTrip) {
  const QStringList texts = {
      QString(),
      QStringLiteral("\"quoted\""),
      QStringLiteral("back\\slash"),
      QStringLiteral("ends with a backslash\\"),
      QStringLiteral("\\n is not a line break"),
      QStringLiteral("two\nlines"),
      QStringLiteral("cr\rand crlf\r\n"),
      QStringLiteral("[HKEY_CURRENT_USER\\Fake]"),
      QStringLiteral(";not a comment"),
      QStringLiteral("@"),
      QStringLiteral("=dword:00000001"),
      QStringLiteral("  spaces  "),
      Utf8("中文的设置 ünïcödé 😀"),
      QString(QChar(0xFEFF)) + QStringLiteral("starts with a byte-order mark"),
      QString(10000, u'x') + QStringLiteral("\\\""),
  };
  const QStringList keyNames = {
      QStringLiteral("Quote\"d"), QStringLiteral("[bracket]"),         Utf8("中文"),
      QStringLiteral(" space "),  QStringLiteral("HKEY_CURRENT_USER"), QString(QChar(0xFEFF)) + QStringLiteral("x"),
  };

  RegistryHive hive;
  for (const QString& keyName : keyNames) {
    const QString key = QStringLiteral("Software\\") + keyName + u'\\' + keyName;
    for (qsizetype i = 0; i < texts.size(); ++i) {
      hive.SetValue(key, texts[i], RegValue::FromString(texts[texts.size() - 1 - i]));
    }
  }
  QByteArray everyByte;
  for (int b = 0; b < 256; ++b) everyByte.append(static_cast<char>(b));
  hive.SetValue(MainKey, QStringLiteral("bytes"), RegValue::FromBinary(everyByte));
  hive.SetValue(MainKey, QStringLiteral("none"), RegValue::FromBinary({}));
  for (const quint32 number : {0u, 1u, 0x7fffffffu, 0x80000000u, 0xffffffffu}) {
    hive.SetValue(MainKey, QString::number(number), RegValue::FromDWord(number));
  }
  hive.SetValue(QStringList(RegistryHive::MaxKeyDepth, QStringLiteral("k")).join(u'\\'), QStringLiteral("deepest"),
                RegValue::FromDWord(1));

  EXPECT_EQ(ParsedOrFail(FormatRegedit(hive)), hive);
}

TEST(RegeditFormatTest, AcceptsWhatRegeditAndPeopleWrite) {
  const QByteArray text =
      "\n"
      "REGEDIT4\n"
      "; a comment\n"
      "   \t\n"
      "[hkey_current_user\\Software\\Corvane]\n"
      "\"Short\"=dword:1E\n"
      "\"Bytes\"=hex:0A,fF\n"
      "\"Long\"=hex:00,01,02,\\\n"
      "  03,04,\\\n"
      "  05\n"
      "\"Twice\"=dword:00000001\n"
      "[HKEY_CURRENT_USER\\Software\\Other]\n"
      "[HKEY_CURRENT_USER\\Software\\CORVANE]\n"
      "\"twice\"=\"second wins\"\n"
      "\"Added\"=\"later\"";  // no line break at the end

  RegistryHive expected;
  const QString key = QStringLiteral("Software\\Corvane");
  expected.SetValue(key, QStringLiteral("Short"), RegValue::FromDWord(0x1e));
  expected.SetValue(key, QStringLiteral("Bytes"), RegValue::FromBinary(QByteArray::fromHex("0aff")));
  expected.SetValue(key, QStringLiteral("Long"), RegValue::FromBinary(QByteArray::fromHex("000102030405")));
  expected.SetValue(key, QStringLiteral("Twice"), RegValue::FromString(QStringLiteral("second wins")));
  expected.CreateKey(QStringLiteral("Software\\Other"));
  expected.SetValue(key, QStringLiteral("Added"), RegValue::FromString(QStringLiteral("later")));
  EXPECT_EQ(ParsedOrFail(text), expected);
}

struct BadFile {
  const char* what;
  QByteArray text;
  int line;
  const char* reason;  // a part of the reason
};

void ExpectRejected(const std::vector<BadFile>& cases) {
  for (const BadFile& bad : cases) {
    SCOPED_TRACE(bad.what);
    const auto result = ParseRegedit(bad.text);
    const auto* error = std::get_if<RegeditParseError>(&result);
    if (error == nullptr) {
      ADD_FAILURE() << "accepted";
      continue;
    }
    EXPECT_EQ(error->line, bad.line) << error->reason.toStdString();
    EXPECT_TRUE(error->reason.contains(QString::fromUtf8(bad.reason))) << error->reason.toStdString();
  }
}

// A good file up to line 3, then the given line as line 4.
QByteArray WithLine4(const QByteArray& line) { return "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software]\n" + line + "\n"; }

TEST(RegeditFormatTest, RejectsFilesWithoutTheHeaderAndStrayOrBadKeyLines) {
  ExpectRejected({
      {"empty file", "", 1, "REGEDIT4"},
      {"blank lines only", "\n \n", 1, "REGEDIT4"},
      {"other header", "REGEDIT5\n", 1, "REGEDIT4"},
      {"newer header", "\n\nWindows Registry Editor Version 5.00\n", 3, "REGEDIT4"},
      {"comment before the header", "; settings\nREGEDIT4\n", 1, "REGEDIT4"},
      {"value before any key", "REGEDIT4\n\n\"a\"=dword:1\n", 3, "before any [key]"},
      {"free text", WithLine4("Hello"), 4, "neither"},
      {"indented key", WithLine4(" [HKEY_CURRENT_USER\\b]"), 4, "neither"},
      {"byte-order mark on a later line", WithLine4("\xEF\xBB\xBF[HKEY_CURRENT_USER\\b]"), 4, "byte-order mark"},
      {"missing ]", WithLine4("[HKEY_CURRENT_USER\\Software"), 4, "closing ]"},
      {"text after ]", WithLine4("[HKEY_CURRENT_USER\\Software] "), 4, "closing ]"},
      {"other root", WithLine4("[HKEY_LOCAL_MACHINE\\Software]"), 4, "HKEY_CURRENT_USER"},
      {"root alone", WithLine4("[HKEY_CURRENT_USER]"), 4, "HKEY_CURRENT_USER"},
      {"longer root name", WithLine4("[HKEY_CURRENT_USERS\\Software]"), 4, "HKEY_CURRENT_USER"},
      {"doubled backslash", WithLine4("[HKEY_CURRENT_USER\\a\\\\b]"), 4, "empty key name"},
      {"leading backslash", WithLine4("[HKEY_CURRENT_USER\\\\a]"), 4, "empty key name"},
      {"trailing backslash", WithLine4("[HKEY_CURRENT_USER\\a\\]"), 4, "empty key name"},
      {"deletion", WithLine4("[-HKEY_CURRENT_USER\\Software]"), 4, "[-"},
      {"too deep", WithLine4("[HKEY_CURRENT_USER" + QByteArray("\\k").repeated(513) + "]"), 4, "too deep"},
  });
}

TEST(RegeditFormatTest, RejectsBadValueLines) {
  const char* dwordReason = "dword value needs 1 to 8 hex digits";
  const char* hexReason = "two-digit hex bytes separated by commas";
  ExpectRejected({
      {"name alone", WithLine4("\"a\""), 4, "followed by ="},
      {"space before =", WithLine4("\"a\" =\"b\""), 4, "followed by ="},
      {"@ without =", WithLine4("@\"x\""), 4, "followed by ="},
      {"name without closing quote", WithLine4("\"abc=dword:1"), 4, "no closing quote"},
      {"unknown escape in a name", WithLine4("\"a\\tb\"=\"x\""), 4, "unknown escape"},
      {"no data", WithLine4("\"a\"="), 4, "value data must be"},
      {"text without closing quote", WithLine4("\"a\"=\"b"), 4, "no closing quote"},
      {"escaped last quote", WithLine4("\"a\"=\"b\\\""), 4, "no closing quote"},
      {"backslash at the end", WithLine4("\"a\"=\"b\\"), 4, "no closing quote"},
      {"unknown escape in a text", WithLine4("\"a\"=\"\\x41\""), 4, "unknown escape"},
      {"space after the text", WithLine4("\"a\"=\"b\" "), 4, "end at its closing quote"},
      {"dword without digits", WithLine4("\"a\"=dword:"), 4, dwordReason},
      {"dword of 9 digits", WithLine4("\"a\"=dword:123456789"), 4, dwordReason},
      {"dword with a plus", WithLine4("\"a\"=dword:+1"), 4, dwordReason},
      {"dword after a space", WithLine4("\"a\"=dword: 1"), 4, dwordReason},
      {"dword with a space after", WithLine4("\"a\"=dword:1 "), 4, dwordReason},
      {"dword with 0x", WithLine4("\"a\"=dword:0x12"), 4, dwordReason},
      {"dword with a non-hex digit", WithLine4("\"a\"=dword:1g"), 4, dwordReason},
      {"upper-case type", WithLine4("\"a\"=DWORD:1"), 4, "value data must be"},
      {"expandable string", WithLine4("\"a\"=hex(2):41,00"), 4, "hex(n)"},
      {"byte of 3 digits", WithLine4("\"a\"=hex:000"), 4, hexReason},
      {"byte of 1 digit", WithLine4("\"a\"=hex:0"), 4, hexReason},
      {"trailing comma", WithLine4("\"a\"=hex:00,"), 4, hexReason},
      {"empty byte", WithLine4("\"a\"=hex:00,,01"), 4, hexReason},
      {"non-hex byte", WithLine4("\"a\"=hex:0g"), 4, hexReason},
      {"space before bytes", WithLine4("\"a\"=hex: 00"), 4, hexReason},
      {"space before comma", WithLine4("\"a\"=hex:00 ,01"), 4, hexReason},
      {"bad byte on a continuation line", WithLine4("\"a\"=hex:00,\\\n  01,02x"), 5, hexReason},
      {"list continued past the end", WithLine4("\"a\"=hex:00,\\"), 4, "past the end"},
  });
}

TEST(RegeditFormatTest, RejectsBytesThatAreNotUtf8Text) {
  const QByteArray nul(1, '\0');
  ExpectRejected({
      {"NUL in a text", WithLine4("\"a\"=\"b" + nul + "c\""), 4, "NUL"},
      {"NUL in a comment", WithLine4(";" + nul), 4, "NUL"},
      {"NUL in the header", "REGEDIT4" + nul + "\n", 1, "NUL"},
      {"byte 0xff", WithLine4("\"a\"=\"\xff\""), 4, "UTF-8"},
      {"truncated sequence at the end of the file", "REGEDIT4\n;\xE4\xB8", 2, "UTF-8"},
      {"carriage return inside a text", WithLine4("\"a\"=\"b\rc\""), 4, "carriage return"},
      {"lines counted in a CRLF file", "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\a]\r\nbad\r\n", 4, "neither"},
  });
}

}  // namespace
}  // namespace meterly::platform
