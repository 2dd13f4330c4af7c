#include "display/tray_host_choice.h"

namespace meterly {

TrayHostKind TrayHostChoice::KindOf(const platform::TrayHosts& hosts) {
  if (hosts.StatusNotifierHost) return TrayHostKind::StatusNotifier;
  if (hosts.XEmbedTray) return TrayHostKind::XEmbed;
  return TrayHostKind::None;
}

void TrayHostChoice::Update(const platform::TrayHosts& hosts) {
  hosts_ = hosts;
  if (!fixed_) fixedKind_ = KindOf(hosts_);
}

bool TrayHostChoice::HostPresent() const {
  switch (Kind()) {
    case TrayHostKind::StatusNotifier:
      return hosts_.StatusNotifierHost;
    case TrayHostKind::XEmbed:
      return hosts_.XEmbedTray;
    case TrayHostKind::None:
      break;
  }
  return false;
}

}  // namespace meterly
