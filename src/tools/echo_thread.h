#pragma once

#include "tools/echo_run.h"

#include <QThread>

namespace meterly {

// The worker of a tool window: runs one ping or trace off the user-interface thread. Rows
// leave it as queued signals, so it never waits for the window; the window that started it
// owns it and frees it once it has finished.
class TEchoThread : public QThread {
  Q_OBJECT

 public:
  explicit TEchoThread(platform::IcmpService& icmp) : icmp_(icmp) {}
  ~TEchoThread() override;

  // How the run ended (an EchoReturnCode); meaningful once the thread has finished.
  int ReturnValue() const { return returnValue_; }

  // Asks the run to end and wakes its wait for an answer; returns at once, from any thread.
  void Terminate() { stop_.Stop(); }

 Q_SIGNALS:
  void rowReady(const meterly::TToolRow& row);

 protected:
  void run() override;
  virtual int Execute(platform::IcmpService& icmp, EchoStop& stop, const RowSink& show) = 0;

 private:
  platform::IcmpService& icmp_;
  EchoStop stop_;
  int returnValue_ = EchoReturnCode::Done;
};

}  // namespace meterly
