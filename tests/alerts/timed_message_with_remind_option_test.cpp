#include "alerts/timed_message_with_remind_option.h"

#include "alerts/quota.h"
#include "alerts/quota_overuse_check.h"
#include "base/date_serial.h"
#include "core/settings.h"
#include "fakes/fake_platform.h"
#include "support/expect_assertion.h"
#include "support/windows.h"

#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace meterly {
namespace {

const QDateTime kNow(QDate(2026, 3, 31), QTime(12, 0));

TEST(RemindChoiceTest, AChoiceOutsideTheListFailsTheWindowsCheck) {
  testing_support::ExpectAssertion("TimedMessageWithRemindOption", [] { RemindNextNotify(5, 46000, 46001); });
  testing_support::ExpectAssertion("TimedMessageWithRemindOption", [] { RemindNextNotify(-1, 46000, 46001); });
}

// The overuse message with the real window: a monthly quota with no allowance, used up at once.
class RemindWindowTest : public ::testing::Test {
 protected:
  RemindWindowTest() {
    platform.clockFake.localNow = kNow;
    settings.Quota.QuotaType = QuotaPeriod::Monthly;
    settings.Quota.QuotaNextNotify = DateTimeToSerial(kNow) - 1;
    settings.EnableQuotaOveruseMessage = true;
  }

  ~RemindWindowTest() override { testing_support::DeleteTopLevel<TTimedMessageForm>(); }

  static std::vector<TTimedMessageWithRemindOptionForm*> OpenWindows() {
    return testing_support::VisibleTopLevel<TTimedMessageWithRemindOptionForm>();
  }

  // Runs the check and returns the window it opened.
  QPointer<TTimedMessageWithRemindOptionForm> OpenByCheck() {
    check->CheckQuotaOveruse();
    const auto windows = OpenWindows();
    return windows.size() == 1 ? windows.front() : nullptr;
  }

  QDateTime NextNotify() const { return SerialToDateTime(settings.Quota.QuotaNextNotify); }

  fakes::FakePlatform platform;
  Settings settings;
  TQuotaSetup quota{settings, platform.clockFake, [] { return nullptr; }};
  std::vector<QDateTime> saved;  // QuotaNextNotify at each save
  std::unique_ptr<QuotaOveruseCheck> check = std::make_unique<QuotaOveruseCheck>(
      settings, quota, platform.clockFake, AnyTimedMessageOpen, RemindWindowOpener(platform.powerFake),
      [this] { saved.push_back(NextNotify()); });
};

TEST_F(RemindWindowTest, EveryWayOfClosingAppliesTheChosenItemAndSavesAtOnce) {
  const std::vector<std::pair<int, std::function<void(TTimedMessageWithRemindOptionForm&)>>> closings{
      {1, [](TTimedMessageWithRemindOptionForm& w) { w.ButtonOk->click(); }},
      {2, [](TTimedMessageWithRemindOptionForm& w) { w.ButtonCancel->click(); }},
      {3, [](TTimedMessageWithRemindOptionForm& w) { w.close(); }},  // the close box
      {4,
       [](TTimedMessageWithRemindOptionForm& w) {
         for (int second = 0; second < 60; ++second) w.TimerTimer();
       }},
  };
  // The monthly period ends today: the last item waits only until midnight.
  const std::vector<QDateTime> expected{kNow.addDays(1), kNow.addDays(3), kNow.addDays(7),
                                        QDateTime(QDate(2026, 3, 31), QTime(23, 59, 59, 999))};
  for (size_t i = 0; i < closings.size(); ++i) {
    settings.Quota.QuotaNextNotify = DateTimeToSerial(kNow) - 1;
    saved.clear();
    const QPointer<TTimedMessageWithRemindOptionForm> window = OpenByCheck();
    ASSERT_FALSE(window.isNull()) << "closing " << i;
    window->RemindMeComboBox->setCurrentIndex(closings[i].first);
    closings[i].second(*window);
    EXPECT_EQ(saved, std::vector<QDateTime>{expected[i]}) << "closing " << i;
    EXPECT_EQ(NextNotify(), expected[i]) << "closing " << i;
    testing_support::RunDeferredDeletes();
    EXPECT_TRUE(window.isNull()) << "closing " << i;
  }
}

TEST_F(RemindWindowTest, NoSecondWindowOpensAndTheMessageWaitsForTheChosenTime) {
  settings.QuotaOverusePercentage = 80;
  settings.Quota.OnPeakAllowance = 1;  // unused: below the threshold
  check->CheckQuotaOveruse();
  EXPECT_TRUE(OpenWindows().empty());
  settings.Quota.OnPeakAllowance = 0;
  QPointer<TTimedMessageWithRemindOptionForm> window = OpenByCheck();
  ASSERT_FALSE(window.isNull());
  EXPECT_EQ(window->LabelInfo->text(), QStringLiteral("Your quota has been used up at least 80 percent. Please choose "
                                                      "'Quota' from the popup menu for details."));
  check->CheckQuotaOveruse();
  check->CheckQuotaOveruse();
  EXPECT_EQ(OpenWindows().size(), 1u);

  platform.clockFake.AdvanceMs(5000);  // the hour counts from the choice, not from the opening
  window->ButtonCancel->click();       // the first item: in an hour
  EXPECT_EQ(NextNotify(), kNow.addSecs(3605));
  platform.clockFake.AdvanceMs(3600 * 1000);  // exactly at QuotaNextNotify: not yet
  check->CheckQuotaOveruse();
  EXPECT_TRUE(OpenWindows().empty());
  platform.clockFake.AdvanceMs(1);
  window = OpenByCheck();
  EXPECT_FALSE(window.isNull());
}

TEST_F(RemindWindowTest, AWindowClosingAfterTheCheckIsGoneChangesNothing) {
  const QPointer<TTimedMessageWithRemindOptionForm> window = OpenByCheck();
  ASSERT_FALSE(window.isNull());
  const double before = settings.Quota.QuotaNextNotify;
  check.reset();
  window->close();
  EXPECT_EQ(settings.Quota.QuotaNextNotify, before);
  EXPECT_TRUE(saved.empty());
}

}  // namespace
}  // namespace meterly
