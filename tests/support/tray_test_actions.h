#pragma once

// The main form's side of the tray menu: the actions it owns today, with their captions, and the
// stand-ins for the windows that do not exist yet.

#include "display/tray_menu.h"

#include <QAction>
#include <QObject>

namespace meterly::testing_support {

struct OwnedTrayActions {
  OwnedTrayActions() {
    actions.ActionToggleGraph = Own("图表(&G)");
    actions.ActionToggleGraph->setCheckable(true);
    actions.ActionResetGraph = Own("重置图形(&R)");
    actions.ActionToggleClickThrough = Own("启用图示 单击-贯穿的(&C)");
    actions.ActionSettings = Own("设置(&S)");
    actions.ActionHelp = Own("帮助(&H)");
    actions.ActionAbout = Own("关于 Meterly(&B)");
    actions.ActionExit = Own("退出(&E)");
    CreateActionsOfMissingWindows(actions, &owner);
  }

  QAction* Own(const char* caption) { return new QAction(QString::fromUtf8(caption), &owner); }

  QObject owner;
  TrayMenuActions actions;
};

}  // namespace meterly::testing_support
