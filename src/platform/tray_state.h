#pragma once

#include <QString>

#include <optional>

namespace meterly::platform {

// The notification areas the desktop offers at this moment.
struct TrayHosts {
  // A StatusNotifierWatcher on the session bus with at least one host (a panel) registered.
  bool StatusNotifierHost = false;
  // An X11 system tray that embeds icon windows (XEmbed).
  bool XEmbedTray = false;
};

// The desktop's notification area: which kinds exist, whether it tucks away idle icons, and the
// desktop's own notifications, which stand in for balloons where the tray shows none.
class ShellTrayState {
 public:
  virtual ~ShellTrayState() = default;

  // Whether the notification area hides icons that have not changed for a while (while it does,
  // the tray icon's tooltip is not refreshed every tick); nullopt when the desktop cannot tell.
  virtual std::optional<bool> HidesInactiveIcons() = 0;

  // Asked every second while the icon is not shown, so it must answer quickly.
  virtual TrayHosts PresentTrayHosts() = 0;

  // Shows a desktop notification in place of the previous one this program showed, so that
  // repeated clicks never pile up notifications. Does not wait for the service; false when
  // there is no session bus to reach it on.
  virtual bool ShowNotification(const QString& title, const QString& text) = 0;
};

}  // namespace meterly::platform
