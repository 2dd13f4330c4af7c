#include "display/tray_icon.h"

#include "core/settings.h"
#include "display/graph_window_rules.h"
#include "platform/tray_state.h"

#include <QAction>

#include <utility>

namespace meterly {
namespace {

const QString ProductName = QStringLiteral("Meterly");

}  // namespace

QString TrayTooltip(const TrayTextResult& text) {
  QString tooltip = TrayDisplayText(text.Title + QStringLiteral("\r\n") + text.Text);
  if (tooltip.size() <= TrayTooltipLimit) return tooltip;
  qsizetype cut = TrayTooltipLimit;
  // Never half a character outside the basic plane.
  if (tooltip.at(cut - 1).isHighSurrogate()) --cut;
  return tooltip.left(cut);
}

QString TrayDisplayText(QString text) { return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

TTrayIcon::TTrayIcon(platform::ShellTrayState& shellTray, const Settings& settings, const TrayMenuActions& actions,
                     const QIcon& appIcon, TextSource text, TTrayMenu::ConditionsSource menuConditions, QObject* parent)
    : QObject(parent),
      shellTray_(shellTray),
      settings_(settings),
      actionToggleGraph_(actions.ActionToggleGraph),
      actionUsageStats_(actions.ActionUsageStats),
      text_(std::move(text)),
      origIcon_(appIcon),
      icon_(appIcon),
      tooltip_(ProductName),
      trayMenu_(actions, std::move(menuConditions)) {
  ApplySettings();
}

TTrayIcon::~TTrayIcon() = default;

QSystemTrayIcon& TTrayIcon::TrayIcon() {
  if (!trayIcon_) {
    hostChoice_.Fix();
    trayMenu_.SetDoubleClickOffered(hostChoice_.DoubleClickOffered());
    trayIcon_ = std::make_unique<QSystemTrayIcon>(icon_);
    trayIcon_->setToolTip(tooltip_);
    trayIcon_->setContextMenu(&trayMenu_);
    connect(trayIcon_.get(), &QSystemTrayIcon::activated, this, &TTrayIcon::Activated);
  }
  return *trayIcon_;
}

bool TTrayIcon::IsShown() {
  if (!trayIcon_ || !trayIcon_->isVisible()) return false;
  hostChoice_.Update(shellTray_.PresentTrayHosts());
  return hostChoice_.HostPresent();
}

bool TTrayIcon::TryShow() {
  hostChoice_.Update(shellTray_.PresentTrayHosts());
  if (!hostChoice_.HostPresent()) return false;
  QSystemTrayIcon& icon = TrayIcon();
  // Hiding first makes the icon register again with a tray host that came back; the image and
  // the tooltip stay with it.
  icon.hide();
  icon.show();
  return true;
}

void TTrayIcon::Hide() {
  if (trayIcon_) trayIcon_->hide();
}

void TTrayIcon::SetToolTip(const QString& tooltip) {
  tooltipSource_.reset();
  // A status-notifier host hears of every change over the bus, so an unchanged text is not sent.
  if (tooltip == tooltip_) return;
  tooltip_ = tooltip;
  if (trayIcon_) trayIcon_->setToolTip(tooltip);
}

void TTrayIcon::SetIcon(const QIcon& icon) {
  icon_ = icon;
  if (trayIcon_) trayIcon_->setIcon(icon);
}

bool TTrayIcon::CheckAutoHide() {
  const std::optional<bool> hides = shellTray_.HidesInactiveIcons();
  if (!hides || *hides == hidesInactiveIcons_) return false;
  hidesInactiveIcons_ = *hides;
  return true;
}

void TTrayIcon::RefreshTooltip() {
  if (CheckAutoHide()) SetToolTip(ProductName);
  if (EffectiveTrayIconMode(settings_.TrayIconMode) == TrayIconModes::GraphToggle || hidesInactiveIcons_) return;
  TrayTextResult text = text_();
  if (tooltipSource_ == text) return;
  SetToolTip(TrayTooltip(text));
  tooltipSource_ = std::move(text);
}

void TTrayIcon::IconGraphStep(quint32 lastDeltaIn, quint32 lastDeltaOut) {
  SetIcon(iconGraph_.Step(lastDeltaIn, lastDeltaOut));
}

void TTrayIcon::ApplySettings() {
  iconGraph_.ApplySettings(settings_);
  if (!TrayIconShowsGraph(settings_)) RestoreOrigIcon();
}

void TTrayIcon::ShowBalloon(const QString& title, const QString& text) {
  balloonTitle_ = title;
  balloonHint_ = text;
  if (hostChoice_.BalloonsAsNotifications() &&
      shellTray_.ShowNotification(TrayDisplayText(title), TrayDisplayText(text))) {
    return;
  }
  if (trayIcon_) trayIcon_->showMessage(TrayDisplayText(title), TrayDisplayText(text), QSystemTrayIcon::Information);
}

void TTrayIcon::ShowPresenceBalloon() {
  if (!trayIcon_ || !trayIcon_->isVisible()) return;
  ShowBalloon(tr("I am here!"), tr("Right-click the icon to access menu..."));
}

void TTrayIcon::TrayIconClick() {
  if (EffectiveTrayIconMode(settings_.TrayIconMode) == TrayIconModes::GraphToggle) {
    if (actionToggleGraph_) actionToggleGraph_->trigger();
    return;
  }
  const TrayTextResult text = text_();
  ShowBalloon(text.Title, text.Text);
}

void TTrayIcon::TrayIconDblClick() {
  if (actionUsageStats_) actionUsageStats_->trigger();
}

void TTrayIcon::Activated(QSystemTrayIcon::ActivationReason reason) {
  if (reason == QSystemTrayIcon::Trigger) TrayIconClick();
  if (reason == QSystemTrayIcon::DoubleClick) TrayIconDblClick();
}

}  // namespace meterly
