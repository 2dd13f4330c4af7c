#pragma once

#include "reports/totals_form.h"

#include <QObject>
#include <QPointer>

#include <vector>

namespace meterly {

struct Settings;

// The usage statistics windows the tray opens: any number at once, each on its own, freed when
// closed.
class TStatisticsWindows : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;

  // A new window, shown, with the hourly graph in the look of the floating graph window.
  TTotalsForm* Open(TTotalsFormContext context);
  // The exit path: every open window closes, so that its values reach the settings.
  void CloseAll();

  std::vector<TTotalsForm*> OpenWindows() const;

 private:
  std::vector<QPointer<TTotalsForm>> windows_;
};

// The hourly page's graph: a live-speed graph without averages, a tick every 24 samples (a day)
// and the colours and direction of the settings.
QWidget* CreateHourlyGraph(QWidget* panel, const Settings& settings);
void ShowHourlyGraph(QWidget* graph, const std::vector<THourlySample>& samples);

}  // namespace meterly
