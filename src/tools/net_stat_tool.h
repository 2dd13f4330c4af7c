#pragma once

#include "core/settings.h"
#include "platform/platform.h"
#include "tools/list_export.h"

#include <QObject>
#include <QPointer>

class QAction;

namespace meterly {

class TNetStatForm;

// The connections window as the main form offers it: the tray's ActionNetStat opens it, one at
// a time; closing the window, by any way, frees it.
class TNetStatTool : public QObject {
  Q_OBJECT

 public:
  TNetStatTool(platform::Platform& platform, const Settings& settings, ListExport listExport,
               QObject* parent = nullptr);
  ~TNetStatTool() override;

  void AttachAction(QAction* actionNetStat);

  // Opens the window, or restores and raises the open one.
  void ActionNetStatExecute();

  // The open window, or nullptr.
  TNetStatForm* NetStatForm() const;

 private:
  platform::Platform& platform_;
  const Settings& settings_;
  ListExport export_;
  QPointer<TNetStatForm> form_;
};

}  // namespace meterly
