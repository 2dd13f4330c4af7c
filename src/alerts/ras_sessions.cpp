#include "alerts/ras_sessions.h"

#include "alerts/ras_connections.h"
#include "base/exception_message.h"
#include "store/disk_db.h"

namespace meterly {

namespace {

// Adds what a counter moved since the last poll and makes the reading the new base.
void AddCounterStep(quint64 reading, quint64& last, qint64& amount) {
  if (reading > last) amount += static_cast<qint64>(reading - last);
  last = reading;
}

}  // namespace

RasSessions::RasSessions(platform::DialupService& dialup, platform::Clock& clock, TDiskDB& db)
    : dialup_(dialup), clock_(clock), db_(db) {}

void RasSessions::RefreshConnections() {
  TRasItemList active;
  refreshPending_ = !EnumConnections(dialup_, &active, clock_.Now());
  if (refreshPending_) return;
  if (active.IsEmpty()) {
    while (!Sessions_.IsEmpty()) Finish(0);
    return;
  }
  for (const TRasItem& connection : active) {
    TRasItem* session = Sessions_.Find(connection.Name);
    if (session == nullptr) {
      Sessions_.Add(connection);
    } else if (session->Handle != connection.Handle) {
      // Reconnected between two refreshes: the new link's counters start from zero.
      session->Handle = connection.Handle;
      session->LastBytesReceived = 0;
      session->LastBytesSent = 0;
    }
  }
  for (qsizetype index = Sessions_.Count() - 1; index >= 0; --index) {
    if (active.Find(Sessions_[index].Name) == nullptr) Finish(index);
  }
}

void RasSessions::Finish(qsizetype index) { finished_.Add(Sessions_.Take(index)); }

void RasSessions::UpdateStatistics() {
  if (refreshPending_) RefreshConnections();
  for (TRasItem& session : Sessions_) {
    const auto counters = dialup_.Statistics(session.Handle);
    if (!counters) continue;
    AddCounterStep(counters->received, session.LastBytesReceived, session.DataIn);
    AddCounterStep(counters->sent, session.LastBytesSent, session.DataOut);
    ++session.Duration;
  }
}

QString RasSessions::WriteFinished() {
  if (finished_.IsEmpty()) return QString();
  try {
    TSQLiteDB::LockGuard lock(db_);
    db_.RunInTransaction([this] {
      for (const TRasItem& session : finished_) db_.AddDialupSession(session);
    });
  } catch (...) {
    return ExceptionMessage(std::current_exception());
  }
  finished_.Clear();
  return QString();
}

}  // namespace meterly
