#pragma once

#include "platform/dialup.h"
#include "platform/linux/linux_dialup_links.h"
#include "platform/linux/route_channel.h"

#include <functional>
#include <mutex>

namespace meterly::platform {

// Dial-up links on Linux are the PPP interfaces (pppd, PPPoE, mobile modems): the entry name
// is the interface name, the handle its index, which a reconnect changes.
class LinuxDialupService : public DialupService {
 public:
  // PPP is there when the kernel offers its channel device (loaded or loadable on demand).
  LinuxDialupService();
  // For tests: the kernel's support as given.
  explicit LinuxDialupService(bool kernelOffersPpp);

  bool Available() override { return available_; }
  std::optional<std::vector<DialupLink>> ActiveLinks() override;
  std::optional<DialupCounters> Statistics(quint64 handle) override;
  bool HangUp(const DialupLink& link, QString* error) override;
  std::unique_ptr<DialupEventWatch> WatchEvents() override;

 private:
  // Every PPP link the kernel has, up or not; nullopt when they cannot be read.
  std::optional<std::vector<netlink::PppLink>> PppLinks(const std::vector<std::byte>& request);
  std::optional<netlink::PppLinkSet> LinkSet();

  const bool available_;
  std::mutex channelMutex_;
  netlink::RouteChannel channel_;  // under channelMutex_
};

// A netlink socket of its own in rtnetlink's link group, and an eventfd that wake() writes.
// Only a change of the PPP links' set (index, name, up) ends a wait as an event.
class LinuxDialupEventWatch : public DialupEventWatch {
 public:
  using Resync = std::function<std::optional<netlink::PppLinkSet>()>;

  // Subscribes, then reads the current set through `resync` (also used after lost messages).
  explicit LinuxDialupEventWatch(Resync resync);
  ~LinuxDialupEventWatch() override;

  WaitResult Wait(int timeoutMs) override;
  void Wake() override;
  QString Failure() const override { return failure_; }

 private:
  enum class Drained { Nothing, Changed, Broken };
  // Reads what the socket holds.
  Drained Drain();

  Resync resync_;
  netlink::Socket socket_;
  int wakeFd_ = -1;
  netlink::PppLinkSet links_;
  QString failure_;
};

}  // namespace meterly::platform
