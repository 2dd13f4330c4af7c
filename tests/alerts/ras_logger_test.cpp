#include "alerts/ras_logger.h"
#include "support/dialup_fixture.h"

#include <qtestsupport_core.h>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>

namespace meterly {
namespace {

using testing_support::RasFixture;

constexpr int kFastPollMs = 5;
constexpr int kWaitMs = 10000;

class RasLoggerTest : public ::testing::Test, protected RasFixture {
 protected:
  std::unique_ptr<TRasLogger> Start(int pollMs = kFastPollMs) {
    return std::make_unique<TRasLogger>(
        dialup(), platform.clockFake, *db,
        [this](const QString& problem) {
          std::lock_guard lock(problemsMutex);
          problems.push_back(problem);
          lockHeldWhileReporting = lockHeldWhileReporting || db->LockCount() != 0;
        },
        pollMs);
  }

  std::vector<QString> Reported() {
    std::lock_guard lock(problemsMutex);
    return problems;
  }

  std::mutex problemsMutex;
  std::vector<QString> problems;
  bool lockHeldWhileReporting = false;
};

TEST_F(RasLoggerTest, AConnectionUpAtStartIsLoggedFromTheStartWithAllItsBytes) {
  platform.clockFake.localNow = QDateTime(QDate(2026, 3, 31), QTime(7, 6, 5));
  dialup().Connect(QStringLiteral("dsl0"), 4);
  dialup().SetCounters(4, 123456, 789);
  auto logger = Start();
  ASSERT_TRUE(QTest::qWaitFor([&] { return dialup().Enumerations() >= 1; }, kWaitMs));
  QThread::msleep(40 * kFastPollMs);  // some polls, even on a busy machine
  dialup().Disconnect(QStringLiteral("dsl0"));
  dialup().SignalEvent();
  ASSERT_TRUE(QTest::qWaitFor([&] { return LoggedSessions().size() == 1; }, kWaitMs));
  EXPECT_TRUE(LoggedSessions().front().startsWith(QStringLiteral("dsl0|2026-03-31 07:06:05|")));
  EXPECT_TRUE(LoggedSessions().front().endsWith(QStringLiteral("|123456|789")))
      << LoggedSessions().front().toStdString();
  EXPECT_TRUE(Reported().empty());
}

TEST_F(RasLoggerTest, StopWakesTheThreadInsteadOfWaitingOutThePoll) {
  const auto started = std::chrono::steady_clock::now();
  {
    auto logger = Start(600000);
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialup().LongestWaitMs() > 0; }, kWaitMs)) << "the thread waits";
    logger->Stop();
    EXPECT_TRUE(QTest::qWaitFor([&] { return logger->Finished(); }, kWaitMs));
  }
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(60));
  EXPECT_FALSE(dialup().WatchOpen());
}

TEST_F(RasLoggerTest, StatisticsArePolledOnTimeUnderAStreamOfEvents) {
  dialup().Connect(QStringLiteral("ppp0"), 10);
  dialup().SetCounters(10, 42, 0);
  auto logger = Start();
  dialup().SignalEvent(true);  // every wait ends with an event at once
  QThread::msleep(40 * kFastPollMs);
  dialup().Disconnect(QStringLiteral("ppp0"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return LoggedSessions().size() == 1; }, kWaitMs));
  EXPECT_TRUE(LoggedSessions().front().endsWith(QStringLiteral("|42|0"))) << "polled although events never stopped";
}

// Keeping the session for a later write is the sessions' part.
TEST_F(RasLoggerTest, ADatabaseErrorIsReportedOnceAndWithoutTheLock) {
  dialup().Connect(QStringLiteral("ppp0"), 10);
  auto logger = Start();
  ASSERT_TRUE(QTest::qWaitFor([&] { return dialup().Enumerations() >= 1; }, kWaitMs));
  {
    TSQLiteDB::LockGuard lock(*db);
    db->ExecSQL(QStringLiteral("ALTER TABLE dialup RENAME TO dialup_away"));
  }
  dialup().Disconnect(QStringLiteral("ppp0"));
  dialup().SignalEvent();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !Reported().empty(); }, kWaitMs));
  dialup().SignalEvent();  // a second failing attempt is not told again
  ASSERT_TRUE(QTest::qWaitFor([&] { return dialup().Enumerations() >= 3; }, kWaitMs));
  dialup().SignalEvent();  // begun only once that attempt is over
  ASSERT_TRUE(QTest::qWaitFor([&] { return dialup().Enumerations() >= 4; }, kWaitMs));
  ASSERT_EQ(Reported().size(), 1u);
  EXPECT_TRUE(Reported().front().contains(QStringLiteral("kept and logged again later")));
  EXPECT_FALSE(lockHeldWhileReporting);
}

TEST_F(RasLoggerTest, ABrokenWatchIsReportedAndEndsTheThread) {
  auto logger = Start();
  dialup().SetWatchFailing(true);
  ASSERT_TRUE(QTest::qWaitFor([&] { return logger->Finished(); }, kWaitMs));
  ASSERT_EQ(Reported().size(), 1u);
  EXPECT_TRUE(Reported().front().contains(QStringLiteral("the fake watch broke")));
}

TEST_F(RasLoggerTest, WithoutDialupTheLoggerCannotBeCreated) {
  dialup().SetAvailable(false);
  EXPECT_ANY_THROW(Start());
  EXPECT_FALSE(dialup().WatchOpen());
}

// The tick's pending sums and their flush run on this thread while the logger logs a session on
// every event: each session row is written while this thread is outside the lock, and neither
// side waits for ever.
TEST_F(RasLoggerTest, LoggerAndFlushShareTheLockWithoutOverlapOrDeadlock) {
  constexpr int kIterations = 3000;
  std::atomic<bool> mainInside{false};
  std::atomic<int> overlaps{0};
  std::atomic<int> sessionRows{0};
  db->SetStatementObserver([&](const QString& sql) {
    if (!sql.startsWith(QStringLiteral("INSERT INTO dialup"))) return;
    ++sessionRows;
    if (mainInside.load()) ++overlaps;
  });
  auto logger = Start(1);
  int connects = 0;
  for (int i = 0; i < kIterations; ++i) {
    if (i % 2 == 0) {
      dialup().Connect(QStringLiteral("ppp0"), static_cast<quint64>(100 + i));
      ++connects;
    } else {
      dialup().Disconnect(QStringLiteral("ppp0"));
    }
    dialup().SignalEvent();
    TSQLiteDB::LockGuard lock(*db);
    mainInside = true;
    db->AddData(1, 1000, 100);
    if (i % 10 == 0) db->FlushPending();
    mainInside = false;
  }
  dialup().Disconnect(QStringLiteral("ppp0"));
  dialup().SignalEvent();
  logger.reset();
  TSQLiteDB::LockGuard lock(*db);
  db->FlushPending();
  EXPECT_EQ(overlaps.load(), 0);
  EXPECT_GT(sessionRows.load(), 0);
  EXPECT_LE(sessionRows.load(), connects);
  EXPECT_EQ(static_cast<int>(LoggedSessions().size()), sessionRows.load());
  EXPECT_EQ(db->GetTotalsSince(std::nullopt).Totals.DataIn, 1000LL * kIterations);
  EXPECT_TRUE(Reported().empty());
}

}  // namespace
}  // namespace meterly
