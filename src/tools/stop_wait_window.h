#pragma once

#include <QWidget>

class QThread;

namespace meterly {

// The small borderless window shown while a stopped worker finishes; it blocks every other
// window of the program meanwhile.
class TStopWaitWindow : public QWidget {
  Q_OBJECT

 public:
  explicit TStopWaitWindow(QWidget* owner);
};

// Shows the wait window over `owner` and keeps the event loop running (windows painted, queued
// rows delivered) until `worker` has finished; returns at once when it has finished already.
void WaitForWorker(QThread& worker, QWidget* owner);

}  // namespace meterly
