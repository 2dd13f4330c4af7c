#include "alerts/quota_overuse_check.h"

#include "alerts/quota.h"
#include "base/date_serial.h"
#include "core/settings.h"
#include "fakes/fake_platform.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace meterly {
namespace {

struct OpenedWindow {
  QString text;
  int seconds = 0;
  std::function<void(int)> remindChosen;
};

// The check with a scripted window factory. The quota is daily with no database: an allowance of
// 0 counts as used up, any other allowance as unused.
class QuotaOveruseCheckTest : public ::testing::Test {
 protected:
  QuotaOveruseCheckTest() {
    platform.clockFake.localNow = QDateTime(QDate(2026, 3, 31), QTime(12, 0));
    settings.EnableQuotaOveruseMessage = true;
    settings.QuotaOverusePercentage = 90;
    settings.Quota.QuotaNextNotify = now() - 1;
  }

  double now() { return DateTimeToSerial(platform.clockFake.localNow); }

  fakes::FakePlatform platform;
  Settings settings;
  TQuotaSetup quota{settings, platform.clockFake, [] { return nullptr; }};
  bool timedMessageOpen = false;
  std::vector<OpenedWindow> opened;
  int saves = 0;
  QuotaOveruseCheck check{settings,
                          quota,
                          platform.clockFake,
                          [this] { return timedMessageOpen; },
                          [this](const QString& text, int seconds, std::function<void(int)> remindChosen) {
                            opened.push_back({text, seconds, std::move(remindChosen)});
                          },
                          [this] { ++saves; }};
};

TEST_F(QuotaOveruseCheckTest, AUsedUpQuotaOpensTheMessageForAMinute) {
  check.CheckQuotaOveruse();
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].text, QStringLiteral("Your quota has been used up at least 90 percent. Please choose "
                                           "'Quota' from the popup menu for details."));
  EXPECT_EQ(opened[0].seconds, 60);
  EXPECT_EQ(saves, 0);
}

TEST_F(QuotaOveruseCheckTest, AQuotaBelowTheThresholdOpensNothing) {
  settings.Quota.OnPeakAllowance = 1;
  check.CheckQuotaOveruse();
  EXPECT_TRUE(opened.empty());
}

TEST_F(QuotaOveruseCheckTest, TheChoiceMadeInTheWindowSetsTheNextTimeAndSaves) {
  check.CheckQuotaOveruse();
  ASSERT_EQ(opened.size(), 1u);
  platform.clockFake.advanceMs(5000);  // the user took five seconds to choose
  opened[0].remindChosen(2);
  EXPECT_EQ(SerialToDateTime(settings.Quota.QuotaNextNotify), QDateTime(QDate(2026, 4, 3), QTime(12, 0, 5)));
  EXPECT_EQ(saves, 1);
  platform.clockFake.advanceMs(2LL * 24 * 3600 * 1000);
  check.CheckQuotaOveruse();
  EXPECT_EQ(opened.size(), 1u);
}

}  // namespace
}  // namespace meterly
