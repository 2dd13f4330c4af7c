#include "core/settings.h"
#include "base/assertion.h"
#include "base/date_serial.h"
#include "core/settings_store.h"
#include "fakes/fake_registry_file.h"
#include "platform/regedit_format.h"

#include "support/expect_assertion.h"
#include "support/files.h"
#include "support/reference_files.h"

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

QByteArray FileWith(const char* body) { return QByteArray("REGEDIT4\n\n") + body; }

class SettingsTest : public ::testing::Test {
 protected:
  SettingsTest() {
    context.localeFirstDayOfWeek = 6;  // Sunday
    context.screenWidth = 1920;
    context.screenHeight = 1080;
    context.now = QDateTime(QDate(2026, 3, 31), QTime(12, 0));
  }

  Settings LoadFrom(const QByteArray& text, QStringList* problems = nullptr) {
    file.contents = text;
    registry.Load();
    SettingsStore store(registry);
    Settings settings;
    LoadSettings(store, settings, context, problems);
    return settings;
  }

  // What an empty store loads: the defaults, the quota reminder due now, the version checker's values left to it.
  Settings LoadedDefaults() const {
    Settings settings = DefaultSettings(context);
    settings.Quota.QuotaNextNotify = DateTimeToSerial(context.now);
    settings.AutoUpdate = AutoUpdateSettings{};
    return settings;
  }

  void Save(const Settings& settings) {
    SettingsStore store(registry);
    SaveSettings(store, settings);
  }

  fakes::FakeRegistryFile file;
  platform::Registry registry{file};
  SettingsContext context;
};

// Sunday starts the week, the screen is 1920 x 1080 and it is noon on 31 March, so the custom report
// runs from 28 February (a month back, cut to the month's last day).
TEST_F(SettingsTest, AnEmptyStoreSavesTheReferenceDefaults) {
  Save(LoadFrom(QByteArray()));
  testing_support::ExpectMatchesReferenceText(testing_support::ReferenceFolder(__FILE__),
                                              QStringLiteral("default_settings.reg"), file.contents.value_or(""));
  file.failWrites = true;
  EXPECT_THROW(Save(DefaultSettings(context)), platform::RegistryError) << "a failed write reaches the caller";
}

TEST_F(SettingsTest, HandWrittenValuesFollowTheReadingRules) {
  const Settings s =
      LoadFrom(FileWith("[HKEY_CURRENT_USER\\Software\\Corvane\\Meterly\\Main]\n"
                        "\"DisplayOnStartup\"=dword:00000001\n"  // a boolean as a number
                        "\"EnableAutoRun\"=\"0\"\n"
                        "\"EnableGradient\"=\"7\"\n"          // any number but 0 is true
                        "\"Unit\"=\"bits\"\n"                 // not a number: the default
                        "\"InterfaceGuid\"=dword:00000005\n"  // not text: the default
                        "[HKEY_CURRENT_USER\\Software\\Corvane\\Meterly\\Notifications]\n"
                        "\"Shutdown\"=\"1\"\n"
                        "\"ShowGraph\"=dword:00000001\n"
                        "\"NotifySound\"=\"/home/a \\\"b\\\"/ding.wav\"\n"
                        "[HKEY_CURRENT_USER\\Software\\Corvane\\Meterly\\Graph]\n"
                        "\"ClickThruShortCut\"=dword:00012345\n"  // no range: cut to 16 bits
                        "\"TransparentValue\"=\" 25 \"\n"         // decimal text
                        "\"LineStep\"=\"99999999999\"\n"          // beyond 32 bits: the default
                        "\"FixedScaleValue\"=hex:01,02\n"         // binary: the default
                        "\"Width\"=dword:ffffffff\n"              // -1: no width, the default
                        "[HKEY_CURRENT_USER\\Software\\Corvane\\Meterly\\Quota]\n"
                        "\"QuotaNextNotify\"=hex:00,00,00,00\n"  // not 8 bytes: the default
                        "\"QuotaOverusePercentage\"=\"-12\"\n"));
  Settings expected = LoadedDefaults();
  expected.DisplayOnStartup = true;
  expected.EnableAutoRun = false;
  expected.EnableGradient = true;
  expected.NotifyActions = NotifyAction::Shutdown | NotifyAction::ShowGraph;
  expected.NotifySound = QStringLiteral("/home/a \"b\"/ding.wav");
  expected.ClickThruShortCut = 0x2345;
  expected.TransparentValue = 25;
  EXPECT_TRUE(s == expected);
}

// So that the program starts whatever the file holds.
TEST_F(SettingsTest, StoredNumbersOutsideTheirRangeTakeTheirDefaultsAndAreNamed) {
  QStringList problems;
  const Settings s = LoadFrom(FileWith("[HKEY_CURRENT_USER\\Software\\Corvane\\Meterly\\Graph]\n"
                                       "\"LineType\"=dword:00000003\n"
                                       "\"LineStep\"=dword:7fffffff\n"
                                       "\"TransparentValue\"=dword:00000065\n"
                                       "[HKEY_CURRENT_USER\\Software\\Corvane\\Meterly\\Main]\n"
                                       "\"Unit\"=dword:00000002\n"
                                       "\"VolumeUnit\"=dword:00000009\n"
                                       "\"TrayIconMode\"=dword:00000106\n"  // would be cut to 6: still out of range
                                       "[HKEY_CURRENT_USER\\Software\\Corvane\\Meterly\\Usage]\n"
                                       "\"MonthStartsOn\"=\"0\"\n"
                                       "[HKEY_CURRENT_USER\\Software\\Corvane\\Meterly\\Advanced]\n"
                                       "\"PeakHourTo\"=\"24\"\n"
                                       "[HKEY_CURRENT_USER\\Software\\Corvane\\Meterly\\Quota]\n"
                                       "\"QuotaType\"=dword:00000102\n"
                                       "\"QuotaUnit\"=dword:00000001\n"  // in range: kept
                                       "[HKEY_CURRENT_USER\\Software\\Corvane\\Meterly\\Ping]\n"
                                       "\"EchoPackets\"=\"70000\"\n"
                                       "[HKEY_CURRENT_USER\\Software\\Corvane\\Meterly\\Totals]\n"
                                       "\"CustomDateTo\"=dword:7fffffff\n"),
                              &problems);
  Settings expected = LoadedDefaults();
  expected.Quota.QuotaUnit = 1;
  EXPECT_TRUE(s == expected) << problems.join(QLatin1Char('\n')).toStdString();
  ASSERT_EQ(problems.size(), 11) << problems.join(QLatin1Char('\n')).toStdString();
  EXPECT_EQ(problems.first(),
            QStringLiteral("the stored setting Quota\\QuotaType = 258 is outside 0 to 2; the default 0 "
                           "applies"));
  EXPECT_TRUE(problems.join(QLatin1Char('\n')).contains(QStringLiteral("Graph\\LineStep = 2147483647")));
}

// Every value away from its default: each is read back under the name and in the form it is written with.
TEST_F(SettingsTest, EveryValueSurvivesALoadAndASave) {
  const QByteArray changed =
      testing_support::FileBytes(testing_support::ReferenceFolder(__FILE__) + QStringLiteral("/changed_settings.reg"));
  ASSERT_FALSE(changed.isEmpty());
  Settings s = LoadFrom(changed);
  EXPECT_TRUE(s.AutoUpdate == AutoUpdateSettings{}) << "the version checker loads its own values";
  SettingsStore store(registry);
  s.AutoUpdate.Load(store, 0);  // as the version checker does
  Save(s);
  EXPECT_EQ(file.contents->toStdString(), changed.toStdString());

  Save(DefaultSettings(context));
  const QList<QByteArray> defaults = file.contents->split('\n');
  for (const QByteArray& line : changed.split('\n')) {
    EXPECT_FALSE(line.startsWith('"') && defaults.contains(line)) << "at its default: " << line.toStdString();
  }
}

TEST_F(SettingsTest, QuotaKeepsItsFieldsWhenItsValuesAreMissing) {
  registry.Hive().CreateKey(SettingsKey);
  SettingsStore store(registry);
  QuotaDefinition quota;
  quota.QuotaType = 2;
  quota.QuotaUnit = 1;
  quota.OnPeakAllowance = 700;
  quota.LoadFromSettings(&store, 45000.25);
  EXPECT_EQ(quota.QuotaType, 2);
  EXPECT_EQ(quota.QuotaUnit, 1);
  EXPECT_EQ(quota.OnPeakAllowance, 0);
  EXPECT_DOUBLE_EQ(quota.QuotaNextNotify, 45000.25);
  EXPECT_THROW(quota.LoadFromSettings(nullptr, 0), EAssertionFailed);
}

TEST_F(SettingsTest, WeekStartFollowsTheLocale) {
  context.localeFirstDayOfWeek = 0;
  EXPECT_EQ(DefaultSettings(context).WeekStartsOn, 1);
  context.localeFirstDayOfWeek = -1;  // unreadable
  EXPECT_EQ(DefaultSettings(context).WeekStartsOn, 0);
  context.localeFirstDayOfWeek = 7;
  testing_support::ExpectAssertion("Main", [&] { DefaultSettings(context); });
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

// A saved file mutated at random: loading never crashes or hangs, a rejected file gives the defaults,
// whatever was accepted saves and loads back unchanged. METERLY_FUZZ_SEED tries another seed.
TEST_F(SettingsTest, DamagedFilesEndInALineErrorAndTheDefaultsOrInSettingsThatAreStable) {
  const char* chosen = std::getenv("METERLY_FUZZ_SEED");
  const unsigned seed = chosen != nullptr ? static_cast<unsigned>(std::strtoul(chosen, nullptr, 10)) : 20261206u;
  std::cout << "[ seed     ] " << seed << std::endl;
  Random random(seed);
  // A saved file with a hand-written key after it: a comment, a default value, a continued hex list.
  Settings saved = DefaultSettings(context);
  saved.NotifySound = QStringLiteral("/home/用户/a \"b\".wav");
  Save(saved);
  const QByteArray sample = *file.contents +
                            "\n; written by hand\n[HKEY_CURRENT_USER\\Software\\Corvane\\Meterly\\Extra]\n@=\"默认\"\n"
                            "\"Pattern\"=hex:01,02,03,04,05,06,07,08,\\\n  09,0a,0b,0c\n\"Limit\"=dword:7fffffff\n";
  const Settings defaults = LoadedDefaults();

  constexpr int Cases = 2000;
  int rejected = 0;
  for (int index = 0; index < Cases && !testing::Test::HasFailure(); ++index) {
    SCOPED_TRACE(testing::Message() << "case " << index);
    QByteArray text = sample;
    for (int m = 1 + Below(random, 4); m > 0; --m) OneOf(random, Mutations)(text, random);
    const bool parsed = ParserHolds(text);

    file.setAsideAs.reset();
    const Settings loaded = LoadFrom(text);
    EXPECT_EQ(file.setAsideAs.has_value(), !parsed) << "the store and the parser disagree";
    if (!parsed) {
      ++rejected;
      EXPECT_TRUE(loaded == defaults) << "rejected, but not the defaults";
      continue;
    }
    Save(loaded);
    EXPECT_TRUE(LoadFrom(file.contents.value_or("")) == loaded) << "changed on a save and load";
  }
  std::cout << rejected << " of " << Cases << " damaged files were rejected" << std::endl;
  // Most mutations break the file, some leave it valid: both outcomes must be exercised.
  EXPECT_GT(rejected, Cases / 2);
  EXPECT_GT(Cases - rejected, Cases / 20);
}

}  // namespace
}  // namespace meterly
