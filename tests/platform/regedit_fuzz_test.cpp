// Randomised files for the registry file parser: damaged files must end in a clean error
// that names a line of the file, and files that stay valid must read back what they hold.
#include "platform/regedit_format.h"
#include "platform/registry_test_printing.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <random>
#include <utility>
#include <vector>

namespace meterly::platform {
namespace {

using Random = std::mt19937;

// Fixed, so that a failure can be repeated; METERLY_FUZZ_SEED tries another.
unsigned fuzzSeed() {
  const char* chosen = std::getenv("METERLY_FUZZ_SEED");
  const unsigned seed = chosen != nullptr ? static_cast<unsigned>(std::strtoul(chosen, nullptr, 10)) : 20240611u;
  std::cout << "regedit fuzz seed: " << seed << std::endl;
  return seed;
}

int below(Random& random, qsizetype bound) {
  return bound <= 0 ? 0 : std::uniform_int_distribution<int>(0, static_cast<int>(bound) - 1)(random);
}

template <typename T>
const T& oneOf(Random& random, const std::vector<T>& choices) {
  return choices[static_cast<std::size_t>(below(random, static_cast<qsizetype>(choices.size())))];
}

// The file the mutations start from; the data of three values can be swapped for generated data.
QByteArray sampleFile(const QByteArray& pathData = R"("C:\\Program Files\\Meterly\n")",
                      const QByteArray& limitData = "dword:7fffffff",
                      const QByteArray& patternData = "hex:01,02,03,04,05,06,07,08,\\\n  09,0a,0b,0c") {
  QByteArray text = R"(REGEDIT4

; settings of Meterly
[HKEY_CURRENT_USER\Software\Corvane\Meterly\Main]
"InterfaceGuid"="{4FC25329-DAFD-49A9-9B80-8F203252ADE0}"
"TrayIconMode"=dword:00000000
"QuotaNextNotify"=hex:00,00,00,00,00,00,e0,3f
@="默认"
"Path"=<path>

[HKEY_CURRENT_USER\Software\Corvane\Meterly\Quota]
"Limit"=<limit>
"Pattern"=<pattern>
"Title"="Quota \"monthly\""
)";
  return text.replace("<path>", pathData).replace("<limit>", limitData).replace("<pattern>", patternData);
}

RegistryHive parsedOrFail(const QByteArray& text) {
  auto result = parseRegedit(text);
  if (const auto* error = std::get_if<RegeditParseError>(&result)) {
    ADD_FAILURE() << "line " << error->line << ": " << error->reason.toStdString() << "\n" << text.toStdString();
    return {};
  }
  return std::get<RegistryHive>(std::move(result));
}

int lineCount(const QByteArray& text) {
  const int breaks = static_cast<int>(text.count('\n'));
  return text.endsWith('\n') || text.isEmpty() ? std::max(breaks, 1) : breaks + 1;
}

// ---- mutations that damage a file (some happen to leave it valid) ----

using Mutation = void (*)(QByteArray&, Random&);

void insertAt(QByteArray& text, Random& random, const QByteArray& piece) {
  text.insert(below(random, text.size() + 1), piece);
}

// Applies change to one line of the text, chosen at random.
template <typename Change>
void changeOneLine(QByteArray& text, Random& random, Change change) {
  QList<QByteArray> lines = text.split('\n');
  change(lines[below(random, lines.size())], random);
  text = lines.join('\n');
}

// Replaces one occurrence of any of the needles, if there is one.
void replaceOne(QByteArray& text, Random& random, const std::vector<QByteArray>& needles, const QByteArray& by) {
  const QByteArray& needle = oneOf(random, needles);
  std::vector<qsizetype> places;
  for (qsizetype at = text.indexOf(needle); at >= 0; at = text.indexOf(needle, at + 1)) places.push_back(at);
  if (places.empty()) return;
  text.replace(oneOf(random, places), needle.size(), by);
}

const std::vector<char> SyntaxCharacters = {'[', ']', '\\', '"', '=', '@',  ';',  ':',
                                            ',', '-', 'x',  '0', ' ', '\t', '\r', '\n'};
const std::vector<QByteArray> OtherTypes = {
    "qword:", "hex(2):", "hex(7):", "DWORD:", "dword:", "hex:", "=", "=\"", "string:"};

const std::vector<Mutation> Mutations = {
    // broken lines: a syntax character dropped in anywhere
    [](QByteArray& text, Random& random) { insertAt(text, random, QByteArray(1, oneOf(random, SyntaxCharacters))); },
    // truncated line
    [](QByteArray& text, Random& random) {
      changeOneLine(text, random, [](QByteArray& line, Random& r) { line.truncate(below(r, line.size() + 1)); });
    },
    // truncated file
    [](QByteArray& text, Random& random) { text.truncate(below(random, text.size() + 1)); },
    // a line lost or doubled
    [](QByteArray& text, Random& random) {
      QList<QByteArray> lines = text.split('\n');
      const int at = below(random, lines.size());
      if (random() % 2 == 0) {
        lines.removeAt(at);
      } else {
        lines.insert(at, lines[at]);
      }
      text = lines.join('\n');
    },
    // wrong types
    [](QByteArray& text, Random& random) {
      replaceOne(text, random, {"dword:", "hex:", "=\""}, oneOf(random, OtherTypes));
    },
    // numbers too large: 9-digit dwords, 3-digit bytes
    [](QByteArray& text, Random& random) {
      replaceOne(text, random, {"7fffffff", "00000000", "00,", "0c", "e0"},
                 oneOf<QByteArray>(random, {"123456789", "fffffffff", "-1", "+1", "000,", "abc", "1 2", ""}));
    },
    // invalid UTF-8: stray bytes, or a character cut in half
    [](QByteArray& text, Random& random) {
      if (random() % 2 == 0) {
        insertAt(text, random, QByteArray(1, static_cast<char>(0x80 + below(random, 0x80))));
      } else {
        replaceOne(text, random, {"\xE9\xBB\x98", "\xE8\xAE\xA4"}, "\xE9\xBB");
      }
    },
    // missing brackets
    [](QByteArray& text, Random& random) {
      replaceOne(text, random, {"[", "]"}, "");
    },
    // NUL bytes
    [](QByteArray& text, Random& random) { insertAt(text, random, QByteArray(1, '\0')); },
    // very long lines
    [](QByteArray& text, Random& random) {
      insertAt(text, random,
               QByteArray(1000 + below(random, 30000), oneOf<char>(random, {'a', '\\', '"', ',', '0', '['})));
    },
    // any byte replaced by any byte
    [](QByteArray& text, Random& random) {
      if (!text.isEmpty()) text[below(random, text.size())] = static_cast<char>(below(random, 256));
    },
    // keys nested deep, or deeper than allowed (exactly at the limit is a test of its own)
    [](QByteArray& text, Random& random) {
      const int depth = random() % 2 == 0 ? 20 + below(random, 40) : RegistryHive::MaxKeyDepth + 1 + below(random, 100);
      replaceOne(text, random, {"Corvane\\Meterly"}, QByteArray("k\\").repeated(depth) + "k");
    },
    // hex lists continued wrongly
    [](QByteArray& text, Random& random) {
      replaceOne(text, random, {",\\\n", "0c\n", "3f\n"}, oneOf<QByteArray>(random, {",\n", "\\\n", ",\\\n", ",\\"}));
    },
    // line ends
    [](QByteArray& text, Random& random) {
      replaceOne(text, random, {"\n"}, oneOf<QByteArray>(random, {"\r\n", "\r", "\n\n", "\r\r\n", ""}));
    },
};

TEST(RegeditFuzzTest, DamagedFilesEndInAnErrorOnALineOfTheFileOrInAHiveThatRoundTrips) {
  Random random(fuzzSeed());
  constexpr int Cases = 4000;
  int rejected = 0;
  int failures = 0;
  for (int index = 0; index < Cases && failures < 5; ++index) {
    QByteArray text = sampleFile();
    const int mutationCount = 1 + below(random, 4);
    for (int m = 0; m < mutationCount; ++m) oneOf(random, Mutations)(text, random);

    auto result = parseRegedit(text);
    if (const auto* error = std::get_if<RegeditParseError>(&result)) {
      ++rejected;
      if (error->line < 1 || error->line > lineCount(text) || error->reason.isEmpty()) {
        ++failures;
        ADD_FAILURE() << "case " << index << ": line " << error->line << " of " << lineCount(text) << ": "
                      << error->reason.toStdString();
      }
      continue;
    }
    const RegistryHive& hive = std::get<RegistryHive>(result);
    if (parsedOrFail(formatRegedit(hive)) != hive) {
      ++failures;
      ADD_FAILURE() << "case " << index << ": the accepted hive does not survive a round trip";
    }
  }
  std::cout << rejected << " of " << Cases << " damaged files were rejected" << std::endl;
  // Most mutations break the file; far fewer rejections would mean the parser lets damage through.
  EXPECT_GT(rejected, Cases * 2 / 3);
}

// ---- valid changes: generated data with the value it must read as ----

std::pair<QByteArray, QString> randomQuotedText(Random& random) {
  static const std::vector<std::pair<QByteArray, QString>> tokens = {
      {"a", QStringLiteral("a")},
      {"Z", QStringLiteral("Z")},
      {" ", QStringLiteral(" ")},
      {"\\\\", QStringLiteral("\\")},
      {"\\\"", QStringLiteral("\"")},
      {"\\n", QStringLiteral("\n")},
      {"\\r", QStringLiteral("\r")},
      {"=", QStringLiteral("=")},
      {"[", QStringLiteral("[")},
      {"]", QStringLiteral("]")},
      {";", QStringLiteral(";")},
      {"@", QStringLiteral("@")},
      {",", QStringLiteral(",")},
      {"\t", QStringLiteral("\t")},
      {"中", QStringLiteral("中")},
      {"😀", QStringLiteral("😀")},
      {"\xEF\xBB\xBF", QString(QChar(0xFEFF))},
  };
  QByteArray data = "\"";
  QString text;
  for (int i = below(random, 40); i > 0; --i) {
    const auto& [written, meant] = oneOf(random, tokens);
    data += written;
    text += meant;
  }
  return {data + '"', text};
}

QByteArray randomHexDigits(Random& random, int count) {
  static const QByteArray digits = "0123456789abcdefABCDEF";
  QByteArray result;
  for (int i = 0; i < count; ++i) result += digits[below(random, digits.size())];
  return result;
}

std::pair<QByteArray, quint32> randomDWord(Random& random) {
  const QByteArray digits = randomHexDigits(random, 1 + below(random, 8));
  return {"dword:" + digits, digits.toUInt(nullptr, 16)};
}

std::pair<QByteArray, QByteArray> randomHexList(Random& random) {
  QByteArray data = "hex:";
  QByteArray bytes;
  const int count = below(random, 60);
  for (int i = 0; i < count; ++i) {
    const QByteArray byte = randomHexDigits(random, 2);
    bytes += QByteArray::fromHex(byte);
    data += byte;
    if (i + 1 < count) data += random() % 8 == 0 ? ",\\\n  " : ",";
  }
  return {data, bytes};
}

TEST(RegeditFuzzTest, ValidChangesOfTheDataReadBackAsTheyWereMeant) {
  Random random(fuzzSeed());
  const RegistryHive sample = parsedOrFail(sampleFile());
  const QString mainKey = QStringLiteral("Software\\Corvane\\Meterly\\Main");
  const QString quotaKey = QStringLiteral("Software\\Corvane\\Meterly\\Quota");
  for (int index = 0; index < 1000 && !testing::Test::HasFailure(); ++index) {
    const auto [pathData, path] = randomQuotedText(random);
    const auto [limitData, limit] = randomDWord(random);
    const auto [patternData, pattern] = randomHexList(random);

    RegistryHive expected = sample;
    expected.setValue(mainKey, QStringLiteral("Path"), RegValue::fromString(path));
    expected.setValue(quotaKey, QStringLiteral("Limit"), RegValue::fromDWord(limit));
    expected.setValue(quotaKey, QStringLiteral("Pattern"), RegValue::fromBinary(pattern));
    const QByteArray text = sampleFile(pathData, limitData, patternData);
    EXPECT_EQ(parsedOrFail(text), expected) << "case " << index << "\n" << text.toStdString();
  }
}

// ---- random hives ----

QString randomName(Random& random, bool forKey) {
  static const QStringList pieces = {
      QStringLiteral("a"),           QStringLiteral("B"),  QStringLiteral(" "),  QStringLiteral("\""),
      QStringLiteral("="),           QStringLiteral("["),  QStringLiteral("]"),  QStringLiteral(";"),
      QStringLiteral("@"),           QStringLiteral("-"),  QStringLiteral(","),  QString::fromUtf8("\xE4\xB8\xAD"),
      QString::fromUtf8("\xC3\x84"), QStringLiteral("\\"), QStringLiteral("\n"), QStringLiteral("\r"),
  };
  QString name;
  const int length = (forKey ? 1 : 0) + below(random, 8);
  while (name.size() < length) {
    const QString& piece = pieces[below(random, pieces.size())];
    const bool breaksKeys = piece == u"\\" || piece == u"\n" || piece == u"\r";
    if (!(forKey && breaksKeys)) name += piece;
  }
  return name;
}

RegValue randomValue(Random& random) {
  switch (below(random, 3)) {
    case 0:
      return RegValue::fromString(randomName(random, false) + randomName(random, false));
    case 1:
      return RegValue::fromDWord(static_cast<quint32>(random()));
    default: {
      QByteArray bytes;
      for (int i = below(random, 20); i > 0; --i) bytes += static_cast<char>(below(random, 256));
      return RegValue::fromBinary(bytes);
    }
  }
}

TEST(RegeditFuzzTest, RandomHivesSurviveARoundTrip) {
  Random random(fuzzSeed());
  for (int index = 0; index < 300 && !testing::Test::HasFailure(); ++index) {
    RegistryHive hive;
    QStringList keys;
    for (int k = below(random, 8); k >= 0; --k) {
      const QString parent = keys.isEmpty() || random() % 3 == 0 ? QString() : keys[below(random, keys.size())];
      const QString key = parent.isEmpty() ? randomName(random, true) : parent + u'\\' + randomName(random, true);
      keys.append(key);
      hive.createKey(key);
      for (int v = below(random, 6); v > 0; --v) hive.setValue(key, randomName(random, false), randomValue(random));
    }
    const QByteArray text = formatRegedit(hive);
    EXPECT_EQ(parsedOrFail(text), hive) << "case " << index;
  }
}

}  // namespace
}  // namespace meterly::platform
