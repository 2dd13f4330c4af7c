// Malformed settings files, made by mutating a real one at random: loading must never crash
// or hang, a rejected file gives the defaults, and whatever was accepted saves and loads back
// unchanged.
#include "base/date_serial.h"
#include "core/settings.h"
#include "core/settings_store.h"
#include "fakes/fake_registry_file.h"

#include <gtest/gtest.h>

#include <iostream>
#include <random>

namespace meterly {
namespace {

SettingsContext fixedContext() {
  SettingsContext context;
  context.localeFirstDayOfWeek = 0;
  context.screenWidth = 1280;
  context.screenHeight = 800;
  context.now = QDateTime(QDate(2026, 12, 6), QTime(9, 30));
  return context;
}

Settings load(fakes::FakeRegistryFile& file) {
  platform::Registry registry(file);
  registry.load();
  SettingsStore store(registry);
  Settings settings;
  LoadSettings(store, settings, fixedContext());
  return settings;
}

QByteArray validFile() {
  fakes::FakeRegistryFile file;
  platform::Registry registry(file);
  SettingsStore store(registry);
  Settings settings = DefaultSettings(fixedContext());
  settings.NotifySound = QStringLiteral("/home/用户/a \"b\".wav");
  SaveSettings(store, settings);
  return *file.contents;
}

class Mutator {
 public:
  explicit Mutator(unsigned seed) : random_(seed) {}

  QByteArray mutate(QByteArray text) {
    const int rounds = 1 + pick(4);
    for (int i = 0; i < rounds; ++i) text = mutateOnce(text);
    return text;
  }

 private:
  int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

  QByteArray mutateOnce(QByteArray text) {
    QList<QByteArray> lines = text.split('\n');
    const int at = pick(static_cast<int>(lines.size()));
    QByteArray& line = lines[at];
    static const char* const kFragments[] = {"dword:123456789",
                                             "dword:-1",
                                             "dword:",
                                             "hex:1,2,333",
                                             "hex:zz",
                                             "\"",
                                             "[",
                                             "]",
                                             "=",
                                             "\\",
                                             "\xff\xfe",
                                             "\xc3",
                                             "\xe4\xb8",
                                             "99999999999999999999",
                                             "hex(2):00",
                                             "@=",
                                             "[HKEY_LOCAL_MACHINE\\x]"};
    switch (pick(8)) {
      case 0:  // drop a character
        if (!line.isEmpty()) line.remove(pick(static_cast<int>(line.size())), 1);
        break;
      case 1:  // insert a random byte
        line.insert(pick(static_cast<int>(line.size()) + 1), static_cast<char>(pick(256)));
        break;
      case 2:  // insert a hostile fragment
        line.insert(pick(static_cast<int>(line.size()) + 1), kFragments[pick(std::size(kFragments))]);
        break;
      case 3:  // cut the line short
        line.truncate(pick(static_cast<int>(line.size()) + 1));
        break;
      case 4:  // repeat the line
        lines.insert(at, line);
        break;
      case 5:  // swap a value's type
        line.replace("dword:", "\"").replace("=\"", "=dword:");
        break;
      case 6:  // a very long line
        line.append(QByteArray(5000 + pick(5000), 'A' + static_cast<char>(pick(26))));
        break;
      default:  // change a digit
        for (char& c : line) {
          if (c >= '0' && c <= '9' && pick(3) == 0) c = static_cast<char>('0' + pick(10));
        }
        break;
    }
    return lines.join('\n');
  }

  std::mt19937 random_;
};

TEST(SettingsFuzzTest, MalformedFilesLoadSafely) {
  const unsigned seed = 20261206;
  std::cout << "[ seed     ] " << seed << '\n';
  Mutator mutator(seed);
  const QByteArray original = validFile();
  Settings defaults = DefaultSettings(fixedContext());
  defaults.Quota.QuotaNextNotify = DateTimeToSerial(fixedContext().now);
  defaults.AutoUpdate = AutoUpdateSettings{};

  int rejected = 0;
  int accepted = 0;
  for (int i = 0; i < 1500; ++i) {
    fakes::FakeRegistryFile file;
    file.contents = mutator.mutate(original);
    const Settings loaded = load(file);
    if (file.setAsideAs) {
      ++rejected;
      ASSERT_TRUE(loaded == defaults) << "case " << i << " was rejected but did not give the defaults";
      continue;
    }
    ++accepted;
    // What was accepted must be stable: saved and loaded again, nothing changes.
    platform::Registry registry(file);
    registry.load();
    SettingsStore store(registry);
    SaveSettings(store, loaded);
    ASSERT_TRUE(load(file) == loaded) << "case " << i << " changed on a save and load";
  }
  // The mutations must exercise both outcomes, or the test proves nothing.
  EXPECT_GT(rejected, 100);
  EXPECT_GT(accepted, 100);
}

}  // namespace
}  // namespace meterly
