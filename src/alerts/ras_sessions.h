#pragma once

#include "alerts/ras_item_list.h"
#include "platform/clock.h"
#include "platform/dialup.h"

namespace meterly {

class TDiskDB;

// The bookkeeping of the dial-up logger, run by its thread alone: the sessions being tracked,
// their polled amounts, and the finished ones on their way into the usage database.
class RasSessions {
 public:
  RasSessions(platform::DialupService& dialup, platform::Clock& clock, TDiskDB& db);

  // After a connect or disconnect: tracks the new connections, finishes the ones that are gone.
  // A connection that came back under the same name stays the same session and is followed
  // under its new handle. When the connections cannot be read nothing changes and the next
  // UpdateStatistics tries again.
  void RefreshConnections();

  // Once a second: adds what each session's counters moved since the last poll (a counter that
  // went down adds nothing and becomes the new base) and counts one second. A session whose
  // statistics cannot be read counts nothing this second.
  void UpdateStatistics();

  // Logs the finished sessions not yet written, in one transaction under the database lock.
  // Empty when there was nothing to write or it worked; otherwise the error, and the sessions
  // stay for the next call. Nothing is called while the lock is held.
  QString WriteFinished();

  const TRasItemList& Sessions() const { return Sessions_; }
  const TRasItemList& Unwritten() const { return finished_; }

 private:
  void Finish(qsizetype index);

  platform::DialupService& dialup_;
  platform::Clock& clock_;
  TDiskDB& db_;
  TRasItemList Sessions_;
  TRasItemList finished_;  // oldest first
  bool refreshPending_ = false;
};

}  // namespace meterly
