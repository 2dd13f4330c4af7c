#include "reports/totals_form.h"

#include "base/assertion.h"
#include "base/date_serial.h"
#include "core/settings.h"
#include "reports/report_table.h"
#include "reports/statistics_backup.h"
#include "reports/table_export.h"
#include "reports/usage_chart_control.h"
#include "store/statistics_maintenance.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDateEdit>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace meterly {

namespace {

constexpr int kTimerMs = 2000;
const QString kProductName = QStringLiteral("Meterly");
const char* const kPageCaptions[] = {
    QT_TRANSLATE_NOOP("meterly::TTotalsForm", "摘要"),      QT_TRANSLATE_NOOP("meterly::TTotalsForm", "每日"),
    QT_TRANSLATE_NOOP("meterly::TTotalsForm", "每周"),      QT_TRANSLATE_NOOP("meterly::TTotalsForm", "每月"),
    QT_TRANSLATE_NOOP("meterly::TTotalsForm", "自定义"),    QT_TRANSLATE_NOOP("meterly::TTotalsForm", "拨号会话"),
    QT_TRANSLATE_NOOP("meterly::TTotalsForm", "每小时带宽")};

QString BackupFilter() { return TTotalsForm::tr("XML 文件 (*.xml)"); }

template <typename T>
T* Named(T* object, const char* name) {
  object->setObjectName(QLatin1String(name));
  return object;
}

// "description|pattern|description|pattern" as the dialog's filters, one per pair.
QStringList DialogFilters(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) filters.append(parts.at(i));
  return filters;
}

// The suffix of the filter's pattern ("*.xls" gives "xls").
QString FilterSuffix(const QString& filter, int number) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  return parts.value(2 * number - 1).section(QLatin1Char('.'), -1);
}

// The name with the suffix of the format it is written in.
QString WithSuffix(const QString& fileName, const QString& suffix) {
  if (QFileInfo(fileName).suffix().compare(suffix, Qt::CaseInsensitive) == 0) return fileName;
  return fileName + QLatin1Char('.') + suffix;
}

std::optional<TSaveChoice> AskReportFile(QWidget* parent, const QString& title, const QString& folder, int filter) {
  const QStringList filters = DialogFilters(ExportFilterText());
  QFileDialog dialog(parent, title, folder);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilters(filters);
  dialog.selectNameFilter(filters.value(std::max(filter, 1) - 1));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return TSaveChoice{dialog.selectedFiles().constFirst(),
                     static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1};
}

QString AskBackupFile(QWidget* parent) {
  QFileDialog dialog(parent, TTotalsForm::tr("Backup"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilter(BackupFilter());
  dialog.setDefaultSuffix(QStringLiteral("xml"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

QString AskRestoreFile(QWidget* parent) {
  return QFileDialog::getOpenFileName(parent, TTotalsForm::tr("Restore"), QString(), BackupFilter());
}

QLabel* ValueLabel(const char* name) {
  auto* label = Named(new QLabel, name);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

// A group of four captioned values: received, sent, total, dial-up time.
QGroupBox* ValuesBox(const QString& title, QLabel* heading, const std::array<QLabel*, 4>& values) {
  auto* box = new QGroupBox(title);
  auto* grid = new QGridLayout(box);
  int row = 0;
  if (heading != nullptr) grid->addWidget(heading, row++, 0, 1, 2);
  const char* const captions[] = {
      QT_TRANSLATE_NOOP("meterly::TTotalsForm", "接收:"), QT_TRANSLATE_NOOP("meterly::TTotalsForm", "发送:"),
      QT_TRANSLATE_NOOP("meterly::TTotalsForm", "总共:"), QT_TRANSLATE_NOOP("meterly::TTotalsForm", "拨号时间:")};
  for (std::size_t i = 0; i < values.size(); ++i, ++row) {
    grid->addWidget(new QLabel(TTotalsForm::tr(captions[i])), row, 0);
    grid->addWidget(values[i], row, 1);
  }
  return box;
}

QDate DateOfSetting(qint32 day) { return DaySerialToDate(day); }

}  // namespace

TTotalsForm::TTotalsForm(TTotalsFormContext context)
    : QWidget(nullptr, Qt::Window),
      context_(std::move(context)),
      settings_(*context_.settings),
      reports_(*context_.diskDB, *context_.settings) {
  setObjectName(QStringLiteral("TotalsForm"));
  setAttribute(Qt::WA_DeleteOnClose);
  if (!context_.chooseReportFile) context_.chooseReportFile = AskReportFile;
  if (!context_.chooseBackupFile) context_.chooseBackupFile = AskBackupFile;
  if (!context_.chooseRestoreFile) context_.chooseRestoreFile = AskRestoreFile;
  METERLY_ASSERT(settings_.HoursShown <= 2, "totals", "unknown choice of hours shown");

  CreateActions();
  Pages = Named(new QTabWidget, "Pages");
  Pages->addTab(BuildSummaryPage(), PageCaption(tsMainStats));
  Pages->addTab(BuildPanelPage("tsDailyStats", reports_.DailyPanel), PageCaption(tsDailyStats));
  Pages->addTab(BuildPanelPage("tsWeeklyStats", reports_.WeeklyPanel), PageCaption(tsWeeklyStats));
  Pages->addTab(BuildPanelPage("tsMonthlyStats", reports_.MonthlyPanel), PageCaption(tsMonthlyStats));
  Pages->addTab(BuildCustomPage(), PageCaption(tsCustom));
  Pages->addTab(BuildDialupPage(), PageCaption(tsDialupSessions));
  Pages->addTab(BuildHourlyPage(), PageCaption(tsHourlyBandwidth));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(BuildToolBar());
  layout->addWidget(Pages, 1);
  resize(640, 480);

  ActionChart->setChecked(settings_.EnableChart);
  HoursGroup->actions().at(settings_.HoursShown)->setChecked(true);
  BuildUsersMenu();
  reports_.LoadSessions();
  ListViewDialup->setEnabled(context_.dialupLoggerStarted);
  UpdateActionAvailability();

  connect(Pages, &QTabWidget::currentChanged, this, &TTotalsForm::PagesChange);
  Timer.setInterval(kTimerMs);
  connect(&Timer, &QTimer::timeout, this, &TTotalsForm::UpdateSummary);
}

TTotalsForm::~TTotalsForm() = default;

QString TTotalsForm::PageCaption(int page) const { return tr(kPageCaptions[page]); }

void TTotalsForm::CreateActions() {
  const auto action = [this](const char* name, const QString& caption) {
    auto* created = Named(new QAction(caption, this), name);
    addAction(created);
    return created;
  };
  ActionRefresh = action("ActionRefresh", tr("刷新(&R)"));
  ActionRefresh->setShortcut(QKeySequence::Refresh);
  ActionUsers = action("ActionUsers", tr("用户(&U)"));
  ActionChart = action("ActionChart", tr("图表(&C)"));
  ActionChart->setCheckable(true);
  ActionDisplayAllHours = action("ActionDisplayAllHours", tr("所有时段(&A)"));
  ActionDisplayPeakHours = action("ActionDisplayPeakHours", tr("高峰时段(&P)"));
  ActionDisplayFreeHours = action("ActionDisplayFreeHours", tr("非高峰时段(&F)"));
  HoursGroup = Named(new QActionGroup(this), "HoursGroup");
  for (QAction* hours : {ActionDisplayAllHours, ActionDisplayPeakHours, ActionDisplayFreeHours}) {
    hours->setCheckable(true);
    HoursGroup->addAction(hours);
  }
  ActionExport = action("ActionExport", tr("导出(&E)"));
  ActionExport->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
  ActionBackup = action("ActionBackup", tr("备份(&B)"));
  ActionRestore = action("ActionRestore", tr("还原(&O)"));
  ActionReset = action("ActionReset", tr("重置(&S)"));
  ActionHelp = action("ActionHelp", tr("帮助(&H)"));
  ActionHelp->setShortcut(QKeySequence::HelpContents);

  UsersMenu = Named(new QMenu(this), "UsersMenu");
  UsersGroup = Named(new QActionGroup(this), "UsersGroup");
  ActionUsers->setMenu(UsersMenu);
  PopupMenuDisplay = Named(new QMenu(this), "PopupMenuDisplay");
  PopupMenuDisplay->addAction(ActionChart);
  PopupMenuDisplay->addSeparator();
  PopupMenuDisplay->addActions(HoursGroup->actions());

  connect(ActionRefresh, &QAction::triggered, this, &TTotalsForm::RefreshAll);
  connect(ActionChart, &QAction::triggered, this, &TTotalsForm::ApplyChartVisibility);
  connect(HoursGroup, &QActionGroup::triggered, this, &TTotalsForm::HoursExecute);
  connect(UsersGroup, &QActionGroup::triggered, this, &TTotalsForm::SelectUser);
  connect(ActionExport, &QAction::triggered, this, &TTotalsForm::ActionExportExecute);
  connect(ActionBackup, &QAction::triggered, this, &TTotalsForm::ActionBackupExecute);
  connect(ActionRestore, &QAction::triggered, this, &TTotalsForm::ActionRestoreExecute);
  connect(ActionReset, &QAction::triggered, this, &TTotalsForm::ActionResetExecute);
  connect(ActionHelp, &QAction::triggered, this, [this] {
    if (context_.help) context_.help();
  });
  if (context_.readOnly) {
    for (QAction* hidden : {ActionReset, ActionBackup, ActionRestore}) {
      hidden->setVisible(false);
      hidden->setEnabled(false);
    }
  }
}

QWidget* TTotalsForm::BuildToolBar() {
  auto* bar = Named(new QToolBar, "ToolBar");
  bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
  // The buttons follow their actions, hidden ones included.
  const auto button = [bar](const char* name, QAction* action) {
    bar->addAction(action);
    auto* created = qobject_cast<QToolButton*>(bar->widgetForAction(action));
    created->setObjectName(QLatin1String(name));
    return created;
  };
  button("RefreshButton", ActionRefresh);
  UsersButton = button("UsersButton", ActionUsers);
  UsersButton->setPopupMode(QToolButton::InstantPopup);
  ChartButton = button("ChartButton", ActionChart);
  ChartButton->setMenu(PopupMenuDisplay);
  ChartButton->setPopupMode(QToolButton::MenuButtonPopup);
  bar->addSeparator();
  button("ExportButton", ActionExport);
  BackupButton = button("BackupButton", ActionBackup);
  RestoreButton = button("RestoreButton", ActionRestore);
  ResetButton = button("ResetButton", ActionReset);
  bar->addSeparator();
  button("HelpButton", ActionHelp);
  return bar;
}

QWidget* TTotalsForm::BuildSummaryPage() {
  lblDailyRecvValue = ValueLabel("lblDailyRecvValue");
  lblDailySentValue = ValueLabel("lblDailySentValue");
  lblDailyTotalValue = ValueLabel("lblDailyTotalValue");
  lblDailyDialupTimeValue = ValueLabel("lblDailyDialupTimeValue");
  lblSince = Named(new QLabel(tr("自 %s 以来:")), "lblSince");
  sinceFormat_ = lblSince->text();
  lblSinceRecvValue = ValueLabel("lblSinceRecvValue");
  lblSinceSentValue = ValueLabel("lblSinceSentValue");
  lblSinceTotalValue = ValueLabel("lblSinceTotalValue");
  lblSinceDialupTimeValue = ValueLabel("lblSinceDialupTimeValue");
  auto* page = Named(new QWidget, "tsMainStats");
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(ValuesBox(tr("今天"), nullptr,
                              {lblDailyRecvValue, lblDailySentValue, lblDailyTotalValue, lblDailyDialupTimeValue}));
  layout->addWidget(ValuesBox(tr("全部"), lblSince,
                              {lblSinceRecvValue, lblSinceSentValue, lblSinceTotalValue, lblSinceDialupTimeValue}));
  layout->addStretch(1);
  return page;
}

QTableView* TTotalsForm::NewList(const char* name, QAbstractItemModel* model) {
  auto* list = Named(new QTableView, name);
  list->setModel(model);
  list->setSelectionBehavior(QAbstractItemView::SelectRows);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list->verticalHeader()->hide();
  list->horizontalHeader()->setStretchLastSection(true);
  list->setShowGrid(settings_.EnableGridLines);
  return list;
}

QWidget* TTotalsForm::BuildPanelPage(const char* name, TUsagePanel& panel, QWidget* above) {
  auto* page = Named(new QWidget, name);
  QTableView* list = NewList("ListView", &panel);
  connect(list->horizontalHeader(), &QHeaderView::sectionClicked, this,
          [&panel](int section) { panel.HeaderClicked(section + 1); });
  auto* chart = Named(new TUsageChartControl(panel.Chart()), "UsageChart");
  chart->setMinimumHeight(160);
  auto* split = new QSplitter(Qt::Vertical);
  split->addWidget(list);
  split->addWidget(chart);
  auto* layout = new QVBoxLayout(page);
  if (above != nullptr) layout->addWidget(above);
  layout->addWidget(split, 1);
  panels_.push_back({list, chart});
  return page;
}

QWidget* TTotalsForm::BuildCustomPage() {
  DateCustomFrom = Named(new QDateEdit(DateOfSetting(settings_.CustomDateFrom)), "DateCustomFrom");
  DateCustomTo = Named(new QDateEdit(DateOfSetting(settings_.CustomDateTo)), "DateCustomTo");
  auto* pickers = new QWidget;
  auto* row = new QHBoxLayout(pickers);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(new QLabel(tr("从:")));
  row->addWidget(DateCustomFrom);
  row->addWidget(new QLabel(tr("到:")));
  row->addWidget(DateCustomTo);
  row->addStretch(1);
  for (QDateEdit* picker : {DateCustomFrom, DateCustomTo}) {
    picker->setCalendarPopup(true);
    connect(picker, &QDateEdit::dateChanged, this, &TTotalsForm::CustomDatesChange);
  }
  reports_.SetCustomRange(settings_.CustomDateFrom, settings_.CustomDateTo);
  return BuildPanelPage("tsCustom", reports_.CustomPanel, pickers);
}

QWidget* TTotalsForm::BuildDialupPage() {
  auto* page = Named(new QWidget, "tsDialupSessions");
  ListViewDialup = NewList("ListViewDialup", &reports_.SessionList);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(ListViewDialup);
  return page;
}

QWidget* TTotalsForm::BuildHourlyPage() {
  auto* page = Named(new QWidget, "tsHourlyBandwidth");
  ListViewHourlyChart = NewList("ListViewHourlyChart", &reports_.HourlyList);
  connect(ListViewHourlyChart->horizontalHeader(), &QHeaderView::sectionClicked, this,
          [this](int section) { reports_.HourlyList.HeaderClicked(section + 1); });
  PanelHourlyChart = Named(new QFrame, "PanelHourlyChart");
  PanelHourlyChart->setMinimumHeight(120);
  auto* chartLayout = new QVBoxLayout(PanelHourlyChart);
  chartLayout->setContentsMargins(0, 0, 0, 0);
  if (context_.createHourlyGraph) {
    HourlyGraph = context_.createHourlyGraph(PanelHourlyChart);
    chartLayout->addWidget(HourlyGraph);
  }
  auto* split = new QSplitter(Qt::Vertical);
  split->addWidget(ListViewHourlyChart);
  split->addWidget(PanelHourlyChart);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(split);
  return page;
}

void TTotalsForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (shownOnce_) return;
  shownOnce_ = true;
  FormShow();
}

// The set-up of the first showing; later activations change nothing, so the sort order and
// the page the user chose stay.
void TTotalsForm::FormShow() {
  reports_.InitPanels();
  UpdateSummary();
  RefreshDayReports();
  ApplyChartVisibility();
  if (Pages->currentIndex() == tsHourlyBandwidth) BuildHourlyReport();
  Timer.start();
}

void TTotalsForm::UpdateSummary() {
  const TSummaryTexts texts = reports_.Summary();
  lblDailyRecvValue->setText(texts.DailyRecv);
  lblDailySentValue->setText(texts.DailySent);
  lblDailyTotalValue->setText(texts.DailyTotal);
  lblDailyDialupTimeValue->setText(texts.DailyDialupTime);
  lblSince->setText(QString(sinceFormat_).replace(QStringLiteral("%s"), texts.FirstDate));
  lblSinceRecvValue->setText(texts.SinceRecv);
  lblSinceSentValue->setText(texts.SinceSent);
  lblSinceTotalValue->setText(texts.SinceTotal);
  lblSinceDialupTimeValue->setText(texts.SinceDialupTime);
}

void TTotalsForm::RefreshDayReports() { reports_.RefreshDayReports(); }

void TTotalsForm::RefreshAll() {
  UpdateSummary();
  RefreshDayReports();
  // The hourly report waits until its page is first shown.
  if (hourlyBuilt_) BuildHourlyReport();
}

void TTotalsForm::BuildHourlyReport() {
  const std::vector<THourlySample> samples = reports_.BuildHourlyReport();
  hourlyBuilt_ = true;
  if (HourlyGraph != nullptr && context_.showHourlyGraph) context_.showHourlyGraph(HourlyGraph, samples);
}

// The four day reports are kept current by every refresh, so a page change only picks the list
// that Export writes; the hourly report is built when its page is shown.
void TTotalsForm::PagesChange(int page) {
  const QAbstractItemModel* const lists[] = {nullptr,
                                             &reports_.DailyPanel,
                                             &reports_.WeeklyPanel,
                                             &reports_.MonthlyPanel,
                                             &reports_.CustomPanel,
                                             &reports_.SessionList,
                                             &reports_.HourlyList};
  ExportList_ = page >= 0 && page < static_cast<int>(std::size(lists)) ? lists[page] : nullptr;
  if (page == tsHourlyBandwidth) BuildHourlyReport();
  UpdateActionAvailability();
}

void TTotalsForm::UpdateActionAvailability() {
  const int page = Pages->currentIndex();
  const bool reportPage = page >= tsDailyStats && page <= tsCustom;
  ActionChart->setEnabled(reportPage);
  HoursGroup->setEnabled(reportPage);
}

void TTotalsForm::ApplyChartVisibility() {
  for (const PanelViews& panel : panels_) panel.Chart->setVisible(ActionChart->isChecked());
}

void TTotalsForm::HoursExecute() {
  QAction* checked = HoursGroup->checkedAction();
  METERLY_ASSERT(checked != nullptr, "totals", "no choice of hours shown");
  settings_.HoursShown = static_cast<quint8>(HoursGroup->actions().indexOf(checked));
  RefreshDayReports();
}

void TTotalsForm::BuildUsersMenu() {
  UsersMenu->clear();
  for (QAction* item : UsersGroup->actions()) {
    UsersGroup->removeAction(item);
    delete item;
  }
  const auto addItem = [this](const QString& caption, const QVariant& key) {
    QString text = caption;
    auto* item = new QAction(text.replace(QLatin1Char('&'), QStringLiteral("&&")), UsersGroup);
    item->setCheckable(true);
    item->setData(key);
    UsersMenu->addAction(item);
    return item;
  };
  addItem(tr("All Users Combined"), QVariant())->setChecked(true);
  for (const QString& name : reports_.UserNames()) addItem(name, name);
  reports_.SelectUser(std::nullopt);
  ShowCaption();
}

void TTotalsForm::SelectUser(QAction* item) {
  const QVariant key = item->data();
  reports_.SelectUser(key.isValid() ? UserFilter(key.toString()) : std::nullopt);
  ShowCaption();
  RefreshAll();
}

void TTotalsForm::ShowCaption() { setWindowTitle(reports_.Caption()); }

void TTotalsForm::CustomDatesChange() {
  reports_.SetCustomRange(DateToDaySerial(DateCustomFrom->date()), DateToDaySerial(DateCustomTo->date()));
  reports_.BuildCustomReport();
}

void TTotalsForm::ActionExportExecute() {
  if (ExportList_ == nullptr) {
    QMessageBox::information(this, kProductName, tr("Please select a hourly, daily, weekly, monthly or custom report"));
    return;
  }
  const QString caption = PageCaption(Pages->currentIndex());
  const std::optional<TSaveChoice> choice = context_.chooseReportFile(
      this, tr("Export %1").arg(caption), settings_.ReportSaveFolder, settings_.ReportSaveFormat);
  if (!choice || choice->FileName.isEmpty()) return;
  METERLY_ASSERT(choice->Filter >= 1 && choice->Filter <= 5, "totals", "unknown export format");
  const QString filter = ExportFilterText();
  const QString fileName = WithSuffix(choice->FileName, FilterSuffix(filter, choice->Filter));
  settings_.ReportSaveFolder = QFileInfo(fileName).absolutePath();
  settings_.ReportSaveFormat = choice->Filter;
  ExportByFilter(choice->Filter, TableFromItemModel(*ExportList_), fileName, kProductName + QLatin1Char(' ') + caption);
}

void TTotalsForm::ActionBackupExecute() {
  const QString fileName = context_.chooseBackupFile(this);
  if (fileName.isEmpty()) return;
  BackupStatistics(*context_.diskDB, fileName);
}

void TTotalsForm::WithTickDetached(const std::function<void()>& work) {
  if (context_.attachTickHandler) context_.attachTickHandler(false);
  try {
    work();
  } catch (...) {
    if (context_.attachTickHandler) context_.attachTickHandler(true);
    throw;
  }
  if (context_.attachTickHandler) context_.attachTickHandler(true);
}

void TTotalsForm::ActionRestoreExecute() {
  const QString fileName = context_.chooseRestoreFile(this);
  if (fileName.isEmpty()) return;
  // The whole file is read and checked before anything changes.
  const TBackupContents contents = ReadBackupFile(fileName);
  WithTickDetached([&] { ReplaceStatistics(*context_.diskDB, contents.Usage, contents.Sessions); });
  BuildUsersMenu();
  RefreshAll();
  reports_.LoadSessions();
}

void TTotalsForm::ActionResetExecute() {
  const QMessageBox::StandardButton answer = QMessageBox::question(
      this, kProductName, tr("Are you sure you want to reset all statistics for %1?").arg(reports_.UserCaption()),
      QMessageBox::Yes | QMessageBox::No);
  if (answer != QMessageBox::Yes) return;
  WithTickDetached([this] { reports_.Reset(); });
  BuildUsersMenu();
  RefreshAll();
}

void TTotalsForm::StoreWindowSettings() {
  settings_.CustomDateFrom = DateToDaySerial(DateCustomFrom->date());
  settings_.CustomDateTo = DateToDaySerial(DateCustomTo->date());
  settings_.EnableChart = ActionChart->isChecked();
}

void TTotalsForm::closeEvent(QCloseEvent* event) {
  Timer.stop();
  StoreWindowSettings();
  try {
    if (context_.saveSettings) context_.saveSettings();
  } catch (const std::exception& error) {
    QMessageBox::critical(this, kProductName,
                          tr("The settings could not be saved: %1").arg(QString::fromUtf8(error.what())));
  }
  QWidget::closeEvent(event);
}

}  // namespace meterly
