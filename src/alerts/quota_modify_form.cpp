#include "alerts/quota_modify_form.h"

#include "base/assertion.h"
#include "core/quota_definition.h"

#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValidator>

#include <limits>

namespace meterly {

namespace {

// Digits only, and never a number the quota cannot hold.
class AllowanceValidator : public QValidator {
 public:
  using QValidator::QValidator;

  State validate(QString& input, int& /*pos*/) const override {
    if (input.isEmpty()) return Intermediate;
    for (const QChar c : input) {
      if (c < u'0' || c > u'9') return Invalid;
    }
    bool ok = false;
    const qlonglong value = input.toLongLong(&ok);
    return ok && value <= std::numeric_limits<qint32>::max() ? Acceptable : Invalid;
  }
};

QComboBox* Combo(const char* name, const QStringList& items) {
  auto* combo = new QComboBox;
  combo->setObjectName(QLatin1String(name));
  combo->addItems(items);
  return combo;
}

quint8 Position(const QComboBox* combo, int count) {
  const int index = combo->currentIndex();
  METERLY_ASSERT(index >= 0 && index < count, "QuotaModify", "Quota combo position out of range");
  return static_cast<quint8>(index);
}

void Select(QComboBox* combo, quint8 value) {
  METERLY_ASSERT(value < combo->count(), "QuotaModify", "Quota value out of range");
  combo->setCurrentIndex(value);
}

}  // namespace

TQuotaModifyForm::TQuotaModifyForm(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("QuotaModifyForm"));
  setWindowTitle(tr("设置配额"));
  QuotaTypeCombo = Combo("QuotaTypeCombo", {tr("每日"), tr("每周"), tr("每月")});
  QuotaHoursCombo = Combo("QuotaHoursCombo", {tr("统一收费率"), tr("开/关-最大值")});
  QuotaTrafficCombo = Combo("QuotaTrafficCombo", {tr("总共"), tr("只下载"), tr("只上传")});
  AllowanceUnitCombo = Combo("AllowanceUnitCombo", {QStringLiteral("KB"), QStringLiteral("MB"), QStringLiteral("GB")});
  OnPeakAllowanceEdit = AllowanceEdit("OnPeakAllowanceEdit");
  OffPeakAllowanceEdit = AllowanceEdit("OffPeakAllowanceEdit");
  OnPeakAllowanceLabel = new QLabel;
  OnPeakAllowanceLabel->setBuddy(OnPeakAllowanceEdit);
  OffPeakAllowanceLabel = new QLabel(tr("Off-peak allowance"));
  OffPeakAllowanceLabel->setBuddy(OffPeakAllowanceEdit);

  auto* form = new QFormLayout;
  form->addRow(tr("周期:"), QuotaTypeCombo);
  form->addRow(tr("时段:"), QuotaHoursCombo);
  form->addRow(tr("通信量:"), QuotaTrafficCombo);
  form->addRow(tr("单位:"), AllowanceUnitCombo);
  form->addRow(OnPeakAllowanceLabel, OnPeakAllowanceEdit);
  form->addRow(OffPeakAllowanceLabel, OffPeakAllowanceEdit);

  ModalControlFrame = new QFrame;
  ModalControlFrame->setObjectName(QStringLiteral("ModalControlFrame"));
  OKButton = new QPushButton(tr("确定"), ModalControlFrame);
  OKButton->setObjectName(QStringLiteral("OKButton"));
  OKButton->setDefault(true);
  CancelButton = new QPushButton(tr("取消"), ModalControlFrame);
  CancelButton->setObjectName(QStringLiteral("CancelButton"));
  auto* buttons = new QHBoxLayout(ModalControlFrame);
  buttons->setContentsMargins(0, 0, 0, 0);
  buttons->addStretch(1);
  buttons->addWidget(OKButton);
  buttons->addWidget(CancelButton);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(ModalControlFrame);

  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
  connect(QuotaHoursCombo, &QComboBox::activated, this, &TQuotaModifyForm::QuotaHoursComboClick);
  QuotaHoursComboClick();
}

QLineEdit* TQuotaModifyForm::AllowanceEdit(const char* name) {
  auto* edit = new QLineEdit;
  edit->setObjectName(QLatin1String(name));
  edit->setValidator(new AllowanceValidator(edit));
  return edit;
}

void TQuotaModifyForm::QuotaHoursComboClick() {
  const bool flatRate = QuotaHoursCombo->currentIndex() == 0;
  OffPeakAllowanceEdit->setVisible(!flatRate);
  OffPeakAllowanceLabel->setVisible(!flatRate);
  OnPeakAllowanceLabel->setText(flatRate ? tr("Allowance") : tr("On-peak allowance"));
}

void TQuotaModifyForm::LoadFrom(const QuotaDefinition& quota) {
  Select(QuotaTypeCombo, quota.QuotaType);
  Select(QuotaHoursCombo, quota.QuotaHours);
  QuotaHoursComboClick();
  Select(QuotaTrafficCombo, quota.QuotaTraffic);
  Select(AllowanceUnitCombo, quota.QuotaUnit);
  OnPeakAllowanceEdit->setText(QString::number(quota.OnPeakAllowance));
  OffPeakAllowanceEdit->setText(QString::number(quota.OffPeakAllowance));
}

void TQuotaModifyForm::SaveTo(QuotaDefinition& quota) const {
  // Every position is checked before anything is written.
  const quint8 type = Position(QuotaTypeCombo, 3);
  const quint8 hours = Position(QuotaHoursCombo, 2);
  const quint8 traffic = Position(QuotaTrafficCombo, 3);
  const quint8 unit = Position(AllowanceUnitCombo, 3);
  quota.QuotaType = type;
  quota.QuotaHours = hours;
  quota.QuotaTraffic = traffic;
  quota.QuotaUnit = unit;
  quota.OnPeakAllowance = AllowanceValue(OnPeakAllowanceEdit->text());
  quota.OffPeakAllowance = AllowanceValue(OffPeakAllowanceEdit->text());
}

qint32 TQuotaModifyForm::AllowanceValue(const QString& text) {
  bool ok = false;
  const qint32 value = text.toInt(&ok);
  return ok && value >= 0 ? value : 0;
}

}  // namespace meterly
