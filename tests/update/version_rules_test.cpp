#include "base/date_serial.h"
#include "core/settings_store.h"
#include "fakes/fake_platform.h"
#include "update/auto_check_rule.h"
#include "update/version_check_setup.h"
#include "update/version_check_texts.h"
#include "update/version_number.h"

#include <gtest/gtest.h>

namespace meterly {
namespace {

TEST(VersionNumberTest, OnlyTwoToFourDottedNumbersAreVersions) {
  for (const char* text : {"1.2", "1.2.3", "1.2.3.4", "0.0", "10.020"}) {
    EXPECT_TRUE(VersionNumber::Parse(QString::fromUtf8(text))) << text;
  }
  for (const char* text : {"", "1", "1.2.3.4.5", "1..2", "1.2.", ".1.2", "1.2a", "+1.2", "1.-2", " 1.2", "1,2", "v1.2",
                           "<html>", "1.99999999999"}) {
    EXPECT_FALSE(VersionNumber::Parse(QString::fromUtf8(text))) << text;
  }
}

TEST(VersionNumberTest, ComparesNumberByNumber) {
  const auto v = [](const char* text) { return *VersionNumber::Parse(QString::fromUtf8(text)); };
  EXPECT_TRUE(v("2.9") < v("2.10"));
  EXPECT_TRUE(v("1.9.9") < v("2.0"));
  EXPECT_TRUE(v("2.1") == v("2.1.0.0"));
  EXPECT_FALSE(v("2.1.1") < v("2.1"));
  EXPECT_TRUE(v("2.1") < v("2.1.0.1"));
}

TEST(LocalVersionTextTest, ShowsTheReleaseOnlyWhenItIsNotZero) {
  EXPECT_EQ(LocalVersionText(QStringLiteral("3.0.0.15")), QStringLiteral("3.0"));
  EXPECT_EQ(LocalVersionText(QStringLiteral("3.0.2.15")), QStringLiteral("3.0.2"));
  EXPECT_EQ(LocalVersionText(QStringLiteral("0.1.0.1")), QStringLiteral("0.1"));
  for (const char* bad : {"3.0", "", "3.0.x.1", "70000.0.0.0"}) {
    EXPECT_THROW(LocalVersionText(QString::fromUtf8(bad)), ECannotReadLocal) << bad;
  }
}

TEST(InternetErrorTextTest, KnownCodesHaveTheirSentenceOthersAreUnknown) {
  EXPECT_EQ(InternetErrorText(12031), QStringLiteral("The connection with the server has been reset."));
  for (const int code : {12000, 12034, 12044, 12157}) {
    EXPECT_EQ(InternetErrorText(code), QStringLiteral("Unknown error: %1").arg(code));
  }
}

TEST(AutoCheckRuleTest, DueEightWholeDaysAfterTheMidnightOfTheLastCheck) {
  const qint32 last = DateToDaySerial(QDate(2026, 3, 1));
  const std::pair<QDateTime, bool> cases[] = {
      {QDateTime(QDate(2026, 3, 1), QTime(23, 0)), false}, {QDateTime(QDate(2026, 3, 8), QTime(23, 59)), false},
      {QDateTime(QDate(2026, 3, 9), QTime(0, 0)), true},   {QDateTime(QDate(2026, 5, 1), QTime(12, 0)), true},
      {QDateTime(QDate(2026, 2, 20), QTime(12, 0)), true},  // dated in the future: the clock went back
  };
  for (const auto& [now, due] : cases) EXPECT_EQ(AutoCheckDue(last, now), due) << now.toString().toStdString();
}

TEST(VersionCheckSetupTest, SettingsMayNameAnotherServerAndTimeout) {
  fakes::FakePlatform platform;
  SettingsStore store(platform.registry());
  const VersionCheckSetup built = ReadVersionCheckSetup(store);
  EXPECT_EQ(built.TransferTimeoutMs, VersionCheckSetup::kDefaultTransferTimeoutMs);
  EXPECT_NO_THROW(LocalVersionText(built.FileVersion));

  store.WriteString(QStringLiteral("AutoUpdate"), QStringLiteral("VersionHost"), QStringLiteral("localhost:9"));
  store.WriteInteger(QStringLiteral("AutoUpdate"), QStringLiteral("TransferTimeout"), 250);
  const VersionCheckSetup overridden = ReadVersionCheckSetup(store);
  EXPECT_EQ(overridden.VersionUrl, QStringLiteral("http://localhost:9/products/meterly/version.txt"));
  EXPECT_EQ(overridden.TransferTimeoutMs, 250);

  store.WriteString(QStringLiteral("AutoUpdate"), QStringLiteral("VersionHost"),
                    QStringLiteral("https://example.org/"));
  EXPECT_EQ(ReadVersionCheckSetup(store).DownloadUrl,
            QStringLiteral("https://example.org/products/meterly/?from=auto"));
  store.WriteString(QStringLiteral("AutoUpdate"), QStringLiteral("VersionHost"), QStringLiteral(" "));
  EXPECT_FALSE(ReadVersionCheckSetup(store).Enabled());
}

}  // namespace
}  // namespace meterly
