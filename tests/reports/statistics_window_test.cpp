#include "reports/totals_form.h"

#include "base/date_serial.h"
#include "reports/hour_display.h"
#include "support/files.h"
#include "support/usage_database.h"
#include "support/windows.h"

#include <QAction>
#include <QActionGroup>
#include <QDateEdit>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>

#include "store/qt_printing.h"

#include <gtest/gtest.h>

namespace meterly {
namespace {

using testing_support::MessageBoxAnswerer;
using testing_support::UsageDatabase;

constexpr qint32 kToday = 46112;  // 31 March 2026, the fake clock's day

class StatisticsWindowTest : public ::testing::Test {
 protected:
  StatisticsWindowTest() {
    store.settings.CustomDateFrom = kToday - 40;
    store.settings.CustomDateTo = kToday;
    store.settings.PeakHourFrom = 9;
    store.settings.PeakHourTo = 17;
    store.Write(QStringLiteral("me"), kToday, 10, 1000, 24);
    store.Write(QStringLiteral("me"), kToday, 20, 100, 0);
    store.Write(QStringLiteral("O'Brien"), kToday - 2, 10, 2000, 0);
    store.Write(QStringLiteral("R&D"), kToday - 30, 3, 3000, 0);
  }

  ~StatisticsWindowTest() override {
    for (const QPointer<TTotalsForm>& form : forms) delete form.data();
  }

  TTotalsForm* Open() {
    TTotalsFormContext context;
    context.diskDB = store.db.get();
    context.settings = &store.settings;
    context.saveSettings = [this] { ++saves; };
    context.attachTickHandler = [this](bool on) { tickStates.push_back(on); };
    context.readOnly = readOnly;
    context.chooseBackupFile = [this](QWidget*) { return backupPath; };
    context.chooseRestoreFile = [this](QWidget*) { return backupPath; };
    context.chooseReportFile = [this](QWidget*, const QString& title, const QString&, int filter) {
      dialogTitles.append(title);
      shownFilter = filter;
      return reportChoice;
    };
    auto* form = new TTotalsForm(std::move(context));
    forms.emplace_back(form);
    form->show();
    return form;
  }

  QAction* UserItem(TTotalsForm& form, const QString& text) {
    for (QAction* item : form.UsersMenu->actions()) {
      if (item->text() == text) return item;
    }
    ADD_FAILURE() << "no user item " << text.toStdString();
    return nullptr;
  }

  UsageDatabase store;
  std::vector<QPointer<TTotalsForm>> forms;  // those still open are deleted at the end
  int saves = 0;
  std::vector<bool> tickStates;
  bool readOnly = false;
  std::optional<TSaveChoice> reportChoice;
  QStringList dialogTitles;
  int shownFilter = 0;
  QString backupPath = store.dir.filePath(QStringLiteral("backup.xml"));
};

TEST_F(StatisticsWindowTest, OpensForAllUsersWithTheSummaryAndEveryDayReport) {
  TTotalsForm& form = *Open();
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Usage Report for All Users Combined"));
  EXPECT_EQ(form.lblDailyRecvValue->text(), QStringLiteral("1.07 KB"));
  EXPECT_EQ(form.lblSinceRecvValue->text(), QStringLiteral("5.96 KB"));
  EXPECT_EQ(form.Reports().DailyPanel.Rows().size(), 4u);
  EXPECT_EQ(form.Reports().CustomPanel.Rows().size(), 4u);
  EXPECT_EQ(form.Reports().HourlyList.rowCount(), 0);  // built when its page is first shown
  form.Pages->setCurrentIndex(TTotalsForm::tsHourlyBandwidth);
  EXPECT_EQ(form.Reports().HourlyList.rowCount(), 4);
}

TEST_F(StatisticsWindowTest, UsersMenuKeepsQuotesAndAmpersandsAndASwitchRefreshesEverything) {
  TTotalsForm& form = *Open();
  QStringList texts;
  for (QAction* item : form.UsersMenu->actions()) texts.append(item->text());
  EXPECT_EQ(texts, (QStringList{QStringLiteral("All Users Combined"), QStringLiteral("O'Brien"), QStringLiteral("R&&D"),
                                QStringLiteral("me")}));
  const QString firstDay = form.lblSince->text();

  UserItem(form, QStringLiteral("R&&D"))->trigger();
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Usage Report for R&D"));
  EXPECT_EQ(form.lblDailyRecvValue->text(), QStringLiteral("0 bytes"));
  EXPECT_EQ(form.lblSinceRecvValue->text(), QStringLiteral("2.93 KB"));
  EXPECT_EQ(firstDay, form.lblSince->text());  // R&D's first day is also the first of all

  UserItem(form, QStringLiteral("O'Brien"))->trigger();
  EXPECT_NE(form.lblSince->text(), firstDay);
  EXPECT_TRUE(
      form.lblSince->text().contains(QLocale::system().toString(DaySerialToDate(kToday - 2), QLocale::ShortFormat)));
  EXPECT_EQ(form.Reports().CustomPanel.Rows().size(), 2u);  // one day and the totals row
  EXPECT_EQ(form.Reports().DailyPanel.TotalIn(), 2000);
}

TEST_F(StatisticsWindowTest, TheCustomPageFollowsTheHoursShownAndTheDatePickers) {
  TTotalsForm& form = *Open();
  form.Pages->setCurrentIndex(TTotalsForm::tsCustom);
  EXPECT_EQ(form.Reports().CustomPanel.TotalIn(), 6100);
  form.ActionDisplayPeakHours->trigger();
  EXPECT_EQ(store.settings.HoursShown, 1);
  EXPECT_EQ(form.Reports().CustomPanel.TotalIn(), 3000);
  form.ActionDisplayFreeHours->trigger();
  EXPECT_EQ(form.Reports().CustomPanel.TotalIn(), 3100);
  form.DateCustomFrom->setDate(DaySerialToDate(kToday - 5));
  EXPECT_EQ(form.Reports().CustomPanel.TotalIn(), 100);
}

TEST_F(StatisticsWindowTest, ChartAndHoursActionsWorkOnlyOnTheFourReportPages) {
  TTotalsForm& form = *Open();
  const auto enabled = [&] {
    return std::vector<bool>{form.ActionChart->isEnabled(), form.ActionDisplayAllHours->isEnabled(),
                             form.ActionDisplayPeakHours->isEnabled(), form.ActionDisplayFreeHours->isEnabled()};
  };
  for (int page = 0; page < form.Pages->count(); ++page) {
    form.Pages->setCurrentIndex(page);
    const bool report = page >= TTotalsForm::tsDailyStats && page <= TTotalsForm::tsCustom;
    EXPECT_EQ(enabled(), std::vector<bool>(4, report)) << page;
    EXPECT_EQ(form.ExportList() != nullptr, page != TTotalsForm::tsMainStats) << page;
  }
}

TEST_F(StatisticsWindowTest, ExportAsksForAReportOnTheSummaryAndWritesOtherPagesInTheChosenFormat) {
  store.settings.ReportSaveFormat = 2;
  TTotalsForm& form = *Open();
  {
    MessageBoxAnswerer answerer(QMessageBox::Ok);
    form.ActionExport->trigger();
    EXPECT_EQ(answerer.texts,
              QStringList{QStringLiteral("Please select a hourly, daily, weekly, monthly or custom report")});
    EXPECT_EQ(answerer.titles, QStringList{QStringLiteral("Meterly")});
  }
  form.Pages->setCurrentIndex(TTotalsForm::tsDailyStats);
  reportChoice = TSaveChoice{store.dir.filePath(QStringLiteral("report")), 5};
  form.ActionExport->trigger();
  EXPECT_EQ(dialogTitles, QStringList{QStringLiteral("Export 每日")});
  EXPECT_EQ(shownFilter, 2);
  // Captions, three days, totals.
  EXPECT_EQ(testing_support::FileBytes(store.dir.filePath(QStringLiteral("report.csv"))).count("\r\n"), 5);
  EXPECT_EQ(store.settings.ReportSaveFolder, store.dir.path());
  EXPECT_EQ(store.settings.ReportSaveFormat, 5);
}

TEST_F(StatisticsWindowTest, ResetAnsweredNoKeepsAllAndYesResetsOnlyTheUserAndReturnsToAllUsers) {
  store.AddSession(QStringLiteral("isp"), QStringLiteral("2026-03-01 10:00:00"), 60);
  TTotalsForm& form = *Open();
  UserItem(form, QStringLiteral("O'Brien"))->trigger();
  const QStringList before = store.Contents();
  {
    MessageBoxAnswerer no(QMessageBox::No);
    form.ActionReset->trigger();
  }
  EXPECT_TRUE(tickStates.empty());
  EXPECT_EQ(store.Contents(), before);

  MessageBoxAnswerer yes(QMessageBox::Yes);
  form.ActionReset->trigger();
  EXPECT_EQ(yes.texts, QStringList{QStringLiteral("Are you sure you want to reset all statistics for O'Brien?")});
  EXPECT_EQ(tickStates, (std::vector<bool>{false, true}));
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Usage Report for All Users Combined"));
  EXPECT_EQ(form.UsersMenu->actions().size(), 3);
  EXPECT_EQ(form.Reports().DailyPanel.TotalIn(), 4100);
  EXPECT_EQ(form.Reports().SessionList.rowCount(), 1);
}

TEST_F(StatisticsWindowTest, DialupSessionsAreListedLatestEndFirst) {
  store.AddSession(QStringLiteral("long"), QStringLiteral("2026-03-01 08:00:00"), 7200);  // ends 10:00
  store.AddSession(QStringLiteral("late"), QStringLiteral("2026-03-01 09:30:00"), 60);    // ends 09:31
  store.AddSession(QStringLiteral("last"), QStringLiteral("2026-03-01 09:00:00"), 3700);  // ends 10:01:40
  TTotalsForm& form = *Open();
  QStringList names;
  for (const TRasItem& session : form.Reports().SessionList.Sessions()) names.append(session.Name);
  EXPECT_EQ(names, (QStringList{QStringLiteral("last"), QStringLiteral("long"), QStringLiteral("late")}));
  EXPECT_FALSE(form.ListViewDialup->isEnabled());  // no dial-up logger in this test
}

TEST_F(StatisticsWindowTest, ReadOnlyModeTakesAwayResetBackupAndRestore) {
  readOnly = true;
  TTotalsForm& form = *Open();
  for (QAction* action : {form.ActionReset, form.ActionBackup, form.ActionRestore}) {
    EXPECT_FALSE(action->isEnabled()) << action->objectName().toStdString();
    EXPECT_FALSE(action->isVisible()) << action->objectName().toStdString();
  }
  for (QToolButton* button : {form.ResetButton, form.BackupButton, form.RestoreButton}) EXPECT_TRUE(button->isHidden());
}

TEST_F(StatisticsWindowTest, SetUpRunsOnceAndClosingSavesTheWindowsSettings) {
  TTotalsForm& form = *Open();
  int statements = 0;
  store.db->SetStatementObserver([&](const QString&) { ++statements; });
  form.hide();
  form.show();
  form.activateWindow();
  EXPECT_EQ(statements, 0);
  store.db->SetStatementObserver(nullptr);

  form.Pages->setCurrentIndex(TTotalsForm::tsDailyStats);
  form.ActionChart->trigger();
  form.DateCustomTo->setDate(DaySerialToDate(kToday - 1));
  QPointer<TTotalsForm> alive(&form);
  form.close();
  testing_support::RunDeferredDeletes();
  EXPECT_TRUE(alive.isNull());
  EXPECT_EQ(saves, 1);
  EXPECT_FALSE(store.settings.EnableChart);
  EXPECT_EQ(store.settings.CustomDateTo, kToday - 1);
}

TEST_F(StatisticsWindowTest, BackupThenRestoreBringsTheRecordBackAndRebuildsTheUsersMenu) {
  TTotalsForm& form = *Open();
  const QStringList before = store.Contents();
  form.ActionBackup->trigger();
  store.Write(QStringLiteral("newcomer"), kToday, 1, 5, 5);
  form.ActionRefresh->trigger();
  form.BuildUsersMenu();
  ASSERT_EQ(form.UsersMenu->actions().size(), 5);

  form.ActionRestore->trigger();
  EXPECT_EQ(store.Contents(), before);
  EXPECT_EQ(tickStates, (std::vector<bool>{false, true}));
  EXPECT_EQ(form.UsersMenu->actions().size(), 4);
  EXPECT_EQ(form.Reports().DailyPanel.TotalIn(), 6100);
}

}  // namespace
}  // namespace meterly
