#include "platform/linux/linux_dialup.h"

#include "platform/linux/linux_dialup_hang_up.h"
#include "platform/linux/proc_files.h"

#include <QCoreApplication>

#include <cerrno>
#include <chrono>
#include <limits>

#include <linux/rtnetlink.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace meterly::platform {

namespace {

using netlink::MessageBuilder;

// A flood of link messages cannot hold the waiting thread: the rest is read at the next wait.
constexpr int kMaxDatagramsPerWake = 4096;

bool KernelOffersPpp() {
  struct stat device {};
  if (::stat("/dev/ppp", &device) == 0 && S_ISCHR(device.st_mode)) return true;
  return netlink::ProcDevicesOfferPpp(ReadProcFile("/proc/devices"));
}

std::vector<std::byte> LinkRequest(int index, quint16 flags) {
  ifinfomsg header{};
  header.ifi_family = AF_UNSPEC;
  header.ifi_index = index;
  return MessageBuilder(RTM_GETLINK, flags).AppendStruct(header).bytes();
}

netlink::SocketOptions WatchOptions() {
  netlink::SocketOptions options;
  options.multicastGroups = RTMGRP_LINK;
  options.nonBlocking = true;
  return options;
}

}  // namespace

LinuxDialupService::LinuxDialupService() : LinuxDialupService(KernelOffersPpp()) {}

LinuxDialupService::LinuxDialupService(bool kernelOffersPpp) : available_(kernelOffersPpp) {}

std::optional<std::vector<netlink::PppLink>> LinuxDialupService::PppLinks(const std::vector<std::byte>& request) {
  std::vector<netlink::PppLink> links;
  bool malformed = false;
  std::lock_guard lock(channelMutex_);
  const bool complete = channel_.run(
      request,
      [&] {
        links.clear();
        malformed = false;
      },
      [&](const netlink::Message& message) {
        if (message.header.nlmsg_type != RTM_NEWLINK) return;
        if (!netlink::ReadStruct<ifinfomsg>(message.payload)) {
          malformed = true;
          return;
        }
        if (auto link = netlink::DecodePppLink(message.payload)) links.push_back(std::move(*link));
      });
  if (!complete || malformed) return std::nullopt;
  return links;
}

std::optional<std::vector<DialupLink>> LinuxDialupService::ActiveLinks() {
  if (!available_) return std::vector<DialupLink>{};
  const auto links = PppLinks(LinkRequest(0, NLM_F_REQUEST | NLM_F_DUMP));
  if (!links) return std::nullopt;
  std::vector<DialupLink> active;
  for (const netlink::PppLink& link : *links) {
    if (!link.up) continue;
    DialupLink entry{QString::fromUtf8(link.name), static_cast<quint64>(link.index), {}};
    if (link.counters) entry.counters = {link.counters->received, link.counters->sent};
    active.push_back(std::move(entry));
  }
  return active;
}

std::optional<DialupCounters> LinuxDialupService::Statistics(quint64 handle) {
  if (!available_ || handle == 0 || handle > static_cast<quint64>(std::numeric_limits<int>::max())) return std::nullopt;
  const int index = static_cast<int>(handle);
  const auto links = PppLinks(LinkRequest(index, NLM_F_REQUEST));
  if (!links || links->size() != 1 || links->front().index != index || !links->front().counters) return std::nullopt;
  return DialupCounters{links->front().counters->received, links->front().counters->sent};
}

bool LinuxDialupService::HangUp(const DialupLink& link, QString* error) {
  if (const auto managed = DeactivateThroughNetworkManager(link.name, error)) return *managed;
  return PppdHangUp().HangUp(link.name.toUtf8(), error);
}

std::optional<netlink::PppLinkSet> LinuxDialupService::LinkSet() {
  const auto links = PppLinks(LinkRequest(0, NLM_F_REQUEST | NLM_F_DUMP));
  if (!links) return std::nullopt;
  netlink::PppLinkSet set;
  for (const netlink::PppLink& link : *links) set.Insert(link);
  return set;
}

std::unique_ptr<DialupEventWatch> LinuxDialupService::WatchEvents() {
  if (!available_)
    throw DialupError(QCoreApplication::translate("Dialup", "this system has no PPP support").toStdString());
  return std::make_unique<LinuxDialupEventWatch>([this] { return LinkSet(); });
}

LinuxDialupEventWatch::LinuxDialupEventWatch(Resync resync)
    : resync_(std::move(resync)), socket_(netlink::Socket::Open(WatchOptions())) {
  if (!socket_.IsOpen()) {
    throw DialupError(QCoreApplication::translate("Dialup", "cannot listen for dial-up connections: %1")
                          .arg(netlink::ErrorText(socket_.OpenError()))
                          .toStdString());
  }
  wakeFd_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  if (wakeFd_ < 0) {
    throw DialupError(QCoreApplication::translate("Dialup", "cannot wait for dial-up connections: %1")
                          .arg(netlink::ErrorText(errno))
                          .toStdString());
  }
  // Read after subscribing, so that no change falls between the two.
  if (auto current = resync_()) links_ = std::move(*current);
}

LinuxDialupEventWatch::~LinuxDialupEventWatch() {
  if (wakeFd_ >= 0) ::close(wakeFd_);
}

void LinuxDialupEventWatch::Wake() {
  const quint64 one = 1;
  // Fails only when the counter is full, and then a wake is pending anyway.
  [[maybe_unused]] const ssize_t written = ::write(wakeFd_, &one, sizeof(one));
}

LinuxDialupEventWatch::Drained LinuxDialupEventWatch::Drain() {
  bool changed = false;
  for (int taken = 0; taken < kMaxDatagramsPerWake; ++taken) {
    const netlink::Datagram datagram = socket_.Receive(MSG_DONTWAIT);
    switch (datagram.status) {
      case netlink::Datagram::Status::Data:
        if (links_.ApplyDatagram(datagram.bytes)) changed = true;
        break;
      case netlink::Datagram::Status::Overrun:  // messages were lost: read the set again
        if (auto current = resync_()) {
          if (links_.Replace(*current)) changed = true;
        } else {
          changed = true;
        }
        break;
      case netlink::Datagram::Status::WouldBlock:
        return changed ? Drained::Changed : Drained::Nothing;
      case netlink::Datagram::Status::Failed:
        failure_ = QCoreApplication::translate("Dialup", "the dial-up connection watch broke: %1")
                       .arg(netlink::ErrorText(datagram.error));
        return Drained::Broken;
    }
  }
  return changed ? Drained::Changed : Drained::Nothing;
}

DialupEventWatch::WaitResult LinuxDialupEventWatch::Wait(int timeoutMs) {
  using Clock = std::chrono::steady_clock;
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(std::max(timeoutMs, 0));
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    pollfd descriptors[2] = {{wakeFd_, POLLIN, 0}, {socket_.Fd(), POLLIN, 0}};
    const int ready = ::poll(descriptors, 2, static_cast<int>(std::max<qint64>(left, 0)));
    if (ready < 0 && errno == EINTR) continue;
    if (ready < 0) {
      failure_ = QCoreApplication::translate("Dialup", "waiting for dial-up connections failed: %1")
                     .arg(netlink::ErrorText(errno));
      return WaitResult::Failed;
    }
    if (descriptors[0].revents != 0) {
      quint64 count = 0;
      [[maybe_unused]] const ssize_t taken = ::read(wakeFd_, &count, sizeof(count));
      return WaitResult::Woken;
    }
    if (descriptors[1].revents != 0) {
      // A lost-messages error shows as POLLERR and is read (and handled) as an overrun.
      const Drained drained = Drain();
      if (drained == Drained::Broken) return WaitResult::Failed;
      if (drained == Drained::Changed) return WaitResult::Event;
    }
    if (ready == 0 || Clock::now() >= deadline) return WaitResult::TimedOut;
  }
}

}  // namespace meterly::platform
