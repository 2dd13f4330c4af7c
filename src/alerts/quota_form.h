#pragma once

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTreeWidget;

namespace meterly {

struct Settings;
class TQuotaSetup;

// The quota window: the quota's summary with its setup button, the report of the current period
// with its gauges, and the overuse message's switch and threshold. It edits the one quota of
// the program directly; closing it copies the message's switch and threshold into the settings,
// before the owner saves them.
class TQuotaForm : public QDialog {
  Q_OBJECT

 public:
  static constexpr int LowestPercent = 10;
  static constexpr int HighestPercent = 100;
  static constexpr int GaugeColumn = 2;

  TQuotaForm(TQuotaSetup& quota, Settings& settings, QWidget* parent = nullptr);

  // Fills the report from the current figures.
  void FillReport();
  // Opens the setup dialog; an accepted setup is written to the quota and shown at once.
  void SetupButtonClick();

  void done(int result) override;

  QLabel* ImageIcon;
  QGroupBox* QuotaInfoGroupBox;
  QLabel* QuotaInfoLabel;
  QPushButton* SetupButton;
  QTreeWidget* QuotaReport;
  QCheckBox* EnableMessageWhenQuotaUsedUp;
  QSpinBox* QuotaUsedUpPercent;
  QPushButton* CloseButton;

 private:
  void BuildControls();
  void FormCreate();
  void CopyOveruseSwitch();

  TQuotaSetup& quota_;
  Settings& settings_;
};

}  // namespace meterly
