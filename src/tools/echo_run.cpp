#include "tools/echo_run.h"

namespace meterly {

QByteArray EchoRequestData() { return QByteArrayLiteral("abcdefghijklmnopqrstuvwabcdefghi"); }

QString RoundTripText(quint32 milliseconds) { return QString::number(milliseconds) + QStringLiteral(" ms"); }

void EchoStop::Stop() {
  stopped_ = true;
  std::lock_guard lock(mutex_);
  if (handle_ != nullptr) handle_->Cancel();
}

void EchoStop::Attach(platform::IcmpHandle* handle) {
  std::lock_guard lock(mutex_);
  handle_ = handle;
  // A stop that came before the channel existed still ends its first wait.
  if (handle_ != nullptr && stopped_) handle_->Cancel();
}

EchoSetUp::EchoSetUp(platform::IcmpService& icmp, const QString& host, EchoStop& stop) : stop_(stop) {
  const std::optional<quint32> address = icmp.ResolveHost(host);
  if (!address) {
    ReturnCode = EchoReturnCode::HostNotResolved;
    return;
  }
  Destination = *address;
  Handle = icmp.Open();
  if (!Handle) {
    ReturnCode = EchoReturnCode::NoHandle;
    return;
  }
  stop_.Attach(Handle.get());
}

EchoSetUp::~EchoSetUp() { stop_.Attach(nullptr); }

}  // namespace meterly
