#pragma once

#include "core/adapter_entry.h"
#include "core/settings.h"
#include "display/speed_meter.h"

#include <QDialog>

#include <functional>

class QAbstractItemModel;
class QFrame;
class QToolButton;
class QTreeWidget;
class QVBoxLayout;

namespace meterly {

class TCLEDLabel;

// How the meter's table leaves the window, through the program's table writers.
struct SpeedMeterExport {
  // The table as tab-separated text.
  std::function<QString(const QAbstractItemModel& table)> TableText;
  // Writes the text to the file; raises an exception when it cannot.
  std::function<void(const QString& fileName, const QString& text)> SaveText;
};

// The speed meter: measures the traffic of the selected source over an interval the user
// starts and stops, showing the elapsed time in seven-segment digits and the average rate of
// the last five seconds, the highest rate and the totals. The main tick feeds it every second.
// It is freed when closed.
class TSpeedMeterForm : public QDialog {
  Q_OBJECT

 public:
  // source is the selected traffic source, or nullptr when there is none.
  TSpeedMeterForm(const Settings& settings, const TAdapterEntry* source, SpeedMeterExport exporter,
                  QWidget* parent = nullptr);
  ~TSpeedMeterForm() override;

  // One second of the main tick: the bytes it counted, or 0 when it counted nothing.
  void SpeedMeterStep(quint64 in, quint64 out);

  // Copies the table to the clipboard as text, or saves that text to a file the user names.
  void ExportData(bool toFile);

  const SpeedMeter& Meter() const { return meter_; }

  // Asks the user for the file to save into; empty when cancelled. The save dialog by default.
  std::function<QString(QWidget* owner)> askSaveFileName;

  QFrame* LedPanel;
  TCLEDLabel* LedLabel;
  QToolButton* tbStart;
  QToolButton* tbReset;
  QToolButton* tbCopy;
  QToolButton* tbSave;
  QToolButton* tbHelp;
  QTreeWidget* ListView;

 Q_SIGNALS:
  // The help button: the program's manual.
  void helpRequested();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void CreateToolBar(QVBoxLayout& layout);
  void CreateLedLabel(QVBoxLayout& layout);
  void CreateListView(QVBoxLayout& layout);
  void tbStartClick();
  void tbResetClick();
  void ShowRunningState();
  void ShowCounts();

  const Settings& settings_;
  SpeedMeterExport exporter_;
  SpeedMeter meter_;
  bool centred_ = false;
};

// Asks for a text file to save into, with an overwrite prompt; empty when cancelled.
QString AskTextFileName(QWidget* owner);

}  // namespace meterly
