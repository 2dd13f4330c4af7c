#include "alerts/quota_form.h"

#include "alerts/quota.h"
#include "alerts/quota_gauge_delegate.h"
#include "alerts/quota_modify_form.h"
#include "alerts/quota_report.h"
#include "core/settings.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <array>

namespace meterly {

namespace {

constexpr int kImageSize = 24;
constexpr std::array<int, 3> kColumnWidths = {150, 220, 100};

// The report's small images: period, use, suggestion.
QIcon ReportImage(int image) {
  static constexpr std::array<QStyle::StandardPixmap, 3> kPixmaps = {
      QStyle::SP_FileDialogDetailedView, QStyle::SP_DriveNetIcon, QStyle::SP_MessageBoxInformation};
  return QApplication::style()->standardIcon(kPixmaps.at(static_cast<size_t>(image)));
}

}  // namespace

TQuotaForm::TQuotaForm(TQuotaSetup& quota, Settings& settings, QWidget* parent)
    : QDialog(parent), quota_(quota), settings_(settings) {
  setObjectName(QStringLiteral("QuotaForm"));
  setWindowTitle(tr("我的配额"));
  BuildControls();
  FormCreate();
}

void TQuotaForm::BuildControls() {
  ImageIcon = new QLabel;
  ImageIcon->setObjectName(QStringLiteral("ImageIcon"));
  ImageIcon->setPixmap(style()->standardIcon(QStyle::SP_DriveNetIcon).pixmap(32, 32));
  QuotaInfoGroupBox = new QGroupBox(tr("配额"));
  QuotaInfoGroupBox->setObjectName(QStringLiteral("QuotaInfoGroupBox"));
  QuotaInfoLabel = new QLabel;
  QuotaInfoLabel->setObjectName(QStringLiteral("QuotaInfoLabel"));
  QuotaInfoLabel->setWordWrap(true);
  QFont bold = QuotaInfoLabel->font();
  bold.setBold(true);
  QuotaInfoLabel->setFont(bold);
  SetupButton = new QPushButton(tr("设置(&S)..."));
  SetupButton->setObjectName(QStringLiteral("SetupButton"));
  auto* info = new QHBoxLayout(QuotaInfoGroupBox);
  info->addWidget(QuotaInfoLabel, 1);
  info->addWidget(SetupButton, 0, Qt::AlignTop);

  QuotaReport = new QTreeWidget;
  QuotaReport->setObjectName(QStringLiteral("QuotaReport"));
  QuotaReport->setColumnCount(static_cast<int>(kColumnWidths.size()));
  QuotaReport->setHeaderHidden(true);
  QuotaReport->setRootIsDecorated(false);
  QuotaReport->setSelectionBehavior(QAbstractItemView::SelectRows);
  QuotaReport->setEditTriggers(QAbstractItemView::NoEditTriggers);
  QuotaReport->setIconSize(QSize(kImageSize, kImageSize));
  for (size_t column = 0; column < kColumnWidths.size(); ++column) {
    QuotaReport->setColumnWidth(static_cast<int>(column), kColumnWidths[column]);
  }
  QuotaReport->setItemDelegateForColumn(GaugeColumn, new TQuotaGaugeDelegate(QuotaReport));
  QuotaReport->setMinimumWidth(kColumnWidths[0] + kColumnWidths[1] + kColumnWidths[2] + 8);

  EnableMessageWhenQuotaUsedUp = new QCheckBox(tr("配额用到以下百分比时显示消息:"));
  EnableMessageWhenQuotaUsedUp->setObjectName(QStringLiteral("EnableMessageWhenQuotaUsedUp"));
  QuotaUsedUpPercent = new QSpinBox;
  QuotaUsedUpPercent->setObjectName(QStringLiteral("QuotaUsedUpPercent"));
  QuotaUsedUpPercent->setSuffix(QStringLiteral(" %"));
  CloseButton = new QPushButton(tr("关闭"));
  CloseButton->setObjectName(QStringLiteral("CloseButton"));
  CloseButton->setDefault(true);

  auto* top = new QHBoxLayout;
  top->addWidget(ImageIcon, 0, Qt::AlignTop);
  top->addWidget(QuotaInfoGroupBox, 1);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(EnableMessageWhenQuotaUsedUp);
  bottom->addWidget(QuotaUsedUpPercent);
  bottom->addStretch(1);
  bottom->addWidget(CloseButton);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(QuotaReport, 1);
  layout->addLayout(bottom);

  // Cancel (Escape) and the button both close with OK: nothing here is undone by closing.
  connect(CloseButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(SetupButton, &QPushButton::clicked, this, &TQuotaForm::SetupButtonClick);
}

void TQuotaForm::FormCreate() {
  QuotaUsedUpPercent->setRange(LowestPercent, HighestPercent);
  EnableMessageWhenQuotaUsedUp->setChecked(settings_.EnableQuotaOveruseMessage);
  QuotaUsedUpPercent->setValue(settings_.QuotaOverusePercentage);
  QuotaInfoLabel->setText(quota_.GetSummary());
  FillReport();
}

void TQuotaForm::FillReport() {
  const meterly::QuotaReport report = BuildQuotaReport(quota_, settings_);
  QuotaReport->clear();
  for (const QuotaReportRow& row : report.Rows) {
    auto* item = new QTreeWidgetItem(QuotaReport, {row.Caption, row.Value, QString()});
    item->setIcon(0, ReportImage(row.Image));
    if (row.Gauge >= 0) {
      item->setData(GaugeColumn, TQuotaGaugeDelegate::GaugeRole, report.GaugePercent[row.Gauge]);
    }
  }
}

void TQuotaForm::SetupButtonClick() {
  TQuotaModifyForm setup(this);
  setup.LoadFrom(quota_.Definition());
  if (setup.exec() != QDialog::Accepted) return;
  setup.SaveTo(quota_.Definition());
  QuotaInfoLabel->setText(quota_.GetSummary());
  FillReport();
}

void TQuotaForm::done(int /*result*/) {
  CopyOveruseSwitch();
  QDialog::done(QDialog::Accepted);
}

void TQuotaForm::CopyOveruseSwitch() {
  settings_.EnableQuotaOveruseMessage = EnableMessageWhenQuotaUsedUp->isChecked();
  settings_.QuotaOverusePercentage = static_cast<qint16>(QuotaUsedUpPercent->value());
}

}  // namespace meterly
