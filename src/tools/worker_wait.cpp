#include "tools/worker_wait.h"

#include "ui/progress_window.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

namespace meterly {
namespace {

constexpr int kPollMs = 20;

}  // namespace

void WaitForWorker(QThread& worker, QWidget* owner) {
  if (worker.isFinished() || !worker.isRunning()) {
    worker.wait();
    return;
  }
  TProgressWindow window(owner);
  window.SetText(QCoreApplication::translate("WorkerWait", "正在停止,请稍候..."));
  QEventLoop loop;
  // The finished signal may have been sent just before this connection was made: the timer
  // looks at the state itself as well.
  QObject::connect(&worker, &QThread::finished, &loop, &QEventLoop::quit);
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
    if (worker.isFinished()) loop.quit();
  });
  poll.start(kPollMs);
  loop.exec();
  worker.wait();
}

}  // namespace meterly
