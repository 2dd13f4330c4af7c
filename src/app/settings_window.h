#pragma once

#include "core/adapter_entry.h"
#include "core/settings.h"

#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTabWidget;

namespace meterly {

class TGraphColoursPage;
class TGraphViewPage;
class THourDisplay;
class TNotificationsPage;
class TTrafficNotification;

// The settings window: edits the process-wide settings in its controls and copies them back
// when the owner accepts. It is created once and every close only hides it, so the controls
// keep their edits between showings; only the interface selection and cbAutoCheck are
// refreshed (by the owner, on aboutToShow).
class TSettingsWindow : public QWidget {
  Q_OBJECT

 public:
  explicit TSettingsWindow(QWidget* parent = nullptr);
  ~TSettingsWindow() override;

  // Fills the month list and sets the spin ranges. Safe to run again.
  void PrepareControls();

  // Copies the settings into the controls. A stored "VolumeUnit", "TrayIconMode" or "LineType"
  // the controls cannot show raises EAssertionFailed naming "Main".
  void SettingsToControls(const Settings& settings);

  // Copies the controls back. Returns true when another traffic source was chosen, so that the
  // caller restarts sampling; applying the settings is the caller's business.
  bool ControlsToSettings(Settings& settings);

  // Item i of cmbInterfaces shows entry i; no item is selected afterwards.
  void FillInterfaceCombo(const AdapterList& adapters);
  // Selects the first item whose entry's Guid equals the identifier exactly, or none.
  void SelectCurrentInterface(const QString& guid);
  // Fills the list anew after the interfaces changed, keeping the source the user picked and has
  // not applied yet while it is still listed; else the applied one is selected.
  void RefillInterfaceCombo(const AdapterList& adapters, const QString& appliedGuid);
  // The entry of the selected item, or null.
  const TAdapterEntry* ChosenInterface() const;
  void ShowInterfaceInfo();

  void SetAutoCheck(bool enabled);

  // The peak-hours strip's colours from the settings: also what Cancel comes back to.
  void PeakColoursToControls(const Settings& settings);
  // The click-through switch changed elsewhere (the hot key, the tray menu).
  void ShowClickThrough(bool enabled);
  // The notifications page's test buttons run through the running program's notifications.
  void AttachNotifications(TTrafficNotification* notifications);

  // Until the program ends, closing only hides the window.
  void SetTerminating(bool terminating) { terminating_ = terminating; }
  bool Terminating() const { return terminating_; }

 Q_SIGNALS:
  // Sent each time the window is about to be shown, before it is painted.
  void aboutToShow();
  void okClicked();
  void applyClicked();
  void helpClicked();
  // The graph page's "reset the graph window" button.
  void resetGraphClicked();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QWidget* BuildGeneralPage();
  QWidget* BuildAdvancedPage();
  QWidget* BuildOptionsBox();
  QWidget* BuildInterfacesBox();
  QWidget* BuildPeakHoursBox();
  QWidget* BuildPeriodsBox();
  QLayout* BuildButtonRow();
  void ConnectControls();
  void CentreOnScreen();
  // Takes the chosen entry's Guid when it differs; true when it did.
  bool TakeChosenInterface(QString& interfaceGuid) const;
  void cmbInterfacesChange();
  void bbOkClick();

  AdapterList adapters_;  // what the items of cmbInterfaces stand for
  bool terminating_ = false;

  // General page.
  QTabWidget* pcPages;
  QCheckBox* cbEnableAutorun;
  QCheckBox* cbGraphDisplayOnStartup;
  QCheckBox* cbEnableGridLines;
  QCheckBox* cbAutoCheck;
  QGroupBox* rgTrayIconMode;
  QButtonGroup* rgTrayIconModeItems;  // button id = radio item index
  QLabel* Label1;
  QComboBox* cmbVolumeUnit;
  QGroupBox* rgUnit;
  QButtonGroup* rgUnitItems;  // 0 bytes, 1 bits per second
  QGroupBox* gbInterfaces;
  QComboBox* cmbInterfaces;
  QLabel* lblIfInfo;
  QLabel* ImgNetConn;

  // Graph and colours pages.
  TGraphViewPage* tsView;
  TGraphColoursPage* tsColours;
  TNotificationsPage* tsNotifications;

  // Advanced page.
  QGroupBox* GroupBoxHours;
  QSpinBox* SpinPeakFrom;
  QSpinBox* SpinPeakTo;
  QWidget* HourDisplayHost;  // where the peak-hours strip goes
  THourDisplay* HourDisplay;
  QGroupBox* GroupBox3;
  QComboBox* ComboBoxWeekStarts;
  QComboBox* ComboBoxMonthStarts;

  // Buttons below the pages.
  QPushButton* bbHelp;
  QPushButton* bbOk;
  QPushButton* bbCancel;
  QPushButton* ButtonApply;
};

}  // namespace meterly
