#include "alerts/ras_logger.h"
#include "support/dialup_fixture.h"

#include <QDeadlineTimer>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>

namespace meterly {
namespace {

using testing_support::RasFixture;

constexpr int kFastPollMs = 5;

class RasLoggerTest : public ::testing::Test, protected RasFixture {
 protected:
  std::unique_ptr<TRasLogger> start(int pollMs = kFastPollMs) {
    return std::make_unique<TRasLogger>(
        dialup(), platform.clockFake, *db,
        [this](const QString& problem) {
          std::lock_guard lock(problemsMutex);
          problems.push_back(problem);
          lockHeldWhileReporting = lockHeldWhileReporting || db->LockCount() != 0;
        },
        pollMs);
  }

  // Polls until the condition holds (at most ten seconds).
  template <typename Condition>
  bool eventually(Condition condition) {
    QDeadlineTimer deadline(10000);
    while (!condition()) {
      if (deadline.hasExpired()) return false;
      QThread::msleep(2);
    }
    return true;
  }

  std::vector<QString> reported() {
    std::lock_guard lock(problemsMutex);
    return problems;
  }

  std::mutex problemsMutex;
  std::vector<QString> problems;
  bool lockHeldWhileReporting = false;
};

TEST_F(RasLoggerTest, AConnectionUpAtStartIsLoggedFromTheStartWithAllItsBytes) {
  platform.clockFake.localNow = QDateTime(QDate(2026, 3, 31), QTime(7, 6, 5));
  dialup().connect(QStringLiteral("dsl0"), 4);
  dialup().setCounters(4, 123456, 789);
  auto logger = start();
  ASSERT_TRUE(eventually([&] { return dialup().enumerations() >= 1; }));
  QThread::msleep(40 * kFastPollMs);  // some polls, even on a busy machine
  dialup().disconnect(QStringLiteral("dsl0"));
  dialup().signalEvent();
  ASSERT_TRUE(eventually([&] { return loggedSessions().size() == 1; }));
  EXPECT_TRUE(loggedSessions().front().startsWith(QStringLiteral("dsl0|2026-03-31 07:06:05|")));
  EXPECT_TRUE(loggedSessions().front().endsWith(QStringLiteral("|123456|789")))
      << loggedSessions().front().toStdString();
  EXPECT_TRUE(reported().empty());
}

TEST_F(RasLoggerTest, StopWakesTheThreadInsteadOfWaitingOutThePoll) {
  const auto started = std::chrono::steady_clock::now();
  {
    auto logger = start(600000);
    ASSERT_TRUE(eventually([&] { return dialup().longestWaitMs() > 0; })) << "the thread waits";
    logger->Stop();
    EXPECT_TRUE(eventually([&] { return logger->Finished(); }));
  }
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(60));
  EXPECT_FALSE(dialup().watchOpen());
}

TEST_F(RasLoggerTest, StatisticsArePolledOnTimeUnderAStreamOfEvents) {
  dialup().connect(QStringLiteral("ppp0"), 10);
  dialup().setCounters(10, 42, 0);
  auto logger = start();
  dialup().signalEvent(true);  // every wait ends with an event at once
  QThread::msleep(40 * kFastPollMs);
  dialup().disconnect(QStringLiteral("ppp0"));
  ASSERT_TRUE(eventually([&] { return loggedSessions().size() == 1; }));
  EXPECT_TRUE(loggedSessions().front().endsWith(QStringLiteral("|42|0"))) << "polled although events never stopped";
}

// Keeping the session for a later write is the sessions' part.
TEST_F(RasLoggerTest, ADatabaseErrorIsReportedOnceAndWithoutTheLock) {
  dialup().connect(QStringLiteral("ppp0"), 10);
  auto logger = start();
  ASSERT_TRUE(eventually([&] { return dialup().enumerations() >= 1; }));
  {
    TSQLiteDB::LockGuard lock(*db);
    db->ExecSQL(QStringLiteral("ALTER TABLE dialup RENAME TO dialup_away"));
  }
  dialup().disconnect(QStringLiteral("ppp0"));
  dialup().signalEvent();
  ASSERT_TRUE(eventually([&] { return !reported().empty(); }));
  dialup().signalEvent();  // a second failing attempt is not told again
  ASSERT_TRUE(eventually([&] { return dialup().enumerations() >= 3; }));
  dialup().signalEvent();  // begun only once that attempt is over
  ASSERT_TRUE(eventually([&] { return dialup().enumerations() >= 4; }));
  ASSERT_EQ(reported().size(), 1u);
  EXPECT_TRUE(reported().front().contains(QStringLiteral("kept and logged again later")));
  EXPECT_FALSE(lockHeldWhileReporting);
}

TEST_F(RasLoggerTest, ABrokenWatchIsReportedAndEndsTheThread) {
  auto logger = start();
  dialup().setWatchFailing(true);
  ASSERT_TRUE(eventually([&] { return logger->Finished(); }));
  ASSERT_EQ(reported().size(), 1u);
  EXPECT_TRUE(reported().front().contains(QStringLiteral("the fake watch broke")));
}

TEST_F(RasLoggerTest, WithoutDialupTheLoggerCannotBeCreated) {
  dialup().setAvailable(false);
  EXPECT_ANY_THROW(start());
  EXPECT_FALSE(dialup().watchOpen());
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
  auto logger = start(1);
  int connects = 0;
  for (int i = 0; i < kIterations; ++i) {
    if (i % 2 == 0) {
      dialup().connect(QStringLiteral("ppp0"), static_cast<quint64>(100 + i));
      ++connects;
    } else {
      dialup().disconnect(QStringLiteral("ppp0"));
    }
    dialup().signalEvent();
    TSQLiteDB::LockGuard lock(*db);
    mainInside = true;
    db->AddData(1, 1000, 100);
    if (i % 10 == 0) db->FlushPending();
    mainInside = false;
  }
  dialup().disconnect(QStringLiteral("ppp0"));
  dialup().signalEvent();
  logger.reset();
  TSQLiteDB::LockGuard lock(*db);
  db->FlushPending();
  EXPECT_EQ(overlaps.load(), 0);
  EXPECT_GT(sessionRows.load(), 0);
  EXPECT_LE(sessionRows.load(), connects);
  EXPECT_EQ(static_cast<int>(loggedSessions().size()), sessionRows.load());
  EXPECT_EQ(db->GetTotalsSince(std::nullopt).Totals.DataIn, 1000LL * kIterations);
  EXPECT_TRUE(reported().empty());
}

}  // namespace
}  // namespace meterly
