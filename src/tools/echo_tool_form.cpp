#include "tools/echo_tool_form.h"

#include "tools/host_history.h"
#include "tools/worker_wait.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

namespace meterly {
namespace {

void ShowMessageBox(QMessageBox::Icon icon, const QString& title, const QString& text) {
  QMessageBox box(icon, title, text, QMessageBox::Ok);
  box.exec();
}

QIcon RowIcon(const QStyle& style, int imageIndex) {
  switch (imageIndex) {
    case RowImage::TraceComplete:
      return style.standardIcon(QStyle::SP_DialogApplyButton);
    case RowImage::Reply:
      return style.standardIcon(QStyle::SP_ComputerIcon);
    default:
      return style.standardIcon(QStyle::SP_MessageBoxCritical);
  }
}

}  // namespace

TEchoToolForm::TEchoToolForm(const EchoToolDesign& design, QWidget* parent)
    : QDialog(parent), design_(design), messages_(ShowMessageBox) {
  setObjectName(QString::fromLatin1(design.FormName));
  setWindowTitle(design.Caption);
  resize(520, 360);

  cmbHostName = new QComboBox(this);
  cmbHostName->setObjectName(QStringLiteral("cmbHostName"));
  cmbHostName->setEditable(true);
  cmbHostName->setInsertPolicy(QComboBox::NoInsert);
  cmbHostName->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  startButton_ = new QPushButton(this);
  startButton_->setObjectName(QString::fromLatin1(design.ButtonName));
  startButton_->setDefault(true);
  connect(startButton_, &QPushButton::clicked, this, &TEchoToolForm::StartButtonClick);
  Animate = new QProgressBar(this);
  Animate->setObjectName(QStringLiteral("Animate"));
  Animate->setRange(0, 0);
  Animate->setTextVisible(false);
  Animate->setMaximumWidth(80);

  auto* hostRow = new QHBoxLayout;
  hostRow->addWidget(new QLabel(tr("主机:"), this));
  hostRow->addWidget(cmbHostName);
  hostRow->addWidget(startButton_);
  optionsRow_ = new QHBoxLayout;
  optionsRow_->addStretch();
  optionsRow_->addWidget(Animate);

  ListView = new QTableWidget(0, static_cast<int>(design.Columns.size()), this);
  ListView->setObjectName(QStringLiteral("ListView"));
  ListView->setHorizontalHeaderLabels(design.Columns);
  ListView->verticalHeader()->hide();
  ListView->horizontalHeader()->setStretchLastSection(true);
  ListView->setEditTriggers(QAbstractItemView::NoEditTriggers);
  ListView->setSelectionBehavior(QAbstractItemView::SelectRows);
  ListView->setSelectionMode(QAbstractItemView::SingleSelection);
  ListView->setContextMenuPolicy(Qt::CustomContextMenu);

  ActionCopyLine = new QAction(tr("复制行(&L)"), this);
  ActionCopyLine->setObjectName(QStringLiteral("ActionCopyLine"));
  connect(ActionCopyLine, &QAction::triggered, this, &TEchoToolForm::CopyLineExecute);
  ActionCopyAll = new QAction(tr("全部复制(&A)"), this);
  ActionCopyAll->setObjectName(QStringLiteral("ActionCopyAll"));
  connect(ActionCopyAll, &QAction::triggered, this, &TEchoToolForm::CopyAllExecute);
  PopupMenu = new QMenu(this);
  PopupMenu->addAction(ActionCopyLine);
  PopupMenu->addAction(ActionCopyAll);
  connect(ListView, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { PopupMenu->popup(ListView->viewport()->mapToGlobal(at)); });
  connect(ListView, &QTableWidget::itemSelectionChanged, this, &TEchoToolForm::UpdateCopyActions);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(hostRow);
  layout->addLayout(optionsRow_);
  layout->addWidget(ListView);
  UpdateCopyActions();
  IdleState();
}

TEchoToolForm::~TEchoToolForm() {
  if (!worker_) return;
  // No wait window here: the worker never waits for this window, so it ends promptly.
  disconnect(worker_.get(), nullptr, this, nullptr);
  worker_->Terminate();
  worker_->wait();
}

void TEchoToolForm::SetHostHistory(const QStringList& hosts) {
  const QString edited = cmbHostName->currentText();
  cmbHostName->clear();
  cmbHostName->addItems(hosts);
  cmbHostName->setCurrentIndex(-1);
  cmbHostName->setEditText(edited);
}

QStringList TEchoToolForm::HostHistory() const {
  QStringList hosts;
  for (int i = 0; i < cmbHostName->count(); ++i) hosts << cmbHostName->itemText(i);
  return hosts;
}

void TEchoToolForm::SetGridLines(bool shown) { ListView->setShowGrid(shown); }

void TEchoToolForm::StartButtonClick() {
  if (worker_) {
    Stop();
    return;
  }
  const QString host = cmbHostName->currentText().trimmed();
  if (host.isEmpty()) {
    messages_(QMessageBox::Information, QStringLiteral("Meterly"), tr("Please enter a host name or address"));
    return;
  }
  SetHostHistory(AddToHostHistory(HostHistory(), host));
  rows_.clear();
  ListView->setRowCount(0);
  UpdateCopyActions();

  const int run = ++run_;
  worker_ = CreateWorker(host);
  connect(worker_.get(), &TEchoThread::rowReady, this, [this, run](const TToolRow& row) { ShowRow(run, row); });
  connect(worker_.get(), &QThread::finished, this, [this, run] { EndHandler(run); });
  worker_->start();
  RunningState();
}

void TEchoToolForm::Stop() {
  if (!worker_ || stopping_) return;
  stopping_ = true;
  disconnect(worker_.get(), &QThread::finished, this, nullptr);
  worker_->Terminate();
  WaitForWorker(*worker_, this);
  worker_.reset();
  stopping_ = false;
  IdleState();
}

void TEchoToolForm::done(int result) {
  Stop();
  QDialog::done(result);
}

void TEchoToolForm::ShowRow(int run, const TToolRow& row) {
  if (run != run_) return;
  const QScrollBar* scroll = ListView->verticalScrollBar();
  const bool atEnd = scroll->value() == scroll->maximum();
  rows_.push_back(row);
  const int at = ListView->rowCount();
  ListView->insertRow(at);
  auto* first = new QTableWidgetItem(RowIcon(*style(), row.ImageIndex), row.Caption);
  ListView->setItem(at, 0, first);
  for (int cell = 0; cell < row.Cells.size() && cell + 1 < ListView->columnCount(); ++cell) {
    ListView->setItem(at, cell + 1, new QTableWidgetItem(row.Cells[cell]));
  }
  if (atEnd) ListView->scrollToBottom();
  UpdateCopyActions();
}

void TEchoToolForm::EndHandler(int run) {
  if (run != run_ || !worker_ || stopping_) return;
  worker_->wait();
  const int returnValue = worker_->ReturnValue();
  worker_.reset();
  IdleState();
  if (returnValue == EchoReturnCode::HostNotResolved) {
    messages_(QMessageBox::Warning, QString(), tr("Unable to resolve the host name"));
  } else if (returnValue == EchoReturnCode::NoHandle) {
    messages_(QMessageBox::Critical, QString(), tr("Unable to create a socket"));
  }
}

void TEchoToolForm::RunningState() {
  startButton_->setText(design_.StopCaption);
  Animate->show();
}

void TEchoToolForm::IdleState() {
  Animate->hide();
  startButton_->setText(design_.StartCaption);
}

void TEchoToolForm::UpdateCopyActions() {
  ActionCopyLine->setEnabled(!ListView->selectedItems().isEmpty());
  ActionCopyAll->setEnabled(ListView->rowCount() > 0);
}

void TEchoToolForm::CopyLineExecute() {
  const QList<QTableWidgetItem*> selected = ListView->selectedItems();
  if (selected.isEmpty()) return;
  const int row = selected.front()->row();
  if (row >= static_cast<int>(rows_.size())) return;
  QGuiApplication::clipboard()->setText(RowLineText(rows_[static_cast<size_t>(row)]));
}

void TEchoToolForm::CopyAllExecute() { QGuiApplication::clipboard()->setText(RowsToText(design_.Columns, rows_)); }

}  // namespace meterly
