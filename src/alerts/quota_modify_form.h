#pragma once

#include <QDialog>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace meterly {

struct QuotaDefinition;

// The quota setup dialog: period, hours, what counts, unit and the two allowances. Combo
// positions map one to one onto the definition's values; any other position fails the
// consistency check of "QuotaModify".
class TQuotaModifyForm : public QDialog {
  Q_OBJECT

 public:
  explicit TQuotaModifyForm(QWidget* parent = nullptr);

  // Fills the controls from the definition (the hours rule included).
  void LoadFrom(const QuotaDefinition& quota);
  // Writes the controls back; an allowance that is empty or not a 32-bit number becomes 0.
  void SaveTo(QuotaDefinition& quota) const;

  // The hours rule: flat rate hides the off-peak allowance (keeping its text) and names the
  // other one "Allowance".
  void QuotaHoursComboClick();

  // An allowance's text as stored: its value, or 0 when empty or outside the 32-bit range.
  static qint32 AllowanceValue(const QString& text);

  QComboBox* QuotaTypeCombo;
  QComboBox* QuotaHoursCombo;
  QComboBox* QuotaTrafficCombo;
  QComboBox* AllowanceUnitCombo;
  QLabel* OnPeakAllowanceLabel;
  QLineEdit* OnPeakAllowanceEdit;
  QLabel* OffPeakAllowanceLabel;
  QLineEdit* OffPeakAllowanceEdit;
  QFrame* ModalControlFrame;
  QPushButton* OKButton;
  QPushButton* CancelButton;

 private:
  QLineEdit* AllowanceEdit(const char* name);
};

}  // namespace meterly
