#pragma once

#include "core/settings.h"
#include "core/traffic_sources.h"

#include <QList>
#include <QObject>
#include <QPointer>

class QAction;

namespace meterly {

class TSpeedMeterForm;

// The speed meter windows as the main form offers them: every use of the tray item opens a new
// one on the selected source, each is fed by the tick and frees itself when closed.
class TSpeedMeters : public QObject {
  Q_OBJECT

 public:
  TSpeedMeters(const Settings& settings, const TrafficSources& sources, QObject* parent = nullptr);
  ~TSpeedMeters() override;

  // Takes over the tray's ActionSpeedMeter: enabled, it opens a window at every trigger.
  void AttachAction(QAction* actionSpeedMeter);

  // Opens and shows a new window, copying and saving through the table writers.
  TSpeedMeterForm* ActionSpeedMeterExecute();

  // One second of the tick, for every open window.
  void SpeedMeterStep(quint64 in, quint64 out);

  // The exit path: closes every open window.
  void CloseAll();

  QList<TSpeedMeterForm*> Windows() const;

 Q_SIGNALS:
  // A window's help button.
  void helpRequested();

 private:
  const Settings& settings_;
  const TrafficSources& sources_;
  QList<QPointer<TSpeedMeterForm>> windows_;
};

}  // namespace meterly
