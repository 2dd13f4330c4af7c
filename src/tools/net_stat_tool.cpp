#include "tools/net_stat_tool.h"

#include "tools/net_stat_form.h"
#include "ui/progress_window.h"

#include <QAction>

namespace meterly {

TNetStatTool::TNetStatTool(platform::Platform& platform, const Settings& settings, ListExport listExport,
                           QObject* parent)
    : QObject(parent), platform_(platform), settings_(settings), export_(std::move(listExport)) {}

TNetStatTool::~TNetStatTool() { delete form_.data(); }

void TNetStatTool::AttachAction(QAction* actionNetStat) {
  actionNetStat->setEnabled(true);
  connect(actionNetStat, &QAction::triggered, this, &TNetStatTool::ActionNetStatExecute);
}

void TNetStatTool::ActionNetStatExecute() {
  if (!form_) {
    form_ = new TNetStatForm(platform_.socketTable(), platform_.Processes(), platform_.nameLookup(), export_);
    form_->setAttribute(Qt::WA_DeleteOnClose);
    // Escape ends the dialog without a close event: freed the same way.
    connect(form_, &QDialog::finished, form_, &QObject::deleteLater);
    form_->SetGridLines(settings_.EnableGridLines);
    CentreOnOwner(*form_, nullptr);
  }
  if (form_->isMinimized()) form_->showNormal();
  form_->show();
  form_->raise();
  form_->activateWindow();
  // Activation refreshes too where a window manager reports it; the first list must not wait for one.
  form_->RequestRefresh();
}

TNetStatForm* TNetStatTool::NetStatForm() const { return form_; }

}  // namespace meterly
