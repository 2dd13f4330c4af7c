#include "core/settings.h"
#include "base/assertion.h"
#include "base/date_serial.h"
#include "core/settings_store.h"
#include "fakes/fake_registry_file.h"

#include "support/expect_assertion.h"
#include "support/reference_files.h"

#include <QFile>

#include <gtest/gtest.h>

namespace meterly {
namespace {

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

  void Save(const Settings& settings) {
    SettingsStore store(registry);
    SaveSettings(store, settings);
  }

  fakes::FakeRegistryFile file;
  platform::Registry registry{file};
  SettingsContext context;
};

// The defaults are the reference file: every value an empty store gives, saved in order, booleans
// as text. Here Sunday starts the week, the screen is 1920 x 1080 and it is noon on 31 March, so
// the custom report runs from 28 February (a month back, cut to the month's last day).
TEST_F(SettingsTest, AnEmptyStoreSavesTheReferenceDefaults) {
  Save(LoadFrom(QByteArray()));
  testing_support::ExpectMatchesReferenceText(testing_support::ReferenceFolder(__FILE__),
                                              QStringLiteral("default_settings.reg"), file.contents.value_or(""));
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
  EXPECT_TRUE(s.DisplayOnStartup);
  EXPECT_FALSE(s.EnableAutoRun);
  EXPECT_TRUE(s.EnableGradient);
  EXPECT_EQ(s.Unit, 0);
  EXPECT_EQ(s.InterfaceGuid, AllConnectionsGuid);
  EXPECT_EQ(s.TransparentValue, 25);
  EXPECT_EQ(s.LineStep, 3);
  EXPECT_EQ(s.FixedScaleValue, 0);
  EXPECT_EQ(s.GraphWindow.Width, 290);
  EXPECT_DOUBLE_EQ(s.Quota.QuotaNextNotify, DateTimeToSerial(context.now));
  EXPECT_EQ(s.QuotaOverusePercentage, 80);
  EXPECT_EQ(s.NotifyActions, NotifyAction::Shutdown | NotifyAction::ShowGraph);
  EXPECT_EQ(s.NotifySound, QStringLiteral("/home/a \"b\"/ding.wav"));
  EXPECT_EQ(s.ClickThruShortCut, 0x2345);
  EXPECT_EQ(s.TrayIconMode, 0) << "missing: the default";
}

// Values edited by hand or left by a damaged file: each one outside its range takes its default
// and is named, so that the program starts whatever the file holds.
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
  Settings expected = DefaultSettings(context);
  expected.Quota.QuotaNextNotify = DateTimeToSerial(context.now);
  expected.AutoUpdate = AutoUpdateSettings{};
  expected.Quota.QuotaUnit = 1;
  EXPECT_TRUE(s == expected) << problems.join(QLatin1Char('\n')).toStdString();
  ASSERT_EQ(problems.size(), 11) << problems.join(QLatin1Char('\n')).toStdString();
  EXPECT_EQ(problems.first(),
            QStringLiteral("the stored setting Quota\\QuotaType = 258 is outside 0 to 2; the default 0 "
                           "applies"));
  EXPECT_TRUE(problems.join(QLatin1Char('\n')).contains(QStringLiteral("Graph\\LineStep = 2147483647")));
}

// A file with every value away from its default: loading and saving it gives the same bytes, so
// every value is read back under the name and in the form it is written with.
TEST_F(SettingsTest, EveryValueSurvivesALoadAndASave) {
  QFile reference(testing_support::ReferenceFolder(__FILE__) + QStringLiteral("/changed_settings.reg"));
  ASSERT_TRUE(reference.open(QIODevice::ReadOnly));
  const QByteArray changed = reference.readAll();
  Settings s = LoadFrom(changed);
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

// What the version checker loads is read back in the load-and-save test above.
TEST_F(SettingsTest, AutoUpdateIsLeftToTheVersionCheckerWhenLoading) {
  const Settings s =
      LoadFrom(FileWith("[HKEY_CURRENT_USER\\Software\\Corvane\\Meterly\\AutoUpdate]\n"
                        "\"AutoCheckEnabled\"=\"1\"\n"));
  EXPECT_FALSE(s.AutoUpdate.AutoCheckEnabled);
}

TEST_F(SettingsTest, WeekStartFollowsTheLocale) {
  context.localeFirstDayOfWeek = 0;
  EXPECT_EQ(DefaultSettings(context).WeekStartsOn, 1);
  context.localeFirstDayOfWeek = -1;  // unreadable
  EXPECT_EQ(DefaultSettings(context).WeekStartsOn, 0);
  context.localeFirstDayOfWeek = 7;
  testing_support::ExpectAssertion("Main", [&] { DefaultSettings(context); });
}

TEST_F(SettingsTest, FailedWriteReachesTheCaller) {
  Settings s = LoadFrom(QByteArray());
  file.failWrites = true;
  EXPECT_THROW(Save(s), platform::RegistryError);
}

}  // namespace
}  // namespace meterly
