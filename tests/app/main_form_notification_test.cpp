#include "alerts/notifications_page.h"
#include "alerts/quota_form.h"
#include "alerts/timed_message.h"
#include "app/settings_window.h"
#include "display/graph_form.h"
#include "support/files.h"
#include "support/main_form_on_veth.h"
#include "support/windows.h"
#include "ui/file_chooser.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include <gtest/gtest.h>

namespace meterly {
namespace {

using testing_support::Child;
using testing_support::DeleteTopLevel;
using testing_support::MessageBoxAnswerer;

class MainFormNotificationTest : public testing_support::MainFormOnVethLater {
 protected:
  MainFormNotificationTest() {
    // Without a tray the program gives up after 120 seconds.
    platform.trayStateFake.hosts.XEmbedTray = true;
    settings.EnableNotifications = true;
    settings.NotifyCondition = 0;  // received less: an idle line fires
    settings.NotifyActions = NotifyAction::MsgAndSound | NotifyAction::ExecProg;
    settings.NotifySound = File("applied.wav");
    settings.ExecProg = File("applied-program");
    Create();
    form->Tick().TimerTimer();  // the baseline
  }
  ~MainFormNotificationTest() override {
    form.reset();
    DeleteTopLevel<TTimedMessageForm>();
  }

  QString File(const char* name) {
    testing_support::WriteFile(folder.filePath(QLatin1String(name)), {});
    return folder.filePath(QLatin1String(name));
  }

  TNotificationsPage& Page() { return Child<TNotificationsPage>(form->SettingsWindow(), "tsNotifications"); }
  qint32 TicksInBlock() { return form->Notification().Block().TickCount; }
};

TEST_F(MainFormNotificationTest, TicksWithoutAUsableSampleDoNotCount) {
  Ticks(3);
  EXPECT_EQ(TicksInBlock(), 3);
  platform.interfaces.failing = true;
  Ticks(2);
  EXPECT_EQ(TicksInBlock(), 3);
}

TEST_F(MainFormNotificationTest, ApplyingWhileOnStartsAFreshBlock) {
  Ticks(30);
  Page().SpinEditorNotifyMin->setValue(2);
  Child<QPushButton>(form->SettingsWindow(), "ButtonApply").click();
  EXPECT_EQ(settings.NotifyTimeMin, 2);
  Ticks(119);
  EXPECT_TRUE(platform.shellFake.programs.empty());
  Ticks(1);
  EXPECT_EQ(platform.shellFake.programs.size(), 1U);
}

// The choosers may hold edits the user never applied (or cancelled): firing ignores them, the test
// buttons use them.
TEST_F(MainFormNotificationTest, FiringUsesTheAppliedFilesAndTheTestButtonsWhatTheChoosersHold) {
  const QString edited = File("edited.wav");
  Page().AlertChooser->SetFileName(edited);
  Page().ExecChooser->SetFileName(File("edited-program"));
  Ticks(60);
  EXPECT_EQ(platform.soundFake.played, std::vector<QString>{settings.NotifySound});
  EXPECT_EQ(platform.shellFake.programs, std::vector<QString>{settings.ExecProg});

  Page().btnTestSoundNotify->click();
  EXPECT_EQ(platform.soundFake.played, (std::vector<QString>{settings.NotifySound, edited}));

  Page().ExecChooser->SetFileName(QStringLiteral("/nowhere/tool"));
  platform.shellFake.programResult = platform::ShellResult::FileNotFound;
  MessageBoxAnswerer answerer(QMessageBox::Ok);
  Page().btnTestExec->click();
  EXPECT_EQ(platform.shellFake.programs.back(), QStringLiteral("/nowhere/tool"));
  EXPECT_EQ(answerer.texts, QStringList{QStringLiteral("The specified file was not found.")});
}

TEST_F(MainFormNotificationTest, AFiringShowsTheGraphWindowAndABlockWithoutItHidesItAgain) {
  TGraphForm graph(settings);
  form->AttachGraphForm(graph);
  QAction& toggle = *form->TrayMenu().Item(QStringLiteral("pmiGraph"));
  settings.NotifyActions = NotifyAction::ShowGraph;
  Ticks(60);
  EXPECT_TRUE(graph.isVisible());
  EXPECT_TRUE(toggle.isChecked());
  settings.NotifyCondition = 2;  // received more: 10 bytes a second never fire
  Ticks(60);
  EXPECT_FALSE(graph.isVisible());
  EXPECT_FALSE(toggle.isChecked());
}

TEST_F(MainFormNotificationTest, TheEnableBoxEnablesEveryTaggedControl) {
  EXPECT_TRUE(Page().cmbNotifyCondition->isEnabled()) << "loaded on";
  Page().cbEnableNotifications->setChecked(false);
  int tagged = 0;
  for (QWidget* control : Page().findChildren<QWidget*>()) {
    if (control->property("tag").toInt() != TNotificationsPage::EnablingTag) continue;
    ++tagged;
    EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
  }
  EXPECT_EQ(tagged, 17);
  EXPECT_TRUE(Page().cbEnableNotifications->isEnabled());
}

TEST_F(MainFormNotificationTest, TheQuotaItemOpensTheQuotaWindowAndSavesItsSwitchWhenItCloses) {
  QAction& item = *form->TrayMenu().Item(QStringLiteral("Quota1"));
  ASSERT_TRUE(item.isEnabled());
  bool shown = false;
  QTimer::singleShot(0, [&shown] {
    auto* window = qobject_cast<TQuotaForm*>(QApplication::activeModalWidget());
    ASSERT_NE(window, nullptr);
    shown = true;
    window->EnableMessageWhenQuotaUsedUp->setChecked(true);
    window->QuotaUsedUpPercent->setValue(60);
    window->CloseButton->click();
  });
  item.trigger();
  EXPECT_TRUE(shown);
  EXPECT_TRUE(store->ReadBool(QStringLiteral("Quota"), QStringLiteral("EnableQuotaOveruseMessage"), false));
  EXPECT_EQ(store->ReadInteger(QStringLiteral("Quota"), QStringLiteral("QuotaOverusePercentage"), 0), 60);
}

}  // namespace
}  // namespace meterly
