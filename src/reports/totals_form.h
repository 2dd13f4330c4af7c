#pragma once

#include "reports/hourly_report.h"
#include "reports/statistics_reports.h"

#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class QAbstractItemModel;
class QAction;
class QActionGroup;
class QDateEdit;
class QFrame;
class QLabel;
class QMenu;
class QTabWidget;
class QTableView;
class QToolButton;

namespace meterly {

struct Settings;
class TUsageChartControl;

// A chosen save file and the number (from 1) of the filter it was chosen with.
struct TSaveChoice {
  QString FileName;
  int Filter = 1;
};

// What the statistics window needs from the program around it.
struct TTotalsFormContext {
  TDiskDB* diskDB = nullptr;
  Settings* settings = nullptr;
  // Writes every setting; raises when it cannot.
  std::function<void()> saveSettings;
  // Detaches (false) and attaches again (true) the one-second tick.
  std::function<void(bool)> attachTickHandler;
  std::function<void()> help;
  bool readOnly = false;
  // Whether the dial-up logger runs: its list is enabled only then.
  bool dialupLoggerStarted = false;
  // The hourly page's graph: created inside the given panel, and shown the samples of a report.
  std::function<QWidget*(QWidget* panel)> createHourlyGraph;
  std::function<void(QWidget* graph, const std::vector<THourlySample>& samples)> showHourlyGraph;

  // The file dialogs; Qt's own unless replaced. Nothing or an empty name means cancelled.
  std::function<std::optional<TSaveChoice>(QWidget* parent, const QString& title, const QString& folder, int filter)>
      chooseReportFile;
  std::function<QString(QWidget* parent)> chooseBackupFile;
  std::function<QString(QWidget* parent)> chooseRestoreFile;
};

// The usage statistics window: the summary, the five reports, the dial-up sessions, and the
// commands to refresh, choose the user, show the charts and hours, export, back up, restore and
// reset. It has no parent, frees itself when closed, and is set up when it is first shown.
class TTotalsForm : public QWidget {
  Q_OBJECT

 public:
  enum PageIndex {
    tsMainStats,
    tsDailyStats,
    tsWeeklyStats,
    tsMonthlyStats,
    tsCustom,
    tsDialupSessions,
    tsHourlyBandwidth
  };

  explicit TTotalsForm(TTotalsFormContext context);
  ~TTotalsForm() override;

  TStatisticsReports& Reports() { return reports_; }
  // The list Export writes, or nullptr on the summary page.
  const QAbstractItemModel* ExportList() const { return ExportList_; }
  QString PageCaption(int page) const;

  void UpdateSummary();
  void RefreshDayReports();
  void RefreshAll();
  void BuildUsersMenu();

  QAction* ActionRefresh;
  QAction* ActionUsers;
  QAction* ActionChart;
  QAction* ActionDisplayAllHours;
  QAction* ActionDisplayPeakHours;
  QAction* ActionDisplayFreeHours;
  QAction* ActionExport;
  QAction* ActionBackup;
  QAction* ActionRestore;
  QAction* ActionReset;
  QAction* ActionHelp;
  QActionGroup* HoursGroup;
  QMenu* UsersMenu;
  QMenu* PopupMenuDisplay;
  QActionGroup* UsersGroup;
  QToolButton* UsersButton;
  QToolButton* ChartButton;
  QToolButton* ResetButton;
  QToolButton* BackupButton;
  QToolButton* RestoreButton;

  QTabWidget* Pages;
  QLabel* lblDailyRecvValue;
  QLabel* lblDailySentValue;
  QLabel* lblDailyTotalValue;
  QLabel* lblDailyDialupTimeValue;
  QLabel* lblSince;
  QLabel* lblSinceRecvValue;
  QLabel* lblSinceSentValue;
  QLabel* lblSinceTotalValue;
  QLabel* lblSinceDialupTimeValue;
  QDateEdit* DateCustomFrom;
  QDateEdit* DateCustomTo;
  QTableView* ListViewDialup;
  QTableView* ListViewHourlyChart;
  QFrame* PanelHourlyChart;
  QWidget* HourlyGraph = nullptr;
  QTimer Timer;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  struct PanelViews {
    QTableView* List;
    TUsageChartControl* Chart;
  };

  void CreateActions();
  QWidget* BuildToolBar();
  QWidget* BuildSummaryPage();
  QWidget* BuildPanelPage(const char* name, TUsagePanel& panel, QWidget* above = nullptr);
  QWidget* BuildCustomPage();
  QWidget* BuildDialupPage();
  QWidget* BuildHourlyPage();
  QTableView* NewList(const char* name, QAbstractItemModel* model);

  void FormShow();
  void PagesChange(int page);
  void UpdateActionAvailability();
  void ApplyChartVisibility();
  void HoursExecute();
  void SelectUser(QAction* item);
  void ShowCaption();
  void BuildHourlyReport();
  void CustomDatesChange();
  void ActionExportExecute();
  void ActionBackupExecute();
  void ActionRestoreExecute();
  void ActionResetExecute();
  void StoreWindowSettings();
  // Runs the work with the tick detached, attaching it again on every path.
  void WithTickDetached(const std::function<void()>& work);

  TTotalsFormContext context_;
  Settings& settings_;
  TStatisticsReports reports_;
  QString sinceFormat_;
  std::vector<PanelViews> panels_;
  const QAbstractItemModel* ExportList_ = nullptr;
  bool shownOnce_ = false;
  bool hourlyBuilt_ = false;
};

}  // namespace meterly
