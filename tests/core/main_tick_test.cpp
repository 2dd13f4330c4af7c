#include "core/main_tick.h"
#include "fakes/fake_platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace meterly {
namespace {

namespace IfType = platform::IfType;

// Records every hand-over call as text, in order.
class RecordingHandover : public TickHandover {
 public:
  void GraphAddSample(quint32 in, quint32 out) override { Record("graph", in, out); }
  void TrayGraphStep() override { Record("tray"); }
  void FeedPublish(quint32 in, quint32 out) override { Record("feed", in, out); }
  void NotificationStep(quint32 in, quint32 out) override { Record("notify", in, out); }
  void CheckQuotaOveruse() override {
    Record("quota");
    if (quotaFails) throw std::runtime_error("bad quota value");
  }
  bool PendingHourEnded() override { return std::exchange(hourEnded, false); }
  void TickStepFailed(TickStep step, const QString& message) override {
    calls.push_back("failed " + std::to_string(static_cast<int>(step)) + " " + message.toStdString());
  }
  void AddData(quint32 dialupSeconds, quint64 in, quint64 out) override { Record("add", dialupSeconds, in, out); }
  void FlushPending() override { Record("flush"); }
  void RefreshTooltip() override { Record("tooltip"); }
  bool IsDialupActive() override { return dialup; }
  void AdapterListRebuilt() override { Record("rebuilt"); }
  void SpeedMeterStep(quint64 in, quint64 out) override { speedMeter.emplace_back(in, out); }

  std::vector<std::string> Take() { return std::exchange(calls, {}); }

  std::vector<std::string> calls;
  bool dialup = false;
  bool hourEnded = false;
  bool quotaFails = false;
  std::vector<std::pair<quint64, quint64>> speedMeter;  // apart from calls: it comes every tick

 private:
  template <typename... Numbers>
  void Record(const char* what, Numbers... numbers) {
    calls.push_back((std::string(what) + ... + (" " + std::to_string(numbers))));
  }
};

class FakeTray : public TrayIconHost {
 public:
  bool IsTrayIconShown() override { return shown; }
  bool TryShowTrayIcon() override {
    ++attempts;
    attachedDuringShow = tick != nullptr && tick->TickHandlerAttached();
    shown = nextAttemptSucceeds;
    return shown;
  }
  void TrayIconFailedForGood() override { ++fatalMessages; }

  bool shown = true;
  bool nextAttemptSucceeds = false;
  bool attachedDuringShow = false;
  int attempts = 0;
  int fatalMessages = 0;
  MainTick* tick = nullptr;
};

using Calls = std::vector<std::string>;

class MainTickTest : public ::testing::Test {
 protected:
  MainTickTest() {
    platform.AddInterface(2, QStringLiteral("eth0"), IfType::Ethernet, 1000, 100);
    sources.BuildAdapterList();
    settings.InterfaceGuid = QStringLiteral("eth0");
    tray.tick = &tick;
  }

  // Adds traffic, then runs one tick and returns what it handed over.
  Calls TickWith(quint64 in, quint64 out) {
    platform.interfaces.AddTraffic(QStringLiteral("eth0"), in, out);
    tick.TimerTimer();
    return handover.Take();
  }

  fakes::FakePlatform platform;
  Settings settings;
  TrafficSources sources{platform.interfaces, platform.addresses};
  RecordingHandover handover;
  FakeTray tray;
  MainTick tick{settings, sources, platform.addressWatch, tray, handover};
};

TEST_F(MainTickTest, ADetachedHandlerDoesNothingAndOnceAttachedTheFirstTickIsOnlyABaseline) {
  tick.AttachTickHandler(false);
  EXPECT_EQ(TickWith(10, 10), Calls{});
  EXPECT_EQ(tick.SampleTicks, 0u);
  tick.AttachTickHandler(true);
  EXPECT_EQ(TickWith(0, 0), (Calls{"feed 0 0", "tooltip"}));
  EXPECT_EQ(TickWith(1500, 40), (Calls{"graph 1500 40", "feed 1500 40", "add 0 1500 40", "tooltip"}));
}

TEST_F(MainTickTest, EveryStepRunsInOrderWhenSwitchedOnAndMinuteStepsEverySixtyTicks) {
  settings.ShowInTray = true;
  settings.EnableNotifications = true;
  settings.EnableQuotaOveruseMessage = true;
  handover.dialup = true;
  TickWith(0, 0);
  for (int second = 1; second < 60; ++second) {
    EXPECT_EQ(TickWith(10, 1), (Calls{"graph 10 1", "tray", "feed 10 1", "notify 10 1", "add 1 10 1", "tooltip"}));
  }
  EXPECT_EQ(TickWith(10, 1),
            (Calls{"graph 10 1", "tray", "feed 10 1", "notify 10 1", "quota", "add 1 10 1", "flush", "tooltip"}));
  EXPECT_EQ(tick.SampleTicks, 61u) << "the baseline and sixty counted seconds";

  settings.LineType = LineTypes::NumbersOnly;  // no icon graph
  EXPECT_EQ(TickWith(10, 1), (Calls{"graph 10 1", "feed 10 1", "notify 10 1", "add 1 10 1", "tooltip"}));
  tray.shown = false;  // a hidden icon draws no graph either; it is shown again first
  settings.LineType = 0;
  EXPECT_EQ(TickWith(10, 1), (Calls{"graph 10 1", "feed 10 1", "notify 10 1", "add 1 10 1", "tooltip"}));
}

TEST_F(MainTickTest, ACounterGoingDownMakesThatReadingTheBaselineAndTheNextTickCounts) {
  TickWith(0, 0);
  TickWith(100, 100);
  platform.interfaces.table[0].inOctets -= 50;  // an adapter reset
  EXPECT_EQ(TickWith(0, 10), (Calls{"feed 0 0", "tooltip"}));
  EXPECT_EQ(TickWith(30, 30), (Calls{"graph 30 30", "feed 30 30", "add 0 30 30", "tooltip"}));
}

// A fresh interface that has not received yet, or a send-only link, reads a real zero.
TEST_F(MainTickTest, AZeroReadingIsARealValue) {
  platform.interfaces.table[0].inOctets = 0;
  platform.interfaces.table[0].outOctets = 0;
  TickWith(0, 0);
  EXPECT_EQ(TickWith(0, 50), (Calls{"graph 0 50", "feed 0 50", "add 0 0 50", "tooltip"}));
  EXPECT_EQ(TickWith(70, 0), (Calls{"graph 70 0", "feed 70 0", "add 0 70 0", "tooltip"}));
}

// Removed and created again under the same name, the interface's counters start afresh.
TEST_F(MainTickTest, AnInterfaceCreatedAgainIsABaselineNotTraffic) {
  TickWith(0, 0);
  TickWith(10, 10);
  platform.interfaces.table[0].index = 9;
  platform.interfaces.table[0].inOctets = 2000;  // more than before, but another instance's
  EXPECT_EQ(TickWith(0, 0), (Calls{"feed 0 0", "tooltip"}));
  EXPECT_EQ(TickWith(5, 5), (Calls{"graph 5 5", "feed 5 5", "add 0 5 5", "tooltip"}));

  platform.AddInterface(3, QStringLiteral("eth1"), IfType::Ethernet, 9000, 9000);
  sources.BuildAdapterList();
  settings.InterfaceGuid = AllEthernetGuid;
  tick.RestartSampling();
  TickWith(0, 0);
  platform.interfaces.table.pop_back();  // a member leaves the aggregate
  EXPECT_EQ(TickWith(1, 1), (Calls{"feed 0 0", "tooltip"}));
  EXPECT_EQ(TickWith(1, 1), (Calls{"graph 1 1", "feed 1 1", "add 0 1 1", "tooltip"}));
}

// The speed meter gets every attached tick: zeros for a second that counted nothing, never the last one again.
TEST_F(MainTickTest, AVanishedInterfaceFeedsZerosAlsoToTheSpeedMeterAndKeepsTheLastFigures) {
  TickWith(0, 0);
  TickWith(800, 80);
  platform.interfaces.table.clear();
  EXPECT_EQ(TickWith(0, 0), (Calls{"feed 0 0", "tooltip"}));
  EXPECT_EQ(TickWith(0, 0), (Calls{"feed 0 0", "tooltip"}));
  EXPECT_EQ(tick.LastDeltaIn, 800u);
  EXPECT_EQ(tick.LastDeltaOut, 80u);

  settings.InterfaceGuid = QStringLiteral("wlan9");  // a source that is not in the list
  EXPECT_EQ(TickWith(0, 0), (Calls{"feed 0 0", "tooltip"}));
  EXPECT_EQ(tick.SampleTicks, 0u);
  tick.AttachTickHandler(false);
  tick.TimerTimer();
  using Seconds = std::vector<std::pair<quint64, quint64>>;
  EXPECT_EQ(handover.speedMeter, (Seconds{{0, 0}, {800, 80}, {0, 0}, {0, 0}, {0, 0}}));
}

TEST_F(MainTickTest, AnAddressChangeRebuildsTheListAndCostsNoTick) {
  TickWith(0, 0);
  TickWith(10, 10);
  platform.AddInterface(3, QStringLiteral("eth1"), IfType::Ethernet, 5, 5);
  platform.addressWatch.pendingChanges = 1;
  EXPECT_EQ(TickWith(10, 10), (Calls{"rebuilt", "graph 10 10", "feed 10 10", "add 0 10 10", "tooltip"}));
  EXPECT_EQ(sources.Adapters().size(), 5u);
}

// As on a laptop, whose kernel reports a change every few seconds.
TEST_F(MainTickTest, TheMinuteWriteComesEverySixtyCountedSecondsWhateverHappensBetween) {
  settings.EnableQuotaOveruseMessage = true;
  TickWith(0, 0);
  int flushes = 0;
  for (int second = 1; second <= 180; ++second) {
    if (second % 7 == 0) platform.addressWatch.pendingChanges = 1;
    if (second % 50 == 0) tick.RestartSampling();  // another source chosen: one baseline tick
    const Calls calls = TickWith(1, 1);
    flushes += static_cast<int>(std::count(calls.begin(), calls.end(), "flush"));
  }
  EXPECT_EQ(flushes, 2) << "177 counted seconds";
  EXPECT_EQ(tick.TicksSinceFlush, 57u);
}

TEST_F(MainTickTest, TheAmountsOfAnEndedHourAreWrittenBeforeTheNextSecondJoinsThem) {
  TickWith(0, 0);
  handover.hourEnded = true;
  EXPECT_EQ(TickWith(3, 4), (Calls{"graph 3 4", "feed 3 4", "flush", "add 0 3 4", "tooltip"}));
  EXPECT_EQ(tick.TicksSinceFlush, 0u) << "a write starts the next minute";
}

TEST_F(MainTickTest, AFailingStepIsReportedOnceAndNothingCountedIsLost) {
  settings.EnableQuotaOveruseMessage = true;
  handover.quotaFails = true;
  TickWith(0, 0);
  int failures = 0;
  int flushes = 0;
  for (int second = 1; second <= 120; ++second) {
    const Calls calls = TickWith(2, 2);
    for (const std::string& call : calls) {
      failures += call.rfind("failed ", 0) == 0 ? 1 : 0;
      flushes += call == "flush" ? 1 : 0;
    }
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "add 0 2 2"), 1) << "second " << second;
  }
  EXPECT_EQ(failures, 1) << "not again every minute";
  EXPECT_EQ(flushes, 2);
}

TEST_F(MainTickTest, TheFinalSampleAddsTheBytesUpToTheStopAndNothingElse) {
  TickWith(0, 0);
  TickWith(10, 10);
  platform.interfaces.AddTraffic(QStringLiteral("eth0"), 777, 1);
  tick.TakeFinalSample();
  EXPECT_EQ(handover.Take(), (Calls{"add 0 777 1"}));
  tick.RestartSampling();
  tick.TakeFinalSample();  // only a baseline: nothing to add
  EXPECT_EQ(handover.Take(), Calls{});
}

TEST_F(MainTickTest, DeltasAboveFourGigabytesSaturateForRatesButReachTheStoreInFull) {
  TickWith(0, 0);
  const quint64 huge = 5'000'000'000ull;
  EXPECT_EQ(TickWith(huge, 1), (Calls{"graph 4294967295 1", "feed 4294967295 1", "add 0 5000000000 1", "tooltip"}));
  EXPECT_EQ(tick.InHistory[0], 4294967295u);
  EXPECT_EQ(handover.speedMeter.back(), (std::pair<quint64, quint64>{huge, 1})) << "the speed meter gets them whole";
}

TEST_F(MainTickTest, HistoriesKeepTheFiveNewestAndTheirTruncatedMean) {
  tick.ClearHistories();
  TickWith(0, 0);
  for (quint64 in : {1, 2, 3, 4, 5, 6}) TickWith(in, in * 10);
  const auto newestFirst = [](const SampleHistory<5>& history) {
    return std::array<quint32, 5>{history[0], history[1], history[2], history[3], history[4]};
  };
  EXPECT_EQ(newestFirst(tick.InHistory), (std::array<quint32, 5>{6, 5, 4, 3, 2}));
  EXPECT_EQ(newestFirst(tick.OutHistory), (std::array<quint32, 5>{60, 50, 40, 30, 20}));
  EXPECT_EQ(tick.InHistory.Mean(), 4u);
  SampleHistory<5> history;
  history.Fill(4294967295u);
  EXPECT_EQ(history.Mean(), 4294967295u) << "summed in 64 bits";
  history.Set(0, 0);
  EXPECT_EQ(history.Mean(), 3435973836u) << "rounded down";
}

TEST_F(MainTickTest, WithoutATrayTheHundredTwentiethFailureIsToldOnceAndTheMonitorGoesOn) {
  tray.shown = false;
  for (int i = 0; i < 119; ++i) {
    TickWith(0, 0);
    if (i == 50) {  // failures need not be consecutive
      tray.nextAttemptSucceeds = true;
      TickWith(0, 0);
      tray.shown = false;
      tray.nextAttemptSucceeds = false;
    }
  }
  EXPECT_FALSE(tray.attachedDuringShow);
  EXPECT_TRUE(tick.TickHandlerAttached());
  EXPECT_EQ(tick.TrayFailCount, 119u);
  EXPECT_EQ(tray.fatalMessages, 0);
  TickWith(0, 0);
  EXPECT_EQ(tray.fatalMessages, 1);
  EXPECT_EQ(TickWith(700, 70), (Calls{"graph 700 70", "feed 700 70", "add 0 700 70", "tooltip"}));
  for (int i = 0; i < 200; ++i) TickWith(0, 0);
  EXPECT_EQ(tray.fatalMessages, 1) << "told once in the process's life";
  EXPECT_EQ(tray.attempts, 322);
  tray.nextAttemptSucceeds = true;
  TickWith(0, 0);
  EXPECT_TRUE(tray.shown) << "a tray that appears late gets the icon";
}

}  // namespace
}  // namespace meterly
