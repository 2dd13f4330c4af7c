// Damaged settings files, made by mutating a saved one at random. The parser must end each in a
// clean error that names a line of the file, or in a hive that survives a round trip; loading the
// settings must never crash or hang, a rejected file gives the defaults, and whatever was accepted
// saves and loads back unchanged. METERLY_FUZZ_SEED tries another seed.
#include "base/date_serial.h"
#include "core/settings.h"
#include "core/settings_store.h"
#include "fakes/fake_registry_file.h"
#include "platform/regedit_format.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <random>
#include <vector>

namespace meterly {
namespace {

using platform::RegeditParseError;
using platform::RegistryHive;
using Random = std::mt19937;

SettingsContext FixedContext() {
  SettingsContext context;
  context.localeFirstDayOfWeek = 0;
  context.screenWidth = 1280;
  context.screenHeight = 800;
  context.now = QDateTime(QDate(2026, 12, 6), QTime(9, 30));
  return context;
}

Settings Load(fakes::FakeRegistryFile& file) {
  platform::Registry registry(file);
  registry.Load();
  SettingsStore store(registry);
  Settings settings;
  LoadSettings(store, settings, FixedContext());
  return settings;
}

void Save(fakes::FakeRegistryFile& file, const Settings& settings) {
  platform::Registry registry(file);
  registry.Load();
  SettingsStore store(registry);
  SaveSettings(store, settings);
}

// A saved file with a hand-written key after it: a comment, a default value, a continued hex list.
QByteArray SampleFile() {
  fakes::FakeRegistryFile file;
  Settings settings = DefaultSettings(FixedContext());
  settings.NotifySound = QStringLiteral("/home/用户/a \"b\".wav");
  Save(file, settings);
  return *file.contents +
         "\n; written by hand\n[HKEY_CURRENT_USER\\Software\\Corvane\\Meterly\\Extra]\n@=\"默认\"\n"
         "\"Pattern\"=hex:01,02,03,04,05,06,07,08,\\\n  09,0a,0b,0c\n\"Limit\"=dword:7fffffff\n";
}

int Below(Random& random, qsizetype bound) {
  return bound <= 0 ? 0 : std::uniform_int_distribution<int>(0, static_cast<int>(bound) - 1)(random);
}

template <typename T>
const T& OneOf(Random& random, const std::vector<T>& choices) {
  return choices[static_cast<std::size_t>(Below(random, static_cast<qsizetype>(choices.size())))];
}

void InsertAnywhere(QByteArray& text, Random& random, const QByteArray& piece) {
  text.insert(Below(random, text.size() + 1), piece);
}

// Replaces one occurrence of one of the needles, if there is one.
void ReplaceOne(QByteArray& text, Random& random, const std::vector<QByteArray>& needles, const QByteArray& by) {
  const QByteArray& needle = OneOf(random, needles);
  std::vector<qsizetype> places;
  for (qsizetype at = text.indexOf(needle); at >= 0; at = text.indexOf(needle, at + 1)) places.push_back(at);
  if (!places.empty()) text.replace(OneOf(random, places), needle.size(), by);
}

using Mutation = void (*)(QByteArray&, Random&);

const std::vector<Mutation> Mutations = {
    [](QByteArray& text, Random& random) {  // a syntax character dropped in anywhere
      static const std::vector<char> syntax = {'[', ']', '\\', '"', '=', '@',  ';',  ':',
                                               ',', '-', 'x',  '0', ' ', '\t', '\r', '\n'};
      InsertAnywhere(text, random, QByteArray(1, OneOf(random, syntax)));
    },
    [](QByteArray& text, Random& random) {  // a line cut short, lost or doubled
      QList<QByteArray> lines = text.split('\n');
      const int at = Below(random, lines.size());
      switch (random() % 3) {
        case 0:
          lines[at].truncate(Below(random, lines[at].size() + 1));
          break;
        case 1:
          lines.removeAt(at);
          break;
        default:
          lines.insert(at, lines[at]);
      }
      text = lines.join('\n');
    },
    [](QByteArray& text, Random& random) { text.truncate(Below(random, text.size() + 1)); },
    [](QByteArray& text, Random& random) {  // wrong types
      ReplaceOne(text, random, {"dword:", "hex:", "=\""},
                 OneOf<QByteArray>(random, {"qword:", "hex(2):", "DWORD:", "dword:", "hex:", "=", "=\"", "string:"}));
    },
    [](QByteArray& text, Random& random) {  // numbers too large or not numbers
      ReplaceOne(text, random, {"7fffffff", "00000000", "00,", "0c", "e0"},
                 OneOf<QByteArray>(random, {"123456789", "fffffffff", "-1", "+1", "000,", "abc", "1 2", ""}));
    },
    [](QByteArray& text, Random& random) {  // invalid UTF-8: a stray byte, or a character cut in half
      if (random() % 2 == 0) {
        InsertAnywhere(text, random, QByteArray(1, static_cast<char>(0x80 + Below(random, 0x80))));
      } else {
        ReplaceOne(text, random, {"\xE9\xBB\x98", "\xE7\x94\xA8"}, "\xE9\xBB");
      }
    },
    [](QByteArray& text, Random& random) {
      ReplaceOne(text, random, {"[", "]"}, "");
    },
    [](QByteArray& text, Random& random) { InsertAnywhere(text, random, QByteArray(1, '\0')); },
    [](QByteArray& text, Random& random) {  // very long lines
      InsertAnywhere(text, random,
                     QByteArray(1000 + Below(random, 30000), OneOf<char>(random, {'a', '\\', '"', ',', '0', '['})));
    },
    [](QByteArray& text, Random& random) {  // any byte replaced by any byte
      if (!text.isEmpty()) text[Below(random, text.size())] = static_cast<char>(Below(random, 256));
    },
    [](QByteArray& text, Random& random) {  // keys nested deep, or deeper than allowed
      const int depth = random() % 2 == 0 ? 20 + Below(random, 40) : RegistryHive::MaxKeyDepth + 1 + Below(random, 100);
      ReplaceOne(text, random, {"Corvane\\Meterly"}, QByteArray("k\\").repeated(depth) + "k");
    },
    [](QByteArray& text, Random& random) {  // hex lists continued wrongly
      ReplaceOne(text, random, {",\\\n", "0c\n", "3f\n"}, OneOf<QByteArray>(random, {",\n", "\\\n", ",\\\n", ",\\"}));
    },
    [](QByteArray& text, Random& random) {  // line ends
      ReplaceOne(text, random, {"\n"}, OneOf<QByteArray>(random, {"\r\n", "\r", "\n\n", "\r\r\n", ""}));
    },
};

int LineCount(const QByteArray& text) {
  const int breaks = static_cast<int>(text.count('\n'));
  return text.endsWith('\n') || text.isEmpty() ? std::max(breaks, 1) : breaks + 1;
}

// The parser's part: an error on a line of the file, or a hive that formats and parses back equal.
bool ParserHolds(const QByteArray& text) {
  const auto result = platform::ParseRegedit(text);
  if (const auto* error = std::get_if<RegeditParseError>(&result)) {
    EXPECT_TRUE(error->line >= 1 && error->line <= LineCount(text) && !error->reason.isEmpty())
        << "line " << error->line << " of " << LineCount(text) << ": " << error->reason.toStdString();
    return false;
  }
  const auto again = platform::ParseRegedit(platform::FormatRegedit(std::get<RegistryHive>(result)));
  EXPECT_TRUE(std::holds_alternative<RegistryHive>(again) &&
              std::get<RegistryHive>(again) == std::get<RegistryHive>(result))
      << "the accepted hive does not survive a round trip";
  return true;
}

TEST(SettingsFuzzTest, DamagedFilesEndInALineErrorAndTheDefaultsOrInSettingsThatAreStable) {
  const char* chosen = std::getenv("METERLY_FUZZ_SEED");
  const unsigned seed = chosen != nullptr ? static_cast<unsigned>(std::strtoul(chosen, nullptr, 10)) : 20261206u;
  std::cout << "[ seed     ] " << seed << std::endl;
  Random random(seed);
  const QByteArray sample = SampleFile();
  Settings defaults = DefaultSettings(FixedContext());
  defaults.Quota.QuotaNextNotify = DateTimeToSerial(FixedContext().now);
  defaults.AutoUpdate = AutoUpdateSettings{};

  constexpr int Cases = 2000;
  int rejected = 0;
  for (int index = 0; index < Cases && !testing::Test::HasFailure(); ++index) {
    SCOPED_TRACE(testing::Message() << "case " << index);
    QByteArray text = sample;
    for (int m = 1 + Below(random, 4); m > 0; --m) OneOf(random, Mutations)(text, random);
    const bool parsed = ParserHolds(text);

    fakes::FakeRegistryFile file;
    file.contents = text;
    const Settings loaded = Load(file);
    EXPECT_EQ(file.setAsideAs.has_value(), !parsed) << "the store and the parser disagree";
    if (!parsed) {
      ++rejected;
      EXPECT_TRUE(loaded == defaults) << "rejected, but not the defaults";
      continue;
    }
    Save(file, loaded);
    EXPECT_TRUE(Load(file) == loaded) << "changed on a save and load";
  }
  std::cout << rejected << " of " << Cases << " damaged files were rejected" << std::endl;
  // Most mutations break the file, some leave it valid: both outcomes must be exercised.
  EXPECT_GT(rejected, Cases / 2);
  EXPECT_GT(Cases - rejected, Cases / 20);
}

}  // namespace
}  // namespace meterly
