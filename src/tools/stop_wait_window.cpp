#include "tools/stop_wait_window.h"

#include <QEventLoop>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QThread>
#include <QTimer>

namespace meterly {
namespace {

constexpr int kPollMs = 20;

}  // namespace

TStopWaitWindow::TStopWaitWindow(QWidget* owner) : QWidget(owner, Qt::Dialog | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("StopWaitWindow"));
  setWindowModality(Qt::ApplicationModal);
  auto* layout = new QHBoxLayout(this);
  auto* icon = new QLabel(this);
  icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
  layout->addWidget(icon);
  layout->addWidget(new QLabel(QStringLiteral("正在停止,请稍候..."), this));
}

void WaitForWorker(QThread& worker, QWidget* owner) {
  if (worker.isFinished() || !worker.isRunning()) {
    worker.wait();
    return;
  }
  TStopWaitWindow window(owner);
  QEventLoop loop;
  // The finished signal may have been sent just before this connection was made: the timer
  // looks at the state itself as well.
  QObject::connect(&worker, &QThread::finished, &loop, &QEventLoop::quit);
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
    if (worker.isFinished()) loop.quit();
  });
  poll.start(kPollMs);
  window.show();
  loop.exec();
  window.close();
  worker.wait();
}

}  // namespace meterly
