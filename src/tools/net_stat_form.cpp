#include "tools/net_stat_form.h"

#include "base/exception_message.h"
#include "tools/net_stat_resolver.h"
#include "tools/tool_row.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QDateTime>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLocale>
#include <QMenu>
#include <QScopeGuard>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace meterly {
namespace {

constexpr int kRemoteColumn = 3;

void ShowMessageBox(QMessageBox::Icon icon, const QString& title, const QString& text) {
  QMessageBox box(icon, title, text, QMessageBox::Ok);
  box.exec();
}

// A save dialog over "description|pattern" pairs; the default extension follows the chosen pair.
std::optional<std::pair<QString, int>> ChooseSaveFile(QWidget* owner, const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList names;
  QStringList suffixes;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    names << parts[i];
    suffixes << QFileInfo(parts[i + 1]).suffix();
  }
  QFileDialog dialog(owner, QString(), QString(), names.join(QStringLiteral(";;")));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(suffixes.value(0));
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                   [&](const QString& name) { dialog.setDefaultSuffix(suffixes.value(names.indexOf(name))); });
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return std::make_pair(dialog.selectedFiles().front(),
                        static_cast<int>(names.indexOf(dialog.selectedNameFilter())) + 1);
}

bool SameSocket(const platform::SocketRow& a, const platform::SocketRow& b) {
  return a.protocol == b.protocol && a.local == b.local && a.remote == b.remote;
}

QAction* NewAction(const char* name, const QString& caption, QObject* parent) {
  auto* action = new QAction(caption, parent);
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

QToolButton* NewToolButton(const char* name, QAction* action, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setDefaultAction(action);
  button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  return button;
}

QCheckBox* NewCheckBox(const char* name, const QString& caption, QWidget* parent) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(QString::fromLatin1(name));
  return box;
}

}  // namespace

TNetStatForm::TNetStatForm(platform::SocketTable& sockets, platform::ProcessService& processes,
                           platform::NameLookup& names, ListExport listExport, QWidget* parent)
    : QDialog(parent),
      sockets_(sockets),
      processes_(processes),
      export_(std::move(listExport)),
      resolver_(new TNetStatResolver(names, this)),
      messages_(ShowMessageBox),
      chooseFile_(ChooseSaveFile) {
  setObjectName(QStringLiteral("NetStatForm"));
  setWindowTitle(tr("网络统计"));
  setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
  setSizeGripEnabled(true);
  resize(720, 420);

  CreateActions();
  CreateListView();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(CreateToolBar());
  layout->addWidget(ListView);

  Timer = new QTimer(this);
  Timer->setObjectName(QStringLiteral("Timer"));
  Timer->setInterval(kAutoRefreshMs);
  connect(Timer, &QTimer::timeout, this, &TNetStatForm::TimerTimer);
  connect(resolver_, &TNetStatResolver::resolved, this, &TNetStatForm::HostResolved);
  UpdateActions();
}

TNetStatForm::~TNetStatForm() = default;

void TNetStatForm::CreateActions() {
  ActionRefresh = NewAction("ActionRefresh", tr("刷新(&R)"), this);
  ActionRefresh->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
  ActionRefresh->setShortcut(QKeySequence::Refresh);
  connect(ActionRefresh, &QAction::triggered, this, &TNetStatForm::RequestRefresh);
  ActionTerminateApplication = NewAction("ActionTerminateApplication", tr("结束程序(&T)"), this);
  connect(ActionTerminateApplication, &QAction::triggered, this, &TNetStatForm::ActionTerminateApplicationExecute);
  ActionCopyRow = NewAction("ActionCopyRow", tr("复制行(&L)"), this);
  connect(ActionCopyRow, &QAction::triggered, this, &TNetStatForm::ActionCopyRowExecute);
  ActionCopyAll = NewAction("ActionCopyAll", tr("全部复制(&A)"), this);
  connect(ActionCopyAll, &QAction::triggered, this, &TNetStatForm::ActionCopyAllExecute);
  ActionSave = NewAction("ActionSave", tr("保存(&S)..."), this);
  ActionSave->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
  connect(ActionSave, &QAction::triggered, this, &TNetStatForm::ActionSaveExecute);

  PopupMenu = new QMenu(this);
  PopupMenu->setObjectName(QStringLiteral("PopupMenu"));
  PopupMenu->addAction(ActionTerminateApplication);
  PopupMenu->addAction(ActionCopyRow);
  // The menu's commands run before this, so the row they act on is let go only afterwards.
  connect(PopupMenu, &QMenu::aboutToHide, this, [this] {
    QMetaObject::invokeMethod(
        this,
        [this] {
          menuRow_.reset();
          UpdateActions();
        },
        Qt::QueuedConnection);
  });
}

QLayout* TNetStatForm::CreateToolBar() {
  ToolButtonRefresh = NewToolButton("ToolButtonRefresh", ActionRefresh, this);
  ToolButtonCopyAll = NewToolButton("ToolButtonCopyAll", ActionCopyAll, this);
  ToolButtonSave = NewToolButton("ToolButtonSave", ActionSave, this);
  cbResolveAddresses = NewCheckBox("cbResolveAddresses", tr("解析地址"), this);
  cbOnlyEstablished = NewCheckBox("cbOnlyEstablished", tr("仅显示已建立的连接"), this);
  cbAutoRefresh = NewCheckBox("cbAutoRefresh", tr("自动刷新"), this);
  for (QCheckBox* box : {cbResolveAddresses, cbOnlyEstablished, cbAutoRefresh}) {
    connect(box, &QCheckBox::clicked, this, &TNetStatForm::RequestRefresh);
  }
  connect(cbAutoRefresh, &QCheckBox::toggled, this, [this](bool on) { on ? Timer->start() : Timer->stop(); });

  auto* bar = new QHBoxLayout;
  for (QWidget* widget : std::initializer_list<QWidget*>{ToolButtonRefresh, ToolButtonCopyAll, ToolButtonSave,
                                                         cbResolveAddresses, cbOnlyEstablished, cbAutoRefresh}) {
    bar->addWidget(widget);
  }
  bar->addStretch();
  return bar;
}

void TNetStatForm::CreateListView() {
  const QStringList columns = NetStatColumns();
  ListView = new QTableWidget(0, static_cast<int>(columns.size()), this);
  ListView->setObjectName(QStringLiteral("ListView"));
  ListView->setHorizontalHeaderLabels(columns);
  ListView->verticalHeader()->hide();
  ListView->horizontalHeader()->setStretchLastSection(true);
  ListView->horizontalHeader()->setSectionsClickable(true);
  ListView->horizontalHeader()->setSortIndicatorShown(true);
  ListView->setColumnWidth(0, 140);
  ListView->setColumnWidth(1, 50);
  ListView->setColumnWidth(2, 180);
  ListView->setColumnWidth(3, 200);
  ListView->setEditTriggers(QAbstractItemView::NoEditTriggers);
  ListView->setSelectionBehavior(QAbstractItemView::SelectRows);
  ListView->setSelectionMode(QAbstractItemView::SingleSelection);
  ListView->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(ListView, &QWidget::customContextMenuRequested, this, &TNetStatForm::PopupMenuOpen);
  connect(ListView, &QTableWidget::itemSelectionChanged, this, &TNetStatForm::UpdateActions);
  connect(ListView->horizontalHeader(), &QHeaderView::sectionClicked, this, &TNetStatForm::ColumnClick);
}

void TNetStatForm::SetGridLines(bool shown) { ListView->setShowGrid(shown); }

TNetStatOptions TNetStatForm::Options() const {
  return {cbResolveAddresses->isChecked(), cbOnlyEstablished->isChecked()};
}

bool TNetStatForm::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) RequestRefresh();
  return QDialog::event(event);
}

void TNetStatForm::RequestRefresh() {
  if (refreshRequested_) return;
  refreshRequested_ = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        refreshRequested_ = false;
        Refresh();
      },
      Qt::QueuedConnection);
}

void TNetStatForm::Refresh() {
  if (refreshing_) {
    RequestRefresh();
    return;
  }
  refreshing_ = true;
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  const auto done = qScopeGuard([this] {
    QGuiApplication::restoreOverrideCursor();
    refreshing_ = false;
  });
  const TNetStatOptions options = Options();
  const std::optional<TNetStatRow> selected = SelectedRow();
  resolver_->BeginGeneration(++generation_);
  rows_ = BuildNetStatRows(sockets_.Sockets(), processes_, options, *resolver_);
  shownResolved_ = options.ResolveAddresses;
  SortNetStatRows(rows_, sort_, shownResolved_);
  ShowRows(selected);
  ++refreshes_;
}

void TNetStatForm::TimerTimer() {
  if (cbAutoRefresh->isChecked()) RequestRefresh();
}

void TNetStatForm::ColumnClick(int column) {
  const std::optional<TNetStatRow> selected = SelectedRow();
  sort_.Click(column);
  SortNetStatRows(rows_, sort_, shownResolved_);
  ShowRows(selected);
}

void TNetStatForm::ShowRows(const std::optional<TNetStatRow>& keep) {
  ListView->setUpdatesEnabled(false);
  {
    const QSignalBlocker quiet(ListView);
    ListView->clearContents();
    ListView->setRowCount(static_cast<int>(rows_.size()));
    int reselect = -1;
    for (int at = 0; at < static_cast<int>(rows_.size()); ++at) {
      const TNetStatRow& row = rows_[static_cast<size_t>(at)];
      ShowRow(at, row);
      if (keep && SameSocket(keep->Socket, row.Socket)) reselect = at;
    }
    ListView->clearSelection();
    if (reselect >= 0) ListView->selectRow(reselect);
    ListView->horizontalHeader()->setSortIndicator(sort_.Column,
                                                   sort_.Ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
  }
  ListView->setUpdatesEnabled(true);
  UpdateActions();
}

void TNetStatForm::ShowRow(int at, const TNetStatRow& row) {
  ListView->setItem(at, 0, new QTableWidgetItem(ProgramIcon(row), row.Caption));
  const QStringList cells = row.Cells();
  for (int cell = 0; cell < cells.size(); ++cell) ListView->setItem(at, cell + 1, new QTableWidgetItem(cells[cell]));
}

// The icon theme's icon of the program, a generic program icon when it has none, and a folder
// for the sockets whose program cannot be seen.
QIcon TNetStatForm::ProgramIcon(const TNetStatRow& row) {
  const QString key = row.Process.pid > 0 ? row.Caption : QString();
  auto found = icons_.constFind(key);
  if (found != icons_.constEnd()) return *found;
  QIcon icon = style()->standardIcon(QStyle::SP_DirIcon);
  if (!key.isEmpty()) {
    icon = QIcon::fromTheme(key.toLower(), QIcon::fromTheme(QStringLiteral("application-x-executable"),
                                                            style()->standardIcon(QStyle::SP_FileIcon)));
  }
  return *icons_.insert(key, icon);
}

void TNetStatForm::HostResolved(const QByteArray& address, int generation) {
  if (generation != generation_ || !shownResolved_) return;
  for (int at = 0; at < static_cast<int>(rows_.size()); ++at) {
    TNetStatRow& row = rows_[static_cast<size_t>(at)];
    if (row.Socket.protocol != platform::SocketProtocol::Tcp || row.Socket.remote.address != address) continue;
    row.RemoteAddress = RemoteAddressText(row.Socket, true, *resolver_);
    if (QTableWidgetItem* item = ListView->item(at, kRemoteColumn)) item->setText(row.RemoteAddress);
  }
}

std::optional<TNetStatRow> TNetStatForm::SelectedRow() const {
  const QList<QTableWidgetItem*> selected = ListView->selectedItems();
  if (selected.isEmpty()) return std::nullopt;
  const int at = selected.front()->row();
  if (at < 0 || at >= static_cast<int>(rows_.size())) return std::nullopt;
  return rows_[static_cast<size_t>(at)];
}

std::optional<TNetStatRow> TNetStatForm::CommandRow() const { return menuRow_ ? menuRow_ : SelectedRow(); }

void TNetStatForm::UpdateActions() {
  const std::optional<TNetStatRow> row = CommandRow();
  ActionCopyRow->setEnabled(row.has_value());
  ActionTerminateApplication->setEnabled(row && row->Terminable);
  ActionCopyAll->setEnabled(!rows_.empty());
  ActionSave->setEnabled(!rows_.empty());
}

void TNetStatForm::PopupMenuOpen(const QPoint& at) {
  menuRow_ = SelectedRow();
  UpdateActions();
  PopupMenu->popup(ListView->viewport()->mapToGlobal(at));
}

void TNetStatForm::ActionTerminateApplicationExecute() {
  const std::optional<TNetStatRow> row = CommandRow();
  if (!row || !row->Terminable) return;
  const QString error = processes_.Terminate(row->Process);
  if (error.isEmpty()) return;
  messages_(QMessageBox::Critical, QString(),
            tr("Unable to end %1 (process %2): %3").arg(row->Caption).arg(row->Process.pid).arg(error));
}

void TNetStatForm::ActionCopyRowExecute() {
  const std::optional<TNetStatRow> row = CommandRow();
  if (!row) return;
  QGuiApplication::clipboard()->setText(RowLineText({row->Caption, row->Cells()}));
}

void TNetStatForm::ActionCopyAllExecute() {
  if (rows_.empty()) return;
  QGuiApplication::clipboard()->setText(export_.Text(*ListView->model()));
}

void TNetStatForm::ActionSaveExecute() {
  if (rows_.empty()) return;
  const auto chosen = chooseFile_(this, export_.Filter);
  if (!chosen) return;
  const QString title = tr("%1 %2 at %3")
                            .arg(QStringLiteral("Meterly"), windowTitle(),
                                 QLocale::system().toString(QDateTime::currentDateTime(), QLocale::ShortFormat));
  try {
    export_.Save(chosen->second, *ListView->model(), chosen->first, title);
  } catch (...) {
    messages_(QMessageBox::Critical, QString(), ExceptionMessage(std::current_exception()));
  }
}

}  // namespace meterly
