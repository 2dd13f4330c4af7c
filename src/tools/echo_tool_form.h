#pragma once

#include "tools/echo_thread.h"
#include "tools/tool_row.h"

#include <QDialog>
#include <QMessageBox>

#include <functional>
#include <memory>
#include <vector>

class QAction;
class QComboBox;
class QHBoxLayout;
class QMenu;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace meterly {

// What tells the ping window from the trace window.
struct EchoToolDesign {
  const char* FormName;
  QString Caption;
  const char* ButtonName;
  QString StartCaption;
  QString StopCaption;
  QStringList Columns;
};

// The common part of the ping and trace route windows: the host box with its history, the
// start/stop button, the result list with its copy commands, and the worker's life.
class TEchoToolForm : public QDialog {
  Q_OBJECT

 public:
  // Shows a message box; tests hand in a recorder.
  using MessageSink = std::function<void(QMessageBox::Icon icon, const QString& title, const QString& text)>;

  ~TEchoToolForm() override;

  void SetHostHistory(const QStringList& hosts);
  QStringList HostHistory() const;
  void SetGridLines(bool shown);
  void SetMessageSink(MessageSink sink) { messages_ = std::move(sink); }

  bool Running() const { return worker_ != nullptr; }
  const std::vector<TToolRow>& Rows() const { return rows_; }
  QPushButton& StartButton() { return *startButton_; }

  // The button: starts a run, or stops the one going on.
  void StartButtonClick();

  // Stops a running worker: the wait window shows until it has finished; no end message follows.
  void Stop();

  QComboBox* cmbHostName;
  QTableWidget* ListView;
  QProgressBar* Animate;
  QMenu* PopupMenu;
  QAction* ActionCopyLine;
  QAction* ActionCopyAll;

 protected:
  explicit TEchoToolForm(const EchoToolDesign& design, QWidget* parent = nullptr);

  // The row under the host box where each window puts its own settings.
  QHBoxLayout& OptionsRow() { return *optionsRow_; }

  virtual std::unique_ptr<TEchoThread> CreateWorker(const QString& host) = 0;

  // Closing the window, by any way, stops its worker first.
  void done(int result) override;

 private:
  void ShowRow(int run, const TToolRow& row);
  void EndHandler(int run);
  void RunningState();
  void IdleState();
  void UpdateCopyActions();
  void CopyLineExecute();
  void CopyAllExecute();

  EchoToolDesign design_;
  QPushButton* startButton_;
  QHBoxLayout* optionsRow_;
  std::unique_ptr<TEchoThread> worker_;
  int run_ = 0;  // rows and end signals of an earlier run are passed over
  bool stopping_ = false;
  std::vector<TToolRow> rows_;
  MessageSink messages_;
};

}  // namespace meterly
