#include "tools/echo_thread.h"

#include "base/exception_message.h"

namespace meterly {

TEchoThread::~TEchoThread() {
  // Whoever frees a worker has stopped it already; this only guards against a thread left running.
  Terminate();
  wait();
}

void TEchoThread::run() {
  try {
    returnValue_ = Execute(icmp_, stop_, [this](const TToolRow& row) { Q_EMIT rowReady(row); });
  } catch (...) {
    // Nothing may escape a thread; a failure of the run shows as its last row.
    Q_EMIT rowReady({QString(), {ExceptionMessage(std::current_exception()), QString(), QString()}, RowImage::Failure});
    returnValue_ = EchoReturnCode::Done;
  }
}

}  // namespace meterly
