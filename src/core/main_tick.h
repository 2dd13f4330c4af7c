#pragma once

#include "core/settings.h"
#include "core/tick_handover.h"
#include "core/traffic_sources.h"
#include "platform/address_table.h"

#include <array>

namespace meterly {

// The one-second tick: samples the selected source, turns two readings into the bytes of one
// second, and hands them on in a fixed order. Elapsed time is never measured: a tick stands
// for one second.
class MainTick {
 public:
  static constexpr int HistoryLength = 5;
  static constexpr quint32 TrayFailureLimit = 120;

  MainTick(const Settings& settings, TrafficSources& sources, platform::AddressChangeWatch& addressWatch,
           TrayIconHost& tray, TickHandover& handover);

  // The timer's handler. Does nothing while the handler is detached.
  void TimerTimer();

  // Detaches (false) or attaches again (true) the handler from the timer.
  void AttachTickHandler(bool on) { attached_ = on; }
  bool TickHandlerAttached() const { return attached_; }

  // Makes the next reading a baseline (another source was chosen).
  void RestartSampling() { SampleTicks = 0; }

  // Zeroes both histories (the main form does so when it is created).
  void ClearHistories();

  // The mean of a history: the sum of its entries divided by their count, truncated.
  static quint32 HistoryMean(const std::array<quint32, HistoryLength>& history);

  // Process-wide figures of the latest counted second.
  quint32 LastDeltaIn = 0;
  quint32 LastDeltaOut = 0;
  std::array<quint32, HistoryLength> InHistory{};  // index 0 newest
  std::array<quint32, HistoryLength> OutHistory{};

  // Sampling state.
  quint64 PrevIn = 0;
  quint64 PrevOut = 0;
  quint64 CurIn = 0;
  quint64 CurOut = 0;
  quint32 SampleTicks = 0;
  quint32 TrayFailCount = 0;

 private:
  // Each returns false when the tick ends there.
  bool trayStep();
  bool addressChangeStep();
  void countedSecond(quint64 deltaIn, quint64 deltaOut);
  void Resync();

  const Settings& settings_;
  TrafficSources& sources_;
  platform::AddressChangeWatch& addressWatch_;
  TrayIconHost& tray_;
  TickHandover& handover_;
  bool attached_ = true;
};

}  // namespace meterly
