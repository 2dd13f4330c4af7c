#pragma once

#include "core/sample_history.h"
#include "core/settings.h"
#include "core/tick_handover.h"
#include "core/traffic_sources.h"
#include "platform/address_table.h"

#include <array>
#include <bitset>
#include <functional>
#include <optional>

namespace meterly {

// The one-second tick: samples the selected source, turns two readings into the bytes of one
// second, and hands them on in a fixed order. Elapsed time is never measured: a tick stands
// for one second.
class MainTick {
 public:
  static constexpr int HistoryLength = 5;
  static constexpr quint32 TrayFailureLimit = 120;
  // Counted seconds between two writes of the pending amounts.
  static constexpr quint32 TicksPerFlush = 60;

  MainTick(const Settings& settings, TrafficSources& sources, platform::AddressChangeWatch& addressWatch,
           TrayIconHost& tray, TickHandover& handover);

  // The timer's handler. Does nothing while the handler is detached.
  void TimerTimer();

  // On the way out: one more reading under the tick's rules, whose bytes go to the pending
  // amounts only, so that the last second before the stop is recorded too.
  void TakeFinalSample();

  // Detaches (false) or attaches again (true) the handler from the timer.
  void AttachTickHandler(bool on) { attached_ = on; }
  bool TickHandlerAttached() const { return attached_; }

  // Makes the next reading a baseline (another source was chosen).
  void RestartSampling();

  // Zeroes both histories (the main form does so when it is created).
  void ClearHistories();

  // Process-wide figures of the latest counted second.
  quint32 LastDeltaIn = 0;
  quint32 LastDeltaOut = 0;
  SampleHistory<HistoryLength> InHistory;  // index 0 newest; the tooltip shows their means
  SampleHistory<HistoryLength> OutHistory;

  // Sampling state: readings taken in a row from the same interface instances.
  quint32 SampleTicks = 0;
  // Counted seconds since the pending amounts were last written.
  quint32 TicksSinceFlush = 0;
  quint32 TrayFailCount = 0;

  // The latest reading; nullopt when the next reading is a baseline.
  const std::optional<CounterReading>& LastReading() const { return lastReading_; }

 private:
  struct SecondDelta {
    quint64 In = 0;
    quint64 Out = 0;
  };

  void TrayStep();
  void AddressChangeStep();
  // Samples the selected source; the bytes of one second, or nullopt for a baseline or a failure.
  std::optional<SecondDelta> Sample();
  void CountedSecond(const SecondDelta& delta);
  void AddPending(const SecondDelta& delta);
  void FlushPending();
  // Runs one hand-over step; a failure is reported once and never stops the steps after it.
  void RunStep(TickStep step, const std::function<void()>& action);

  const Settings& settings_;
  TrafficSources& sources_;
  platform::AddressChangeWatch& addressWatch_;
  TrayIconHost& tray_;
  TickHandover& handover_;
  std::optional<CounterReading> lastReading_;
  std::bitset<TickStepCount> failing_;
  bool attached_ = true;
};

}  // namespace meterly
