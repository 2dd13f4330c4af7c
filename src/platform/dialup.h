#pragma once

#include <QString>
#include <QtGlobal>

#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

namespace meterly::platform {

struct DialupCounters {
  quint64 received = 0;  // bytes since the link came up
  quint64 sent = 0;

  friend bool operator==(const DialupCounters&, const DialupCounters&) = default;
};

// One dial-up (point-to-point) link that is up.
struct DialupLink {
  QString name;        // the entry name the user knows it by (the interface name)
  quint64 handle = 0;  // this very link: a reconnect under the same name gets another one
  DialupCounters counters;

  friend bool operator==(const DialupLink&, const DialupLink&) = default;
};

// A watch or hang-up that could not be set up, with the reason as its message.
class DialupError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Wakes its one waiting thread when a dial-up link connects or disconnects.
class DialupEventWatch {
 public:
  enum class WaitResult {
    Event,     // the set of dial-up links may have changed
    TimedOut,  // nothing happened within the time given
    Woken,     // wake() was called
    Failed,    // the watch broke; failure() says why
  };

  virtual ~DialupEventWatch() = default;

  // Waits up to timeoutMs. Events that came while nobody waited are reported by the next wait.
  virtual WaitResult Wait(int timeoutMs) = 0;
  // Ends the current wait, or else the next one, at once. Safe from any thread.
  virtual void Wake() = 0;
  virtual QString Failure() const = 0;
};

// The machine's dial-up links. Every operation may be called from any thread.
class DialupService {
 public:
  virtual ~DialupService() = default;

  // False when this system cannot make dial-up links at all; nothing else is then worth asking.
  virtual bool Available() = 0;

  // The links up now; nullopt when they cannot be read.
  virtual std::optional<std::vector<DialupLink>> ActiveLinks() = 0;

  // The counters of the link with this handle; nullopt when it is gone or cannot be read.
  virtual std::optional<DialupCounters> Statistics(quint64 handle) = 0;

  // Asks the link to end and does not wait for it; false (with the reason in *error) when it
  // could not even be asked.
  virtual bool HangUp(const DialupLink& link, QString* error) = 0;

  // A watch that sees every event after this call returns. Raises DialupError.
  virtual std::unique_ptr<DialupEventWatch> WatchEvents() = 0;
};

}  // namespace meterly::platform
