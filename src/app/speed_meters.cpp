#include "app/speed_meters.h"

#include "display/speed_meter_form.h"
#include "reports/export_file.h"
#include "reports/report_table.h"
#include "reports/table_export.h"

#include <QAction>

namespace meterly {
namespace {

SpeedMeterExport TableWriters() {
  return {[](const QAbstractItemModel& table) { return TableToText(TableFromItemModel(table)); },
          [](const QString& fileName, const QString& text) { WriteExportFile(fileName, text.toUtf8()); }};
}

}  // namespace

TSpeedMeters::TSpeedMeters(const Settings& settings, const TrafficSources& sources, QObject* parent)
    : QObject(parent), settings_(settings), sources_(sources) {}

// The windows have no owner window: those still open go with their opener.
TSpeedMeters::~TSpeedMeters() {
  for (const QPointer<TSpeedMeterForm>& window : windows_) delete window.data();
}

void TSpeedMeters::AttachAction(QAction* actionSpeedMeter) {
  actionSpeedMeter->setEnabled(true);
  connect(actionSpeedMeter, &QAction::triggered, this, &TSpeedMeters::ActionSpeedMeterExecute);
}

TSpeedMeterForm* TSpeedMeters::ActionSpeedMeterExecute() {
  windows_.removeAll(nullptr);
  auto* window = new TSpeedMeterForm(settings_, sources_.FindSelectedAdapter(settings_.InterfaceGuid), TableWriters());
  windows_.append(window);
  connect(window, &TSpeedMeterForm::helpRequested, this, &TSpeedMeters::helpRequested);
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}

void TSpeedMeters::SpeedMeterStep(quint64 in, quint64 out) {
  for (TSpeedMeterForm* window : Windows()) window->SpeedMeterStep(in, out);
}

void TSpeedMeters::CloseAll() {
  for (TSpeedMeterForm* window : Windows()) window->close();
}

QList<TSpeedMeterForm*> TSpeedMeters::Windows() const {
  QList<TSpeedMeterForm*> open;
  for (const QPointer<TSpeedMeterForm>& window : windows_) {
    if (window) open.append(window.data());
  }
  return open;
}

}  // namespace meterly
