#pragma once

#include "display/tray_host_choice.h"
#include "display/tray_icon_graph.h"
#include "display/tray_menu.h"
#include "display/tray_text.h"

#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>

#include <functional>
#include <memory>
#include <optional>

namespace meterly {

struct Settings;

namespace platform {
class ShellTrayState;
}

// A longer tooltip is cut, so that it reads the same on every tray host (the strictest ones take
// 127 characters).
constexpr int TrayTooltipLimit = 127;

// Title and text as one tooltip, on lines of their own, at most TrayTooltipLimit characters.
QString TrayTooltip(const TrayTextResult& text);

// Balloons and tooltips travel to tray hosts and notification services outside the program;
// a plain line feed is the one line break all of them take.
QString TrayDisplayText(QString text);

// The program's presence on the desktop: the notification-area icon with its tooltip, balloon,
// menu and the optional live graph in place of the application icon.
//
// The toolkit's icon is made only once a notification area exists, because the toolkit picks
// its protocol (StatusNotifierItem or XEmbed) when the icon is made: made without a tray, it
// would never reach a StatusNotifierItem host that appears later. Until then the tooltip and
// the image are kept here and handed over when the icon is made.
class TTrayIcon : public QObject {
  Q_OBJECT

 public:
  using TextSource = std::function<TrayTextResult()>;

  // appIcon is the icon shown whenever the graph is not drawn in the tray. The text source gives
  // the tray text of the moment; the conditions source what the menu's rule-bound items need.
  TTrayIcon(platform::ShellTrayState& shellTray, const Settings& settings, const TrayMenuActions& actions,
            const QIcon& appIcon, TextSource text, TTrayMenu::ConditionsSource menuConditions,
            QObject* parent = nullptr);
  ~TTrayIcon() override;

  // The tick's tray step. Shown means visible on a notification area that exists now.
  bool IsShown();
  // Shows the icon again (also after the tray host came back); false while no tray exists.
  bool TryShow();
  void Hide();

  // Per tick: the check for automatic hiding, then the tooltip, except in the graph-toggle mode
  // and while the desktop hides inactive icons.
  void RefreshTooltip();
  void SetToolTip(const QString& tooltip);
  const QString& ToolTip() const { return tooltip_; }

  // Per counted tick while the graph is drawn in the icon.
  void IconGraphStep(quint32 lastDeltaIn, quint32 lastDeltaOut);
  // The graph's look; the application icon comes back when the graph is not to be drawn.
  void ApplySettings();
  void ResetGraph() { iconGraph_.Clear(); }
  void RestoreOrigIcon() { SetIcon(origIcon_); }

  // A balloon at the icon, or where the tray shows none, a desktop notification that replaces
  // the previous one.
  void ShowBalloon(const QString& title, const QString& text);
  // The answer to the start-up switch "hello", while the icon is visible.
  void ShowPresenceBalloon();
  // What the last balloon said.
  const QString& BalloonTitle() const { return balloonTitle_; }
  const QString& BalloonHint() const { return balloonHint_; }

  // The graph-toggle mode shows or hides the graph window; every other mode shows its text.
  void TrayIconClick();
  void TrayIconDblClick();

  // The last state seen of the desktop's hiding of inactive icons.
  bool HidesInactiveIcons() const { return hidesInactiveIcons_; }

  // The toolkit's icon, made now if it does not exist yet.
  QSystemTrayIcon& TrayIcon();
  bool TrayIconMade() const { return trayIcon_ != nullptr; }
  TTrayMenu& TrayMenu() { return trayMenu_; }
  const QIcon& OrigIcon() const { return origIcon_; }
  const QIcon& Icon() const { return icon_; }
  const TTrayIconGraph& IconGraph() const { return iconGraph_; }
  const TrayHostChoice& HostChoice() const { return hostChoice_; }

 private:
  void Activated(QSystemTrayIcon::ActivationReason reason);
  void SetIcon(const QIcon& icon);
  // True when the state changed.
  bool CheckAutoHide();

  platform::ShellTrayState& shellTray_;
  const Settings& settings_;
  QPointer<QAction> actionToggleGraph_;
  QPointer<QAction> actionUsageStats_;
  TextSource text_;
  const QIcon origIcon_;
  QIcon icon_;
  QString tooltip_;
  std::optional<TrayTextResult> tooltipSource_;  // the text the tooltip was made of, if it was
  TTrayIconGraph iconGraph_;
  TrayHostChoice hostChoice_;
  // Declared before the icon, which refers to it as its context menu.
  TTrayMenu trayMenu_;
  std::unique_ptr<QSystemTrayIcon> trayIcon_;
  bool hidesInactiveIcons_ = false;
  QString balloonTitle_;
  QString balloonHint_;
};

}  // namespace meterly
