#include "platform/regedit_format.h"
#include "platform/registry_test_printing.h"

#include <gtest/gtest.h>

#include <vector>

namespace meterly::platform {
namespace {

const QString MainKey = QStringLiteral("Software\\Corvane\\Meterly\\Main");

QString utf8(const char* text) { return QString::fromUtf8(text); }

RegistryHive parsedOrFail(const QByteArray& text) {
  auto result = parseRegedit(text);
  if (const auto* error = std::get_if<RegeditParseError>(&result)) {
    ADD_FAILURE() << "line " << error->line << ": " << error->reason.toStdString();
    return {};
  }
  return std::get<RegistryHive>(std::move(result));
}

RegistryHive knownHive() {
  RegistryHive hive;
  hive.setValue(MainKey, QStringLiteral("InterfaceGuid"),
                RegValue::fromString(QStringLiteral("{4FC25329-DAFD-49A9-9B80-8F203252ADE0}")));
  hive.setValue(MainKey, QStringLiteral("TrayIconMode"), RegValue::fromDWord(30));
  hive.setValue(MainKey, QStringLiteral("QuotaNextNotify"),
                RegValue::fromBinary(QByteArray::fromHex("000000000000e03f")));
  hive.setValue(MainKey, QString(), RegValue::fromString(QStringLiteral("default")));
  hive.setValue(MainKey, QStringLiteral("Say \"hi\""), RegValue::fromString(QStringLiteral("C:\\Temp\nline 2\r")));
  hive.setValue(MainKey, QStringLiteral("Max"), RegValue::fromDWord(0xffffffff));
  hive.createKey(MainKey + QStringLiteral("\\Empty"));
  const QString otherKey = QStringLiteral("Software\\Corvane\\Meterly\\Other");
  hive.setValue(otherKey, QStringLiteral("Nothing"), RegValue::fromBinary({}));
  hive.setValue(otherKey, utf8("名前"), RegValue::fromString(utf8("中文")));
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
  EXPECT_EQ(formatRegedit(knownHive()), QByteArray(KnownText));
  EXPECT_EQ(formatRegedit(RegistryHive()), QByteArray("REGEDIT4\n"));
}

TEST(RegeditFormatTest, ReadsTheKnownTextWithLfCrlfAndAByteOrderMark) {
  const QByteArray lf(KnownText);
  QByteArray crlf = lf;
  crlf.replace("\n", "\r\n");
  EXPECT_EQ(parsedOrFail(lf), knownHive());
  EXPECT_EQ(parsedOrFail(crlf), knownHive());
  EXPECT_EQ(parsedOrFail("\xEF\xBB\xBF" + lf), knownHive());
  EXPECT_EQ(parsedOrFail("\xEF\xBB\xBF" + crlf), knownHive());
}

TEST(RegeditFormatTest, HostileNamesTextsAndTheDeepestKeySurviveARoundTrip) {
  const QStringList texts = {
      QString(),
      QStringLiteral("\"quoted\""),
      QStringLiteral("back\\slash"),
      QStringLiteral("ends with a backslash\\"),
      QStringLiteral("\\\""),
      QStringLiteral("\\n is not a line break"),
      QStringLiteral("two\nlines"),
      QStringLiteral("cr\rand crlf\r\n"),
      QStringLiteral("\"a\"=\"b\""),
      QStringLiteral("[HKEY_CURRENT_USER\\Fake]"),
      QStringLiteral(";not a comment"),
      QStringLiteral("@"),
      QStringLiteral("=dword:00000001"),
      QStringLiteral("  spaces  "),
      QStringLiteral("\ttab"),
      utf8("中文的设置 ünïcödé 😀"),
      QString(QChar(0xFEFF)) + QStringLiteral("starts with a byte-order mark"),
      QString(10000, u'x') + QStringLiteral("\\\""),
  };
  const QStringList keyNames = {
      QStringLiteral("Quote\"d"),
      QStringLiteral("[bracket]"),
      QStringLiteral("]"),
      utf8("中文"),
      QStringLiteral(" space "),
      QStringLiteral("HKEY_CURRENT_USER"),
      QString(QChar(0xFEFF)) + QStringLiteral("x"),
  };

  RegistryHive hive;
  for (const QString& keyName : keyNames) {
    const QString key = QStringLiteral("Software\\") + keyName + u'\\' + keyName;
    for (qsizetype i = 0; i < texts.size(); ++i) {
      hive.setValue(key, texts[i], RegValue::fromString(texts[texts.size() - 1 - i]));
    }
  }
  QByteArray everyByte;
  for (int b = 0; b < 256; ++b) everyByte.append(static_cast<char>(b));
  hive.setValue(MainKey, QStringLiteral("bytes"), RegValue::fromBinary(everyByte));
  hive.setValue(MainKey, QStringLiteral("none"), RegValue::fromBinary({}));
  for (const quint32 number : {0u, 1u, 0x7fffffffu, 0x80000000u, 0xffffffffu}) {
    hive.setValue(MainKey, QString::number(number), RegValue::fromDWord(number));
  }
  hive.setValue(QStringList(RegistryHive::MaxKeyDepth, QStringLiteral("k")).join(u'\\'), QStringLiteral("deepest"),
                RegValue::fromDWord(1));

  EXPECT_EQ(parsedOrFail(formatRegedit(hive)), hive);
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
  expected.setValue(key, QStringLiteral("Short"), RegValue::fromDWord(0x1e));
  expected.setValue(key, QStringLiteral("Bytes"), RegValue::fromBinary(QByteArray::fromHex("0aff")));
  expected.setValue(key, QStringLiteral("Long"), RegValue::fromBinary(QByteArray::fromHex("000102030405")));
  expected.setValue(key, QStringLiteral("Twice"), RegValue::fromString(QStringLiteral("second wins")));
  expected.createKey(QStringLiteral("Software\\Other"));
  expected.setValue(key, QStringLiteral("Added"), RegValue::fromString(QStringLiteral("later")));
  EXPECT_EQ(parsedOrFail(text), expected);
}

TEST(RegeditFormatTest, ReadsLargeFilesWhole) {
  QByteArray text = "REGEDIT4\n[HKEY_CURRENT_USER\\Many]\n";
  constexpr int Values = 30000;
  for (int i = 0; i < Values; ++i) {
    text += "\"v" + QByteArray::number(i) + "\"=dword:" + QByteArray::number(i, 16) + '\n';
  }
  constexpr int Keys = 5000;
  for (int i = 0; i < Keys; ++i) text += "[HKEY_CURRENT_USER\\Many\\k" + QByteArray::number(i) + "]\n";

  const RegistryHive hive = parsedOrFail(text);
  EXPECT_EQ(hive.valueNames(QStringLiteral("Many")).size(), Values);
  EXPECT_EQ(hive.value(QStringLiteral("many"), QStringLiteral("V29999")), RegValue::fromDWord(29999));
  EXPECT_EQ(hive.subKeyNames(QStringLiteral("Many")).size(), Keys);
}

struct BadFile {
  const char* what;
  QByteArray text;
  int line;
  const char* reason;  // a part of the reason
};

void expectRejected(const std::vector<BadFile>& cases) {
  for (const BadFile& bad : cases) {
    SCOPED_TRACE(bad.what);
    const auto result = parseRegedit(bad.text);
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
QByteArray withLine4(const QByteArray& line) { return "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software]\n" + line + "\n"; }

QByteArray withKeyLine2(const QByteArray& line) { return "REGEDIT4\n" + line + "\n\"v\"=dword:1\n"; }

TEST(RegeditFormatTest, RejectsFilesWithoutTheHeaderOrWithStrayLines) {
  expectRejected({
      {"empty file", "", 1, "REGEDIT4"},
      {"blank lines only", "\n \n", 1, "REGEDIT4"},
      {"other header", "REGEDIT5\n", 1, "REGEDIT4"},
      {"newer header", "\n\nWindows Registry Editor Version 5.00\n", 3, "REGEDIT4"},
      {"comment before the header", "; settings\nREGEDIT4\n", 1, "REGEDIT4"},
      {"value before any key", "REGEDIT4\n\n\"a\"=dword:1\n", 3, "before any [key]"},
      {"free text", withLine4("Hello"), 4, "neither"},
      {"indented key", withLine4(" [HKEY_CURRENT_USER\\b]"), 4, "neither"},
      {"byte-order mark on a later line", withLine4("\xEF\xBB\xBF[HKEY_CURRENT_USER\\b]"), 4, "byte-order mark"},
  });
}

TEST(RegeditFormatTest, RejectsBadKeyLines) {
  expectRejected({
      {"missing ]", withKeyLine2("[HKEY_CURRENT_USER\\Software"), 2, "closing ]"},
      {"text after ]", withKeyLine2("[HKEY_CURRENT_USER\\Software] "), 2, "closing ]"},
      {"other root", withKeyLine2("[HKEY_LOCAL_MACHINE\\Software]"), 2, "HKEY_CURRENT_USER"},
      {"root alone", withKeyLine2("[HKEY_CURRENT_USER]"), 2, "HKEY_CURRENT_USER"},
      {"longer root name", withKeyLine2("[HKEY_CURRENT_USERS\\Software]"), 2, "HKEY_CURRENT_USER"},
      {"doubled backslash", withKeyLine2("[HKEY_CURRENT_USER\\a\\\\b]"), 2, "empty key name"},
      {"leading backslash", withKeyLine2("[HKEY_CURRENT_USER\\\\a]"), 2, "empty key name"},
      {"trailing backslash", withKeyLine2("[HKEY_CURRENT_USER\\a\\]"), 2, "empty key name"},
      {"deletion", withKeyLine2("[-HKEY_CURRENT_USER\\Software]"), 2, "[-"},
      {"too deep", withKeyLine2("[HKEY_CURRENT_USER" + QByteArray("\\k").repeated(513) + "]"), 2, "too deep"},
  });
}

TEST(RegeditFormatTest, RejectsBadValueNamesAndTexts) {
  expectRejected({
      {"name alone", withLine4("\"a\""), 4, "followed by ="},
      {"space before =", withLine4("\"a\" =\"b\""), 4, "followed by ="},
      {"@ without =", withLine4("@\"x\""), 4, "followed by ="},
      {"name without closing quote", withLine4("\"abc=dword:1"), 4, "no closing quote"},
      {"unknown escape in a name", withLine4("\"a\\tb\"=\"x\""), 4, "unknown escape"},
      {"no data", withLine4("\"a\"="), 4, "value data must be"},
      {"text without closing quote", withLine4("\"a\"=\"b"), 4, "no closing quote"},
      {"escaped last quote", withLine4("\"a\"=\"b\\\""), 4, "no closing quote"},
      {"backslash at the end", withLine4("\"a\"=\"b\\"), 4, "no closing quote"},
      {"unknown escape in a text", withLine4("\"a\"=\"\\x41\""), 4, "unknown escape"},
      {"space after the text", withLine4("\"a\"=\"b\" "), 4, "end at its closing quote"},
  });
}

TEST(RegeditFormatTest, RejectsBadNumbersBytesAndTypes) {
  const char* dwordReason = "dword value needs 1 to 8 hex digits";
  const char* hexReason = "two-digit hex bytes separated by commas";
  expectRejected({
      {"dword without digits", withLine4("\"a\"=dword:"), 4, dwordReason},
      {"dword of 9 digits", withLine4("\"a\"=dword:123456789"), 4, dwordReason},
      {"dword with a plus", withLine4("\"a\"=dword:+1"), 4, dwordReason},
      {"dword after a space", withLine4("\"a\"=dword: 1"), 4, dwordReason},
      {"dword with a space after", withLine4("\"a\"=dword:1 "), 4, dwordReason},
      {"dword with 0x", withLine4("\"a\"=dword:0x12"), 4, dwordReason},
      {"dword with a non-hex digit", withLine4("\"a\"=dword:1g"), 4, dwordReason},
      {"upper-case type", withLine4("\"a\"=DWORD:1"), 4, "value data must be"},
      {"expandable string", withLine4("\"a\"=hex(2):41,00"), 4, "hex(n)"},
      {"byte of 3 digits", withLine4("\"a\"=hex:000"), 4, hexReason},
      {"byte of 1 digit", withLine4("\"a\"=hex:0"), 4, hexReason},
      {"trailing comma", withLine4("\"a\"=hex:00,"), 4, hexReason},
      {"empty byte", withLine4("\"a\"=hex:00,,01"), 4, hexReason},
      {"non-hex byte", withLine4("\"a\"=hex:0g"), 4, hexReason},
      {"space before bytes", withLine4("\"a\"=hex: 00"), 4, hexReason},
      {"space before comma", withLine4("\"a\"=hex:00 ,01"), 4, hexReason},
      {"bad byte on a continuation line", withLine4("\"a\"=hex:00,\\\n  01,02x"), 5, hexReason},
      {"list continued past the end", withLine4("\"a\"=hex:00,\\"), 4, "past the end"},
  });
}

TEST(RegeditFormatTest, RejectsBytesThatAreNotUtf8Text) {
  const QByteArray nul(1, '\0');
  expectRejected({
      {"NUL in a text", withLine4("\"a\"=\"b" + nul + "c\""), 4, "NUL"},
      {"NUL in a comment", withLine4(";" + nul), 4, "NUL"},
      {"NUL in the header", "REGEDIT4" + nul + "\n", 1, "NUL"},
      {"byte 0xff", withLine4("\"a\"=\"\xff\""), 4, "UTF-8"},
      {"overlong slash", withLine4("\"a\"=\"\xC0\xAF\""), 4, "UTF-8"},
      {"encoded surrogate", withLine4("\"a\"=\"\xED\xA0\x80\""), 4, "UTF-8"},
      {"truncated sequence", withLine4("\"a\"=\"\xE4\xB8\""), 4, "UTF-8"},
      {"truncated sequence at the end of the file", "REGEDIT4\n;\xE4\xB8", 2, "UTF-8"},
      {"carriage return inside a text", withLine4("\"a\"=\"b\rc\""), 4, "carriage return"},
      {"lines counted in a CRLF file", "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\a]\r\nbad\r\n", 4, "neither"},
  });
}

}  // namespace
}  // namespace meterly::platform
