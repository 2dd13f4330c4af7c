#pragma once

#include "platform/tray_state.h"

#include <QObject>

namespace meterly::platform {

// StatusNotifierItem hosts are found on the session bus, XEmbed trays as the owner of the X
// server's tray selection; notifications go to org.freedesktop.Notifications. No Linux tray
// host hides inactive icons.
class LinuxShellTrayState : public QObject, public ShellTrayState {
  Q_OBJECT

 public:
  std::optional<bool> HidesInactiveIcons() override;
  TrayHosts PresentTrayHosts() override;
  bool ShowNotification(const QString& title, const QString& text) override;

 private:
  // The id the notification service gave the last notification; 0 before the first.
  quint32 notificationId_ = 0;
};

}  // namespace meterly::platform
