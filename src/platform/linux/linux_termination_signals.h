#pragma once

#include "platform/termination_signals.h"

class QSocketNotifier;

namespace meterly::platform {

// A self-pipe: the signal handler writes the signal number into a socket pair, and a socket
// notifier on the event loop reads it. One instance per process.
class LinuxTerminationSignals : public TerminationSignals {
  Q_OBJECT

 public:
  explicit LinuxTerminationSignals(QObject* parent = nullptr);
  ~LinuxTerminationSignals() override;

 private:
  void ReadSignal();

  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace meterly::platform
