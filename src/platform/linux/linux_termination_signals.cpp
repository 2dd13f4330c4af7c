#include "platform/linux/linux_termination_signals.h"

#include <QSocketNotifier>

#include <csignal>

#include <sys/socket.h>
#include <unistd.h>

namespace meterly::platform {

namespace {

int signalPipe[2] = {-1, -1};
constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

extern "C" void OnTerminationSignal(int signalNumber) {
  const unsigned char number = static_cast<unsigned char>(signalNumber);
  [[maybe_unused]] const ssize_t written = write(signalPipe[0], &number, 1);
}

}  // namespace

LinuxTerminationSignals::LinuxTerminationSignals(QObject* parent) : TerminationSignals(parent) {
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPipe) != 0) return;
  notifier_ = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &LinuxTerminationSignals::ReadSignal);
  struct sigaction action {};
  action.sa_handler = OnTerminationSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signalNumber : kSignals) sigaction(signalNumber, &action, nullptr);
}

LinuxTerminationSignals::~LinuxTerminationSignals() {
  struct sigaction action {};
  action.sa_handler = SIG_DFL;
  for (int signalNumber : kSignals) sigaction(signalNumber, &action, nullptr);
  delete notifier_;
  for (int& fd : signalPipe) {
    if (fd >= 0) close(fd);
    fd = -1;
  }
}

void LinuxTerminationSignals::ReadSignal() {
  unsigned char number = 0;
  while (read(signalPipe[1], &number, 1) == 1) Q_EMIT terminationRequested(number);
}

}  // namespace meterly::platform
