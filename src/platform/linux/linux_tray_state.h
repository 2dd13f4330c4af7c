#pragma once

#include "platform/tray_state.h"

#include <QObject>

#include <memory>

namespace meterly::platform {

class X11TraySelection;

// StatusNotifierItem hosts are found on the session bus, XEmbed trays as the owner of the X
// server's tray selection; notifications go to org.freedesktop.Notifications. No Linux tray
// host hides inactive icons. The tick asks every second, so whether a StatusNotifierItem host
// is there is kept from the bus's own signals and asked for without waiting (a slow or hung
// bus never holds the tick), and a tray once found is followed through the X server's events.
class LinuxShellTrayState : public QObject, public ShellTrayState {
  Q_OBJECT

 public:
  LinuxShellTrayState();
  ~LinuxShellTrayState() override;

  std::optional<bool> HidesInactiveIcons() override;
  TrayHosts PresentTrayHosts() override;
  bool ShowNotification(const QString& title, const QString& text) override;

 private Q_SLOTS:
  void AskWhetherHostRegistered();

 private:
  void WatchStatusNotifierHosts();

  bool watching_ = false;
  bool statusNotifierHost_ = false;
  std::unique_ptr<X11TraySelection> xembedTray_;
  // The id the notification service gave the last notification; 0 before the first.
  quint32 notificationId_ = 0;
};

}  // namespace meterly::platform
