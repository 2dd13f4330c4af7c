#include "alerts/ras_logger.h"

#include "base/assertion.h"
#include "base/exception_message.h"

#include <chrono>

namespace meterly {

namespace {

// After a failed write the finished sessions are tried again at the next connection event and
// otherwise every this many polls: a busy database holds the lock for its whole busy timeout.
constexpr int kPollsBetweenWriteAttempts = 60;

}  // namespace

TRasLogger::TRasLogger(platform::DialupService& dialup, platform::Clock& clock, TDiskDB& db, ProblemReport report,
                       int pollIntervalMs)
    : sessions_(dialup, clock, db), report_(std::move(report)), pollIntervalMs_(pollIntervalMs) {
  METERLY_ASSERT(dialup.Available(), "RasLogger", "dial-up connections are not available");
  Event = dialup.WatchEvents();
  thread_ = std::thread([this] { Execute(); });
}

TRasLogger::~TRasLogger() {
  Stop();
  if (thread_.joinable()) thread_.join();
}

void TRasLogger::Stop() {
  Terminated.store(true);
  Event->Wake();
}

void TRasLogger::Execute() {
  using Clock = std::chrono::steady_clock;
  const auto interval = std::chrono::milliseconds(pollIntervalMs_);
  // A connection that was up before the program started is logged too.
  Guarded([this] { sessions_.RefreshConnections(); });
  Clock::time_point nextPoll = Clock::now() + interval;
  while (!Terminated.load()) {
    const Clock::time_point now = Clock::now();
    if (now >= nextPoll) {
      PollDue();
      nextPoll = std::max(nextPoll + interval, now);
      continue;
    }
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(nextPoll - now).count();
    const platform::DialupEventWatch::WaitResult result = Event->Wait(static_cast<int>(left));
    if (result == platform::DialupEventWatch::WaitResult::Failed) {
      Report(tr("Dial-up connections are no longer logged: %1").arg(Event->Failure()));
      break;
    }
    if (result == platform::DialupEventWatch::WaitResult::Event && !Terminated.load()) {
      Guarded([this] { sessions_.RefreshConnections(); });
      WriteFinished();
    }
  }
  // One last try for sessions that finished while the database refused them.
  if (!sessions_.Unwritten().IsEmpty()) sessions_.WriteFinished();
  finished_.store(true);
}

void TRasLogger::PollDue() {
  Guarded([this] { sessions_.UpdateStatistics(); });
  if (writeFailing_ && ++pollsSinceWriteFailed_ >= kPollsBetweenWriteAttempts) WriteFinished();
}

void TRasLogger::WriteFinished() {
  pollsSinceWriteFailed_ = 0;
  const QString problem = sessions_.WriteFinished();
  if (problem.isEmpty()) {
    writeFailing_ = false;
    return;
  }
  if (!writeFailing_) {
    Report(tr("Finished dial-up sessions could not be logged; they are kept and logged again later: %1").arg(problem));
  }
  writeFailing_ = true;
}

void TRasLogger::Guarded(const std::function<void()>& step) {
  try {
    step();
  } catch (...) {
    // The same failure every second is told once.
    const QString problem = ExceptionMessage(std::current_exception());
    if (problem != lastStepProblem_) Report(tr("The dial-up logger failed: %1").arg(problem));
    lastStepProblem_ = problem;
    return;
  }
  lastStepProblem_.clear();
}

void TRasLogger::Report(const QString& problem) {
  if (!report_) return;
  try {
    report_(problem);
  } catch (...) {
    // Nothing may leave this thread.
  }
}

}  // namespace meterly
