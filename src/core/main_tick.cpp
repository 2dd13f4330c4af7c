#include "core/main_tick.h"

#include "base/exception_message.h"

#include <algorithm>
#include <limits>

namespace meterly {

namespace {

// Consumers of 32-bit rates get the largest value instead of a wrapped small one.
quint32 Saturated(quint64 value) {
  return static_cast<quint32>(std::min<quint64>(value, std::numeric_limits<quint32>::max()));
}

// Two readings make a second only when they count the same interface instances and no
// counter went down (a reset, a driver reload): otherwise the newer one is a new baseline.
bool Comparable(const CounterReading& older, const CounterReading& newer) {
  return older.Instances == newer.Instances && newer.In >= older.In && newer.Out >= older.Out;
}

}  // namespace

MainTick::MainTick(const Settings& settings, TrafficSources& sources, platform::AddressChangeWatch& addressWatch,
                   TrayIconHost& tray, TickHandover& handover)
    : settings_(settings), sources_(sources), addressWatch_(addressWatch), tray_(tray), handover_(handover) {}

void MainTick::ClearHistories() {
  InHistory.Fill(0);
  OutHistory.Fill(0);
}

void MainTick::RestartSampling() {
  lastReading_.reset();
  SampleTicks = 0;
}

void MainTick::TimerTimer() {
  if (!attached_) return;
  TrayStep();
  AddressChangeStep();
  const std::optional<SecondDelta> delta = Sample();
  if (delta) {
    CountedSecond(*delta);
  } else {
    RunStep(TickStep::Feed, [this] { handover_.FeedPublish(0, 0); });
  }
  const SecondDelta counted = delta.value_or(SecondDelta{});
  RunStep(TickStep::SpeedMeter, [&] { handover_.SpeedMeterStep(counted.In, counted.Out); });
  RunStep(TickStep::Tooltip, [this] { handover_.RefreshTooltip(); });
}

void MainTick::TakeFinalSample() {
  if (const std::optional<SecondDelta> delta = Sample()) AddPending(*delta);
}

std::optional<MainTick::SecondDelta> MainTick::Sample() {
  const TAdapterEntry* entry = sources_.FindSelectedAdapter(settings_.InterfaceGuid);
  std::optional<CounterReading> reading = entry != nullptr ? sources_.SampleCounters(*entry) : std::nullopt;
  if (!reading) {
    RestartSampling();
    return std::nullopt;
  }
  std::optional<SecondDelta> delta;
  if (lastReading_ && Comparable(*lastReading_, *reading)) {
    delta = SecondDelta{reading->In - lastReading_->In, reading->Out - lastReading_->Out};
    ++SampleTicks;
  } else {
    SampleTicks = 1;
  }
  lastReading_ = std::move(reading);
  return delta;
}

// A desktop without a tray (or whose tray starts late) never stops the monitor: the attempts go
// on every second, so the icon appears as soon as a tray does.
void MainTick::TrayStep() {
  if (tray_.IsTrayIconShown()) return;
  // Showing the icon may run a nested event loop, in which no second tick may start.
  AttachTickHandler(false);
  const bool shown = tray_.TryShowTrayIcon();
  AttachTickHandler(true);
  if (shown) return;
  ++TrayFailCount;
  if (TrayFailCount == TrayFailureLimit) tray_.TrayIconFailedForGood();
}

// The list is rebuilt, but the sampling goes on: a reading stays comparable as long as it
// comes from the same interface instances.
void MainTick::AddressChangeStep() {
  if (!addressWatch_.TakeChange()) return;
  RunStep(TickStep::SourceList, [this] {
    sources_.BuildAdapterList();
    sources_.UpdateAdapterAddresses();
    handover_.AdapterListRebuilt();
  });
}

void MainTick::CountedSecond(const SecondDelta& delta) {
  const quint32 in = Saturated(delta.In);
  const quint32 out = Saturated(delta.Out);

  InHistory.Push(in);
  OutHistory.Push(out);
  LastDeltaIn = in;
  LastDeltaOut = out;

  RunStep(TickStep::Graph, [&] { handover_.GraphAddSample(in, out); });
  if (settings_.ShowInTray && tray_.IsTrayIconVisible() && settings_.LineType != LineTypes::NumbersOnly) {
    RunStep(TickStep::TrayGraph, [this] { handover_.TrayGraphStep(); });
  }
  RunStep(TickStep::Feed, [&] { handover_.FeedPublish(in, out); });
  if (settings_.EnableNotifications) RunStep(TickStep::Notification, [&] { handover_.NotificationStep(in, out); });
  ++TicksSinceFlush;
  const bool minuteMark = TicksSinceFlush >= TicksPerFlush;
  if (settings_.EnableQuotaOveruseMessage && minuteMark) {
    RunStep(TickStep::Quota, [this] { handover_.CheckQuotaOveruse(); });
  }
  AddPending(delta);
  if (minuteMark) FlushPending();
}

// Every second is booked in its own hour: the amounts of an hour that has ended are written
// before a second of the next one joins them.
void MainTick::AddPending(const SecondDelta& delta) {
  bool hourEnded = false;
  RunStep(TickStep::Record, [&] { hourEnded = handover_.PendingHourEnded(); });
  if (hourEnded) FlushPending();
  RunStep(TickStep::Record, [&] { handover_.AddData(handover_.IsDialupActive() ? 1 : 0, delta.In, delta.Out); });
}

void MainTick::FlushPending() {
  TicksSinceFlush = 0;
  RunStep(TickStep::Flush, [this] { handover_.FlushPending(); });
}

void MainTick::RunStep(TickStep step, const std::function<void()>& action) {
  const auto index = static_cast<size_t>(step);
  try {
    action();
    failing_.reset(index);
  } catch (...) {
    // Reported when the step starts failing, not again every second while it goes on failing.
    if (!failing_.test(index)) handover_.TickStepFailed(step, ExceptionMessage(std::current_exception()));
    failing_.set(index);
  }
}

}  // namespace meterly
