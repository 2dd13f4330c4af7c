#pragma once

#include "platform/interface_table.h"
#include "platform/linux/netlink_message.h"
#include "platform/linux/route_channel.h"
#include "platform/linux/sysfs_facts_cache.h"

#include <QString>

#include <optional>
#include <vector>

namespace meterly::platform {

// The interface table read from rtnetlink, on sockets kept open for the object's life. The
// links' names, types and addresses are kept from the last link dump for as long as the kernel
// announces no link change; meanwhile a call reads only the byte counters (RTM_GETSTATS), a far
// smaller answer than the dump. After a change the links are dumped on the next two calls (the
// second finds what sysfs adds to a link after it was announced). Not thread-safe: one owner
// calls it.
class LinuxInterfaceTable : public InterfaceTable {
 public:
  LinuxInterfaceTable();

  // False when no routing netlink socket can be opened (failure() says why).
  bool Available() const { return channel_.Available(); }
  QString Failure() const { return channel_.Failure(); }

  std::optional<std::vector<InterfaceRow>> Rows() override;
  std::optional<InterfaceRow> RowByName(const QString& name) override;

 private:
  bool Watching() const;
  bool LinksKnown() const;
  bool CountersHold(bool read);
  std::optional<std::vector<InterfaceRow>> DumpLinks();
  bool ReadCounters(std::vector<InterfaceRow>& rows);
  bool ReadCounters(InterfaceRow& row);
  bool LinksUnchanged();

  netlink::RouteChannel channel_;
  std::vector<std::byte> dumpRequest_;
  std::vector<std::byte> statsRequest_;
  SysfsFactsCache sysfs_;
  netlink::Socket linkChanges_;
  std::vector<InterfaceRow> links_;  // the last dump, ordered by index
  int dumpsOwed_;
  bool countersReadable_ = true;
};

}  // namespace meterly::platform
