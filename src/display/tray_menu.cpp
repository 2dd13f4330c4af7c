#include "display/tray_menu.h"

#include "base/assertion.h"

#include <QAction>
#include <QCoreApplication>

#include <utility>

namespace meterly {
namespace {

// The items in their order, with the places they hold in items_.
enum ItemIndex {
  GraphIndex,
  ResetGraphIndex,
  ClickThroughIndex,
  SpeedMeterIndex,
  TotalsIndex,
  QuotaIndex,
  OptionsIndex,
  TraceRouteIndex,
  PingIndex,
  NetStatIndex,
  HelpIndex,
  AboutIndex,
  ExitIndex,
  ItemCount
};

void CreateDisabled(QAction*& action, const char* objectName, const QString& caption, QObject* parent) {
  if (action != nullptr) return;
  action = new QAction(caption, parent);
  action->setObjectName(QString::fromLatin1(objectName));
  action->setEnabled(false);
}

void Withdraw(QAction* action) {
  action->setVisible(false);
  action->setEnabled(false);
}

}  // namespace

void CreateActionsOfMissingWindows(TrayMenuActions& actions, QObject* parent) {
  CreateDisabled(actions.ActionSpeedMeter, "ActionSpeedMeter", TTrayMenu::tr("网速测试(&A)", "tray menu"), parent);
  CreateDisabled(actions.ActionUsageStats, "ActionUsageStats", TTrayMenu::tr("使用统计(&U)", "tray menu"), parent);
  CreateDisabled(actions.ActionQuota, "ActionQuota", TTrayMenu::tr("配额(&Q)", "tray menu"), parent);
  CreateDisabled(actions.ActionTraceRoute, "ActionTraceRoute", TTrayMenu::tr("路由跟踪 (&T)...", "tray menu"), parent);
  CreateDisabled(actions.ActionPing, "ActionPing", TTrayMenu::tr("Ping(&P) ...", "tray menu"), parent);
  CreateDisabled(actions.ActionNetStat, "ActionNetStat", TTrayMenu::tr("网络统计", "tray menu"), parent);
}

void ApplyReadOnlyMode(const TrayMenuActions& actions) {
  Withdraw(actions.ActionSettings);
  Withdraw(actions.ActionExit);
}

bool ResetGraphItemVisible(const TrayMenuConditions& conditions) {
  return conditions.GraphWindowShown || conditions.GraphInIcon;
}

bool ClickThroughItemVisible(const TrayMenuConditions& conditions) {
  return conditions.OpacityEnabled && conditions.GraphWindowShown;
}

QString ToggleGraphCaption(bool graphShown) {
  return graphShown ? TTrayMenu::tr("隐藏图示(&G", "tray menu") : TTrayMenu::tr("显示图示(&G", "tray menu");
}

TTrayMenu::TTrayMenu(const TrayMenuActions& actions, ConditionsSource conditions, QWidget* parent)
    : QMenu(parent), conditions_(std::move(conditions)) {
  items_.reserve(ItemCount);
  AddItem("pmiGraph", actions.ActionToggleGraph);
  AddItem("pmiResetGraph", actions.ActionResetGraph);
  AddItem("pmiEnableClickThrough", actions.ActionToggleClickThrough);
  AddItem("pmiSpeedMeter", actions.ActionSpeedMeter);
  AddItem("pmiTotals", actions.ActionUsageStats);
  AddItem("Quota1", actions.ActionQuota);
  AddItem("pmiOptions", actions.ActionSettings);
  AddItem("pmiTraceRoute", actions.ActionTraceRoute);
  AddItem("pmiPing", actions.ActionPing);
  AddItem("pmiNetStat", actions.ActionNetStat);
  addSeparator()->setObjectName(QStringLiteral("N4"));
  AddItem("pmiHelp", actions.ActionHelp);
  AddItem("pmiAbout", actions.ActionAbout);
  AddItem("pmiExit", actions.ActionExit);
  setDefaultAction(items_[GraphIndex].Item);
  connect(this, &QMenu::aboutToShow, this, &TTrayMenu::TrayMenuPopup);
}

QAction* TTrayMenu::Item(const QString& name) const {
  for (const ItemBinding& binding : items_) {
    if (binding.Item->objectName() == name) return binding.Item;
  }
  return nullptr;
}

void TTrayMenu::AddItem(const char* name, QAction* bound) {
  METERLY_ASSERT(bound != nullptr, "TrayMenu", "A tray menu item has no action");
  auto* item = new QAction(this);
  item->setObjectName(QString::fromLatin1(name));
  addAction(item);
  const auto index = static_cast<int>(items_.size());
  items_.push_back({item, bound});
  FollowBound(items_.back());
  const auto follow = [this, index] { FollowBound(items_[static_cast<size_t>(index)]); };
  connect(bound, &QAction::changed, this, follow);
  connect(bound, &QAction::toggled, this, follow);
  // A checkable item has already flipped its own mark when it fires; afterwards it shows the
  // bound action's state, whatever the action made of the trigger.
  connect(item, &QAction::triggered, bound, [bound, follow] {
    bound->trigger();
    follow();
  });
}

void TTrayMenu::FollowBound(const ItemBinding& binding) {
  const QAction* bound = binding.Bound.data();
  if (bound == nullptr) return;
  QAction* item = binding.Item;
  item->setText(bound->text());
  item->setIcon(bound->icon());
  item->setEnabled(bound->isEnabled());
  item->setCheckable(bound->isCheckable());
  item->setChecked(bound->isChecked());
  item->setVisible(bound->isVisible() && binding.RuleAllows);
}

void TTrayMenu::SetItemRule(int index, bool allowed) {
  ItemBinding& binding = items_[static_cast<size_t>(index)];
  binding.RuleAllows = allowed;
  FollowBound(binding);
}

void TTrayMenu::SetDoubleClickOffered(bool offered) {
  setDefaultAction(items_[offered ? GraphIndex : TotalsIndex].Item);
}

void TTrayMenu::TrayMenuPopup() {
  if (QAction* graph = items_[GraphIndex].Bound) graph->setText(ToggleGraphCaption(graph->isChecked()));
  const TrayMenuConditions conditions = conditions_ ? conditions_() : TrayMenuConditions{};
  SetItemRule(ResetGraphIndex, ResetGraphItemVisible(conditions));
  SetItemRule(ClickThroughIndex, ClickThroughItemVisible(conditions));
}

}  // namespace meterly
