#pragma once

#include <QObject>

namespace meterly::platform {

// Reports the signals that end a desktop session or a terminal run (SIGTERM, SIGHUP,
// SIGINT) on the event loop, so that the program can leave through its normal exit path.
class TerminationSignals : public QObject {
  Q_OBJECT

 public:
  explicit TerminationSignals(QObject* parent = nullptr) : QObject(parent) {}

 Q_SIGNALS:
  void terminationRequested(int signalNumber);
};

}  // namespace meterly::platform
