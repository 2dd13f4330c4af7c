#pragma once

#include "alerts/ras_sessions.h"

#include <QCoreApplication>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

namespace meterly {

// The dial-up session logger: a thread that follows every dial-up connection from its start to
// its end and logs each finished session in the usage database. It waits for connection
// events and polls the tracked sessions' statistics once a second, whatever the events do.
class TRasLogger {
  Q_DECLARE_TR_FUNCTIONS(TRasLogger)

 public:
  // Told of a failure on the logger's thread; called there, never while it holds the database
  // lock, and must not wait for the user-interface thread. Each failure that goes on is told once.
  using ProblemReport = std::function<void(const QString&)>;

  static constexpr int DefaultPollIntervalMs = 1000;

  // Subscribes to connection events, then starts the thread, which first takes in the
  // connections already up. Raises when the dial-up service is unavailable or cannot be watched.
  TRasLogger(platform::DialupService& dialup, platform::Clock& clock, TDiskDB& db, ProblemReport report,
             int pollIntervalMs = DefaultPollIntervalMs);
  // Stops the thread and waits for it; sessions still open are not logged.
  ~TRasLogger();

  TRasLogger(const TRasLogger&) = delete;
  TRasLogger& operator=(const TRasLogger&) = delete;

  // Ends the thread's wait at once; the thread then leaves. Safe to call more than once.
  void Stop();

  // Whether the thread has left its loop (after Stop, or when its event watch broke).
  bool Finished() const { return finished_.load(); }

 private:
  void Execute();
  void PollDue();
  // Runs one step; a failure is reported, the thread goes on.
  void Guarded(const std::function<void()>& step);
  void WriteFinished();
  void Report(const QString& problem);

  std::unique_ptr<platform::DialupEventWatch> Event;
  RasSessions sessions_;
  ProblemReport report_;
  const int pollIntervalMs_;
  int pollsSinceWriteFailed_ = 0;
  bool writeFailing_ = false;
  QString lastStepProblem_;
  std::atomic<bool> Terminated{false};
  std::atomic<bool> finished_{false};
  std::thread thread_;
};

}  // namespace meterly
