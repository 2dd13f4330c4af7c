#pragma once

#include "platform/interface_table.h"
#include "platform/linux/netlink_message.h"
#include "platform/linux/route_channel.h"
#include "platform/linux/sysfs_facts_cache.h"

#include <QString>

#include <optional>
#include <vector>

namespace meterly::platform {

// The interface table read from rtnetlink: one RTM_GETLINK round trip per call, on a socket
// kept open for the object's life. Not thread-safe: one owner calls it.
class LinuxInterfaceTable : public InterfaceTable {
 public:
  LinuxInterfaceTable();

  // False when no routing netlink socket can be opened (failure() says why).
  bool available() const { return channel_.available(); }
  QString failure() const { return channel_.failure(); }

  std::optional<std::vector<InterfaceRow>> rows() override;
  std::optional<InterfaceRow> rowByName(const QString& name) override;

 private:
  netlink::RouteChannel channel_;
  std::vector<std::byte> dumpRequest_;
  SysfsFactsCache sysfs_;
};

}  // namespace meterly::platform
