#include "alerts/ras_sessions.h"
#include "alerts/ras_connections.h"
#include "support/dialup_fixture.h"

#include <gtest/gtest.h>

namespace meterly {
namespace {

using testing_support::RasFixture;

class RasSessionsTest : public ::testing::Test, protected RasFixture {
 protected:
  RasSessions sessions{dialup(), platform.clockFake, *db};

  const TRasItem& Session(const QString& name) {
    const TRasItem* item = sessions.Sessions().Find(name);
    EXPECT_NE(item, nullptr) << name.toStdString();
    static const TRasItem none;
    return item != nullptr ? *item : none;
  }
};

TEST_F(RasSessionsTest, OfTwoConnectionsOnlyTheOneThatEndedIsLogged) {
  platform.clockFake.localNow = QDateTime(QDate(2026, 3, 31), QTime(8, 0, 0));
  dialup().Connect(QStringLiteral("ppp0"), 10);
  dialup().Connect(QStringLiteral("ppp1"), 11);
  sessions.RefreshConnections();
  dialup().SetCounters(10, 500, 50);
  dialup().SetCounters(11, 700, 70);
  sessions.UpdateStatistics();
  sessions.UpdateStatistics();

  dialup().Disconnect(QStringLiteral("ppp0"));
  sessions.RefreshConnections();
  EXPECT_EQ(sessions.WriteFinished(), QString());
  EXPECT_EQ(LoggedSessions(), QStringList{QStringLiteral("ppp0|2026-03-31 08:00:00|2|500|50")});

  dialup().SetCounters(11, 900, 90);
  sessions.UpdateStatistics();
  ASSERT_EQ(sessions.Sessions().Count(), 1);
  EXPECT_EQ(Session(QStringLiteral("ppp1")).Duration, 3u) << "the other goes on being polled";
  EXPECT_EQ(Session(QStringLiteral("ppp1")).DataIn, 900);
}

TEST_F(RasSessionsTest, AReconnectUnderTheSameNameIsOneSessionThatKeepsCountingOnTheNewLink) {
  dialup().Connect(QStringLiteral("ppp0"), 10);
  sessions.RefreshConnections();
  dialup().SetCounters(10, 1000, 100);
  sessions.UpdateStatistics();

  // Down and up again before the logger looked: a new link under the old name.
  dialup().Connect(QStringLiteral("ppp0"), 12);
  dialup().SetCounters(12, 300, 30);
  sessions.RefreshConnections();
  ASSERT_EQ(sessions.Sessions().Count(), 1);
  EXPECT_TRUE(sessions.Unwritten().IsEmpty());
  EXPECT_EQ(Session(QStringLiteral("ppp0")).Handle, 12u);

  sessions.UpdateStatistics();
  dialup().SetCounters(12, 400, 40);
  sessions.UpdateStatistics();
  const TRasItem& item = Session(QStringLiteral("ppp0"));
  EXPECT_EQ(item.Duration, 3u) << "every poll of the new link counts";
  EXPECT_EQ(item.DataIn, 1000 + 400);
  EXPECT_EQ(item.DataOut, 100 + 40);
}

// Each row: the received counter at successive polls (none where the poll fails), and DataIn
// and the duration after the last one.
struct CounterCase {
  const char* name;
  std::vector<std::optional<quint64>> readings;
  qint64 expectedIn;
  quint32 expectedDuration;
};

class RasCounterTest : public RasSessionsTest, public ::testing::WithParamInterface<CounterCase> {};

TEST_P(RasCounterTest, DataInAndTheDurationFollowTheCounter) {
  dialup().Connect(QStringLiteral("ppp0"), 10);
  sessions.RefreshConnections();
  for (const std::optional<quint64> reading : GetParam().readings) {
    dialup().SetStatisticsFailing(10, !reading);
    if (reading) dialup().SetCounters(10, *reading, 0);
    sessions.UpdateStatistics();
  }
  EXPECT_EQ(Session(QStringLiteral("ppp0")).DataIn, GetParam().expectedIn);
  EXPECT_EQ(Session(QStringLiteral("ppp0")).Duration, GetParam().expectedDuration);
}

INSTANTIATE_TEST_SUITE_P(
    Counters, RasCounterTest,
    ::testing::Values(CounterCase{"FirstPollAddsTheWholeCounter", {5000}, 5000, 1},
                      CounterCase{"StepsAddUp", {100, 250, 250, 900}, 900, 4},
                      CounterCase{"ADropAddsNothingAndIsTheNewBase", {1000, 10, 30}, 1020, 3},
                      CounterCase{"PastFourGibibytesNothingIsLost", {0xFFFFFFF0ull, 0x100000010ull}, 0x100000010ll, 2},
                      // The bytes of the failed seconds come with the next.
                      CounterCase{
                          "FailedPollsCountNeitherTimeNorBytes", {100, std::nullopt, std::nullopt, 200}, 200, 2}),
    [](const ::testing::TestParamInfo<CounterCase>& row) { return std::string(row.param.name); });

TEST_F(RasSessionsTest, AnUnreadableConnectionListEndsNoSessionAndIsReadAgainAtTheNextPoll) {
  dialup().Connect(QStringLiteral("ppp0"), 10);
  sessions.RefreshConnections();
  dialup().SetEnumerationFailing(true);
  sessions.RefreshConnections();
  EXPECT_EQ(sessions.Sessions().Count(), 1);
  EXPECT_TRUE(sessions.Unwritten().IsEmpty());

  dialup().SetEnumerationFailing(false);
  dialup().Disconnect(QStringLiteral("ppp0"));
  sessions.UpdateStatistics();
  EXPECT_EQ(sessions.Sessions().Count(), 0);
  EXPECT_EQ(sessions.Unwritten().Count(), 1);
}

TEST_F(RasSessionsTest, AFailedWriteKeepsTheSessionsForTheNextAndWritesThemOnce) {
  dialup().Connect(QStringLiteral("ppp0"), 10);
  dialup().Connect(QStringLiteral("ppp1"), 11);
  sessions.RefreshConnections();
  dialup().Disconnect(QStringLiteral("ppp0"));
  dialup().Disconnect(QStringLiteral("ppp1"));
  sessions.RefreshConnections();
  {
    TSQLiteDB::LockGuard lock(*db);
    db->ExecSQL(QStringLiteral("ALTER TABLE dialup RENAME TO dialup_away"));
  }
  EXPECT_NE(sessions.WriteFinished(), QString());
  EXPECT_EQ(sessions.Unwritten().Count(), 2);
  EXPECT_EQ(db->LockCount(), 0);
  {
    TSQLiteDB::LockGuard lock(*db);
    db->ExecSQL(QStringLiteral("ALTER TABLE dialup_away RENAME TO dialup"));
  }
  EXPECT_EQ(sessions.WriteFinished(), QString());
  EXPECT_EQ(LoggedSessions().size(), 2);
  EXPECT_TRUE(sessions.Unwritten().IsEmpty());
}

TEST_F(RasSessionsTest, ConnectionsAreAskedToEndInListOrderAndOnlyWhereDialupExists) {
  dialup().Connect(QStringLiteral("ppp1"), 11);
  dialup().Connect(QStringLiteral("ppp0"), 10);
  EXPECT_TRUE(IsDialupActive(dialup()));
  HangUpAllDialup(dialup());
  EXPECT_EQ(dialup().HungUp(), (std::vector<QString>{QStringLiteral("ppp1"), QStringLiteral("ppp0")}));

  dialup().SetAvailable(false);
  EXPECT_FALSE(IsDialupActive(dialup()));
  HangUpAllDialup(dialup());
  EXPECT_EQ(dialup().HungUp().size(), 2u);
}

}  // namespace
}  // namespace meterly
