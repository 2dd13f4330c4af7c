#pragma once

class QThread;
class QWidget;

namespace meterly {

// Shows the wait window "正在停止,请稍候..." over `owner`, every other window disabled, and keeps
// the event loop running (windows painted, queued rows delivered) until `worker` has finished;
// returns at once when it has finished already.
void WaitForWorker(QThread& worker, QWidget* owner);

}  // namespace meterly
