#include "display/speed_meter_form.h"

#include "display/led_label.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFrame>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLayout>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <utility>

namespace meterly {
namespace {

const char* const kRowCaptions[smRowCount] = {QT_TRANSLATE_NOOP("meterly::TSpeedMeterForm", "Average Transfer Rate"),
                                              QT_TRANSLATE_NOOP("meterly::TSpeedMeterForm", "Maximum Transfer Rate"),
                                              QT_TRANSLATE_NOOP("meterly::TSpeedMeterForm", "Total Data Transferred")};
constexpr QSize kLedPanelSize(232, 64);
constexpr int kValueColumnWidth = 100;

QIcon StandardIcon(QStyle::StandardPixmap image) { return QApplication::style()->standardIcon(image); }

QToolButton* AddButton(QLayout& bar, const char* name, const QString& hint, QStyle::StandardPixmap image) {
  auto* button = new QToolButton;
  button->setObjectName(QLatin1String(name));
  button->setToolTip(hint);
  button->setIcon(StandardIcon(image));
  button->setAutoRaise(true);
  bar.addWidget(button);
  return button;
}

}  // namespace

TSpeedMeterForm::TSpeedMeterForm(const Settings& settings, const TAdapterEntry* source, SpeedMeterExport exporter,
                                 QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint | Qt::WindowTitleHint),
      askSaveFileName(AskTextFileName),
      settings_(settings),
      exporter_(std::move(exporter)) {
  setObjectName(QStringLiteral("SpeedMeterForm"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(tr("网速测试 (%1)").arg(source != nullptr ? source->Description : tr("Not Available")));
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  CreateToolBar(*layout);
  CreateLedLabel(*layout);
  CreateListView(*layout);
  meter_.Reset();
  ShowRunningState();
}

TSpeedMeterForm::~TSpeedMeterForm() = default;

void TSpeedMeterForm::CreateToolBar(QVBoxLayout& layout) {
  auto* bar = new QHBoxLayout;
  bar->setSpacing(2);
  tbStart = AddButton(*bar, "tbStart", QString(), QStyle::SP_MediaPlay);
  tbReset = AddButton(*bar, "tbReset", tr("Reset"), QStyle::SP_BrowserReload);
  tbCopy = AddButton(*bar, "tbCopy", tr("Copy"), QStyle::SP_FileDialogContentsView);
  tbSave = AddButton(*bar, "tbSave", tr("Save"), QStyle::SP_DialogSaveButton);
  tbHelp = AddButton(*bar, "tbHelp", tr("Help"), QStyle::SP_DialogHelpButton);
  bar->addStretch();
  layout.addLayout(bar);
  connect(tbStart, &QToolButton::clicked, this, &TSpeedMeterForm::tbStartClick);
  connect(tbReset, &QToolButton::clicked, this, &TSpeedMeterForm::tbResetClick);
  connect(tbCopy, &QToolButton::clicked, this, [this] { ExportData(false); });
  connect(tbSave, &QToolButton::clicked, this, [this] { ExportData(true); });
  connect(tbHelp, &QToolButton::clicked, this, &TSpeedMeterForm::helpRequested);
}

void TSpeedMeterForm::CreateLedLabel(QVBoxLayout& layout) {
  LedPanel = new QFrame;
  LedPanel->setObjectName(QStringLiteral("LedPanel"));
  LedPanel->setFrameShape(QFrame::StyledPanel);
  LedPanel->setFrameShadow(QFrame::Sunken);
  LedPanel->setFixedSize(kLedPanelSize);
  auto* panelLayout = new QVBoxLayout(LedPanel);
  panelLayout->setContentsMargins(2, 2, 2, 2);
  LedLabel = new TCLEDLabel;
  LedLabel->setObjectName(QStringLiteral("LedLabel"));
  LedLabel->SetBorderGap(2);
  LedLabel->SetVertMargine(10);
  LedLabel->SetSegmentBorderColor(0x00FFFF);
  LedLabel->SetSegmentThickness(1);
  LedLabel->SetNumChars(8);
  LedLabel->SetOffColor(0x000000);
  LedLabel->SetText(QStringLiteral("00-00-00"));
  panelLayout->addWidget(LedLabel);
  layout.addWidget(LedPanel);
}

void TSpeedMeterForm::CreateListView(QVBoxLayout& layout) {
  ListView = new QTreeWidget;
  ListView->setObjectName(QStringLiteral("ListView"));
  ListView->setRootIsDecorated(false);
  ListView->setSelectionMode(QAbstractItemView::NoSelection);
  ListView->setFocusPolicy(Qt::NoFocus);
  ListView->setHeaderLabels({QString(), tr("接收"), tr("传出")});
  ListView->header()->setSectionsMovable(false);
  ListView->header()->setStretchLastSection(false);
  for (int row = 0; row < smRowCount; ++row) {
    auto* item = new QTreeWidgetItem(ListView, {tr(kRowCaptions[row]), QString(), QString()});
    item->setIcon(0, StandardIcon(row == smTotal ? QStyle::SP_DriveHDIcon : QStyle::SP_MediaSeekForward));
  }
  ListView->resizeColumnToContents(0);
  ListView->header()->resizeSection(1, kValueColumnWidth);
  ListView->header()->resizeSection(2, kValueColumnWidth);
  ListView->setFixedSize(
      ListView->header()->length() + 2 * ListView->frameWidth(),
      ListView->sizeHintForRow(0) * smRowCount + ListView->header()->sizeHint().height() + 2 * ListView->frameWidth());
  layout.addWidget(ListView);
}

void TSpeedMeterForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (centred_) return;
  centred_ = true;
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
}

void TSpeedMeterForm::SpeedMeterStep(quint64 in, quint64 out) {
  if (!meter_.Running()) return;
  meter_.Step(in, out);
  ShowCounts();
}

void TSpeedMeterForm::tbStartClick() {
  meter_.SetRunning(!meter_.Running());
  ShowRunningState();
}

void TSpeedMeterForm::ShowRunningState() {
  const bool running = meter_.Running();
  tbStart->setIcon(StandardIcon(running ? QStyle::SP_MediaStop : QStyle::SP_MediaPlay));
  tbStart->setToolTip(running ? tr("Stop") : tr("Start"));
}

void TSpeedMeterForm::tbResetClick() {
  meter_.Reset();
  ShowCounts();
}

void TSpeedMeterForm::ShowCounts() {
  LedLabel->SetText(meter_.ElapsedText());
  const SpeedMeterTable texts = SpeedMeterTexts(meter_, settings_);
  for (int row = 0; row < smRowCount; ++row) {
    QTreeWidgetItem* item = ListView->topLevelItem(row);
    item->setText(1, texts[static_cast<size_t>(row)].In);
    item->setText(2, texts[static_cast<size_t>(row)].Out);
  }
}

void TSpeedMeterForm::ExportData(bool toFile) {
  const QString text = exporter_.TableText(*ListView->model());
  if (!toFile) {
    QGuiApplication::clipboard()->setText(text);
    return;
  }
  const QString fileName = askSaveFileName(this);
  if (fileName.isEmpty()) return;
  try {
    exporter_.SaveText(fileName, text);
  } catch (const std::exception& error) {
    QMessageBox::critical(this, QString(), QString::fromUtf8(error.what()));
  }
}

QString AskTextFileName(QWidget* owner) {
  QFileDialog dialog(owner);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilter(TSpeedMeterForm::tr("文本文件 (*.txt)"));
  dialog.setDefaultSuffix(QStringLiteral("txt"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().front();
}

}  // namespace meterly
