#pragma once

#include "platform/name_lookup.h"
#include "platform/processes.h"
#include "platform/socket_table.h"
#include "tools/list_export.h"
#include "tools/net_stat_rows.h"
#include "tools/net_stat_sort.h"

#include <QDialog>
#include <QHash>
#include <QIcon>
#include <QMessageBox>

#include <functional>
#include <optional>
#include <vector>

class QAction;
class QCheckBox;
class QMenu;
class QTableWidget;
class QTimer;
class QToolButton;

namespace meterly {

class TNetStatResolver;

// "网络统计": the machine's TCP and UDP sockets with the programs that hold them. Refreshed on
// request, on activation, on each click of a check box and, with auto refresh, every five
// seconds; sorted by any column; the owning program of a row can be ended; the list can be
// copied or saved.
class TNetStatForm : public QDialog {
  Q_OBJECT

 public:
  // Shows a message box; tests hand in a recorder.
  using MessageSink = std::function<void(QMessageBox::Icon icon, const QString& title, const QString& text)>;
  // Asks for the file to save to: its name and the number of the chosen filter; nullopt when
  // the user cancels. Tests hand in their answer.
  using SaveChooser = std::function<std::optional<std::pair<QString, int>>(QWidget* owner, const QString& filter)>;

  static constexpr int kAutoRefreshMs = 5000;

  TNetStatForm(platform::SocketTable& sockets, platform::ProcessService& processes, platform::NameLookup& names,
               ListExport listExport, QWidget* parent = nullptr);
  ~TNetStatForm() override;

  void SetGridLines(bool shown);
  void SetMessageSink(MessageSink sink) { messages_ = std::move(sink); }
  void SetSaveChooser(SaveChooser chooser) { chooseFile_ = std::move(chooser); }

  // Rebuilds the list now. Never runs inside itself: a call during a refresh becomes one more
  // refresh after it.
  void Refresh();
  // Asks for a refresh: every request made before it starts is served by that one refresh.
  void RequestRefresh();

  const std::vector<TNetStatRow>& Rows() const { return rows_; }
  const TNetStatSort& Sort() const { return sort_; }
  int Refreshes() const { return refreshes_; }
  TNetStatResolver& Resolver() { return *resolver_; }

  // A click on a column header.
  void ColumnClick(int column);
  // Opens the popup menu for the row selected now; its commands act on that row even when
  // the list is refreshed meanwhile.
  void PopupMenuOpen(const QPoint& at);

  QTableWidget* ListView;
  QCheckBox* cbResolveAddresses;
  QCheckBox* cbOnlyEstablished;
  QCheckBox* cbAutoRefresh;
  QToolButton* ToolButtonRefresh;
  QToolButton* ToolButtonCopyAll;
  QToolButton* ToolButtonSave;
  QMenu* PopupMenu;
  QTimer* Timer;
  QAction* ActionRefresh;
  QAction* ActionTerminateApplication;
  QAction* ActionCopyRow;
  QAction* ActionCopyAll;
  QAction* ActionSave;

 protected:
  bool event(QEvent* event) override;

 private:
  void CreateActions();
  QLayout* CreateToolBar();
  void CreateListView();
  TNetStatOptions Options() const;
  // Fills the list from rows_, selecting the row of `keep` when it is still there.
  void ShowRows(const std::optional<TNetStatRow>& keep);
  void ShowRow(int at, const TNetStatRow& row);
  QIcon ProgramIcon(const TNetStatRow& row);
  void HostResolved(const QByteArray& address, int generation);
  std::optional<TNetStatRow> SelectedRow() const;
  std::optional<TNetStatRow> CommandRow() const;
  void UpdateActions();
  void TimerTimer();
  void ActionTerminateApplicationExecute();
  void ActionCopyRowExecute();
  void ActionCopyAllExecute();
  void ActionSaveExecute();

  platform::SocketTable& sockets_;
  platform::ProcessService& processes_;
  ListExport export_;
  TNetStatResolver* resolver_;
  MessageSink messages_;
  SaveChooser chooseFile_;
  std::vector<TNetStatRow> rows_;
  TNetStatSort sort_;
  int generation_ = 0;
  int refreshes_ = 0;
  bool shownResolved_ = false;  // the rows on show were built with resolving on
  bool refreshing_ = false;
  bool refreshRequested_ = false;
  std::optional<TNetStatRow> menuRow_;  // the row the open popup menu was opened for
  QHash<QString, QIcon> icons_;
};

}  // namespace meterly
