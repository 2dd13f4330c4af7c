#pragma once

#include <QString>
#include <QtGlobal>

namespace meterly {

// The steps of a tick that can fail on their own, each reported once while it goes on failing.
enum class TickStep { SourceList, Graph, TrayGraph, Feed, Notification, Quota, Record, Flush, SpeedMeter, Tooltip };
constexpr int TickStepCount = 10;

// Where the one-second tick hands its figures, in the order it calls them. Each feature that
// takes part overrides its step; a step nobody overrides does nothing.
class TickHandover {
 public:
  virtual ~TickHandover() = default;

  // Graph window: one sample in bytes per second (also while the window is hidden).
  virtual void GraphAddSample(quint32 /*in*/, quint32 /*out*/) {}
  // Tray icon graph: reads LastDeltaIn/LastDeltaOut.
  virtual void TrayGraphStep() {}
  // Graph feed: the figures of this second, or zeros on a tick that counted nothing.
  virtual void FeedPublish(quint32 /*in*/, quint32 /*out*/) {}
  // Traffic notifications: one second of the current block.
  virtual void NotificationStep(quint32 /*in*/, quint32 /*out*/) {}
  // Quota: the overuse check, once a minute.
  virtual void CheckQuotaOveruse() {}
  // Usage database: this second's amounts into the pending sums (full 64-bit deltas).
  virtual void AddData(quint32 /*dialupSeconds*/, quint64 /*in*/, quint64 /*out*/) {}
  // Usage database: write the pending sums, once a minute.
  virtual void FlushPending() {}
  // Usage database: whether the pending sums belong to an hour that has ended.
  virtual bool PendingHourEnded() { return false; }
  // Speed meters: every tick, with the bytes it counted or zeros when it counted nothing.
  virtual void SpeedMeterStep(quint64 /*in*/, quint64 /*out*/) {}
  // Tray icon tooltip, at the end of every tick that was not cut short.
  virtual void RefreshTooltip() {}

  // Whether a dial-up connection is up at this moment.
  virtual bool IsDialupActive() { return false; }
  // The source list was rebuilt after an address change: refill and reselect in the window.
  virtual void AdapterListRebuilt() {}
  // A step started failing; the steps after it still ran.
  virtual void TickStepFailed(TickStep /*step*/, const QString& /*message*/) {}
};

// The tray icon as the tick sees it.
class TrayIconHost {
 public:
  virtual ~TrayIconHost() = default;

  virtual bool IsTrayIconShown() = 0;
  // Tries to show the icon; false when that failed.
  virtual bool TryShowTrayIcon() = 0;
  // The icon could not be shown 120 times: something else stands in for it and the user is told,
  // once. The tick goes on, and so do its attempts to show the icon.
  virtual void TrayIconFailedForGood() = 0;
  // Whether the icon is visible now (for the icon graph).
  virtual bool IsTrayIconVisible() { return IsTrayIconShown(); }
};

}  // namespace meterly
