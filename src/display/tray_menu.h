#pragma once

#include <QMenu>
#include <QPointer>

#include <functional>
#include <vector>

class QAction;

namespace meterly {

// The main form's actions that the tray menu offers, in the menu's order.
struct TrayMenuActions {
  QAction* ActionToggleGraph = nullptr;  // checkable: checked while the graph window is shown
  QAction* ActionResetGraph = nullptr;
  QAction* ActionToggleClickThrough = nullptr;
  QAction* ActionSpeedMeter = nullptr;
  QAction* ActionUsageStats = nullptr;
  QAction* ActionQuota = nullptr;
  QAction* ActionSettings = nullptr;
  QAction* ActionTraceRoute = nullptr;
  QAction* ActionPing = nullptr;
  QAction* ActionNetStat = nullptr;
  QAction* ActionHelp = nullptr;
  QAction* ActionAbout = nullptr;
  QAction* ActionExit = nullptr;
};

// Creates, owned by parent, each not yet given action of a window the program does not have
// yet (speed meter, usage statistics, quota, trace route, ping, connections), with its caption
// and disabled: an item that would do nothing is never offered as if it worked.
void CreateActionsOfMissingWindows(TrayMenuActions& actions, QObject* parent);

// Read-only mode: the settings and Exit are neither shown nor reachable.
void ApplyReadOnlyMode(const TrayMenuActions& actions);

// What the items shown only some of the time depend on, asked for at each popup.
struct TrayMenuConditions {
  bool GraphWindowShown = false;
  bool GraphInIcon = false;
  bool OpacityEnabled = false;
};

bool ResetGraphItemVisible(const TrayMenuConditions& conditions);
bool ClickThroughItemVisible(const TrayMenuConditions& conditions);

// The graph toggle's caption for the state it would change.
QString ToggleGraphCaption(bool graphShown);

// The tray menu, also opened by a right press on the graph window. Each item is an action of its
// own, named after the item, that follows the bound action (caption, availability, check mark,
// visibility) and triggers it: the items' visibility rules thus never hide an action elsewhere.
class TTrayMenu : public QMenu {
  Q_OBJECT

 public:
  using ConditionsSource = std::function<TrayMenuConditions()>;

  TTrayMenu(const TrayMenuActions& actions, ConditionsSource conditions, QWidget* parent = nullptr);

  // The item of the given name ("pmiGraph" ... "pmiExit"), or nullptr.
  QAction* Item(const QString& name) const;

  // At each popup: the graph toggle's caption, and which of the rule-bound items show.
  void TrayMenuPopup();

  // The default item is the graph toggle where the tray passes a double click on (which opens
  // the usage statistics); where it does not, the usage statistics item takes its place.
  void SetDoubleClickOffered(bool offered);

 private:
  struct ItemBinding {
    QAction* Item;
    QPointer<QAction> Bound;
    bool RuleAllows = true;
  };

  void AddItem(const char* name, QAction* bound);
  void FollowBound(const ItemBinding& binding);
  void SetItemRule(int index, bool allowed);

  ConditionsSource conditions_;
  std::vector<ItemBinding> items_;
};

}  // namespace meterly
