#include "core/main_tick.h"

#include <algorithm>
#include <limits>

namespace meterly {

namespace {

constexpr quint32 kTicksPerMinute = 60;

// Consumers of 32-bit rates get the largest value instead of a wrapped small one.
quint32 saturated(quint64 value) {
  return static_cast<quint32>(std::min<quint64>(value, std::numeric_limits<quint32>::max()));
}

}  // namespace

MainTick::MainTick(const Settings& settings, TrafficSources& sources, platform::AddressChangeWatch& addressWatch,
                   TrayIconHost& tray, TickHandover& handover)
    : settings_(settings), sources_(sources), addressWatch_(addressWatch), tray_(tray), handover_(handover) {}

void MainTick::ClearHistories() {
  InHistory.fill(0);
  OutHistory.fill(0);
}

quint32 MainTick::HistoryMean(const std::array<quint32, HistoryLength>& history) {
  quint64 sum = 0;
  for (quint32 value : history) sum += value;
  return static_cast<quint32>(sum / HistoryLength);
}

void MainTick::Resync() {
  SampleTicks = 0;
  PrevIn = CurIn;
  PrevOut = CurOut;
}

void MainTick::TimerTimer() {
  if (!attached_) return;
  if (!trayStep() || !addressChangeStep()) return;

  PrevIn = CurIn;
  PrevOut = CurOut;
  const TAdapterEntry* entry = sources_.FindSelectedAdapter(settings_.InterfaceGuid);
  if (entry == nullptr) {
    SampleTicks = 0;
    handover_.FeedPublish(0, 0);
  } else {
    const CounterReading reading = sources_.SampleCounters(*entry);
    CurIn = reading.In;
    CurOut = reading.Out;
    ++SampleTicks;
    if (SampleTicks <= 1 || PrevIn == 0 || PrevOut == 0 || CurIn == 0 || CurOut == 0) {
      handover_.FeedPublish(0, 0);
    } else if (PrevIn > CurIn || PrevOut > CurOut) {
      // A counter went down (a reset, an aggregate losing a member): nothing negative is
      // ever counted, and the next reading is a new baseline.
      Resync();
      return;
    } else {
      countedSecond(CurIn - PrevIn, CurOut - PrevOut);
    }
  }
  handover_.RefreshTooltip();
}

bool MainTick::trayStep() {
  if (tray_.IsTrayIconShown()) return true;
  // Showing the icon may run a nested event loop, in which no second tick may start.
  AttachTickHandler(false);
  const bool shown = tray_.TryShowTrayIcon();
  AttachTickHandler(true);
  if (shown) return true;
  ++TrayFailCount;
  if (TrayFailCount == TrayFailureLimit) {
    tray_.TrayIconFailedForGood();
    return false;
  }
  return true;
}

bool MainTick::addressChangeStep() {
  if (!addressWatch_.takeChange()) return true;
  sources_.BuildAdapterList();
  sources_.UpdateAdapterAddresses();
  handover_.AdapterListRebuilt();
  Resync();
  return false;
}

void MainTick::countedSecond(quint64 deltaIn, quint64 deltaOut) {
  const quint32 in = saturated(deltaIn);
  const quint32 out = saturated(deltaOut);

  std::copy_backward(InHistory.begin(), InHistory.end() - 1, InHistory.end());
  std::copy_backward(OutHistory.begin(), OutHistory.end() - 1, OutHistory.end());
  InHistory[0] = in;
  OutHistory[0] = out;
  LastDeltaIn = in;
  LastDeltaOut = out;

  handover_.GraphAddSample(in, out);
  if (settings_.ShowInTray && tray_.IsTrayIconVisible() && settings_.LineType != 2) handover_.TrayGraphStep();
  handover_.FeedPublish(in, out);
  if (settings_.EnableNotifications) handover_.NotificationStep(in, out);
  const bool minuteMark = SampleTicks % kTicksPerMinute == 0;
  if (settings_.EnableQuotaOveruseMessage && minuteMark) handover_.CheckQuotaOveruse();
  handover_.AddData(handover_.IsDialupActive() ? 1 : 0, deltaIn, deltaOut);
  if (minuteMark) handover_.FlushPending();
}

}  // namespace meterly
