#pragma once

#include "platform/tray_state.h"

namespace meterly {

enum class TrayHostKind { None, StatusNotifier, XEmbed };

// Which kind of notification area the icon goes to. A StatusNotifierItem host is preferred, as
// the toolkit prefers it. The icon keeps the kind it was first shown on for the life of the
// process (the toolkit picks its protocol once), so that kind is fixed at the first showing;
// until then the choice follows what the desktop offers.
class TrayHostChoice {
 public:
  static TrayHostKind KindOf(const platform::TrayHosts& hosts);

  // What the desktop offers now.
  void Update(const platform::TrayHosts& hosts);
  // The icon is being shown on the current kind: from now on that kind stays.
  void Fix() { fixed_ = Kind() != TrayHostKind::None; }

  // The fixed kind, or before that the kind the icon would be shown on now.
  TrayHostKind Kind() const { return fixed_ ? fixedKind_ : KindOf(hosts_); }
  // Whether the icon, of its kind, has a host to be shown on now.
  bool HostPresent() const;
  // Only XEmbed trays pass a double click on; StatusNotifierItem hosts know one activation.
  bool DoubleClickOffered() const { return Kind() == TrayHostKind::XEmbed; }
  // StatusNotifierItem hosts show no balloons: the desktop's notifications stand in.
  bool BalloonsAsNotifications() const { return Kind() == TrayHostKind::StatusNotifier; }

 private:
  platform::TrayHosts hosts_;
  bool fixed_ = false;
  TrayHostKind fixedKind_ = TrayHostKind::None;
};

}  // namespace meterly
