#include "alerts/traffic_notification.h"

#include "alerts/timed_message.h"
#include "core/settings.h"
#include "fakes/fake_platform.h"
#include "support/windows.h"

#include <QLabel>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

namespace meterly {
namespace {

using testing_support::DeleteTopLevel;

// The sound and the shell in one, writing every request into one log so that order shows.
class ActionLog : public platform::SoundService, public platform::Shell {
 public:
  bool PlaySoundFile(const QString& fileName) override {
    entries.push_back(QStringLiteral("sound ") + fileName);
    return true;
  }
  int ShellExecute(const QString& target) override {
    entries.push_back(QStringLiteral("open ") + target);
    return platform::ShellResult::Started;
  }
  void OpenProgram(const QString& target, std::function<void(int)> done) override {
    entries.push_back(QStringLiteral("program ") + target);
    done(programResult);
  }

  std::vector<QString> entries;
  int programResult = platform::ShellResult::Started;
};

const auto OpenTimedMessages = testing_support::VisibleTopLevel<TTimedMessageForm>;

class TrafficNotificationTest : public ::testing::Test {
 protected:
  TrafficNotificationTest() {
    settings.EnableNotifications = true;
    settings.NotifyTimeMin = 1;
    settings.NotifyConditionAmountMb = 1;
    settings.NotifySound = dir.filePath(QStringLiteral("bell.wav"));
    QFile sound(settings.NotifySound);
    sound.open(QIODevice::WriteOnly);
    settings.ExecProg = QStringLiteral("/opt/tools/on-traffic");
  }
  ~TrafficNotificationTest() override { DeleteTopLevel<TTimedMessageForm>(); }

  TTrafficNotification::Hooks RecordingHooks() {
    const auto note = [this](const char* what) {
      return [this, what] {
        log.entries.push_back(QString::fromLatin1(what) + (AnyTimedMessageOpen() ? " (window open)" : ""));
      };
    };
    return {note("hang up"), note("show graph"), note("hide graph")};
  }

  // One block of a minute: `last` on its last second, nothing before.
  void MinuteEndingWith(quint32 lastIn, quint32 lastOut) {
    for (int second = 1; second < 60; ++second) notification.NotificationStep(0, 0);
    notification.NotificationStep(lastIn, lastOut);
  }

  QTemporaryDir dir;
  Settings settings;
  ActionLog log;
  fakes::FakePowerService power;
  TTrafficNotification notification{settings, log, log, power, RecordingHooks()};
};

TEST_F(TrafficNotificationTest, AnIdleLineFiresEveryMinuteWithoutStackingWindowsButWithEverySound) {
  settings.NotifyCondition = 0;  // received less
  settings.NotifyActions = NotifyAction::MsgAndSound;
  for (int second = 1; second < 60; ++second) notification.NotificationStep(0, 0);
  EXPECT_TRUE(log.entries.empty()) << "nothing before the block ends";
  notification.NotificationStep(0, 0);
  MinuteEndingWith(0, 0);
  MinuteEndingWith(0, 0);
  const QString sound = QStringLiteral("sound ") + settings.NotifySound;
  EXPECT_EQ(log.entries, (std::vector<QString>{sound, sound, sound}));
  ASSERT_EQ(OpenTimedMessages().size(), 1U);
  EXPECT_FALSE(OpenTimedMessages()[0]->IsShutdownWarning());
  EXPECT_EQ(OpenTimedMessages()[0]->Counter(), TTrafficNotification::MessageSeconds);
  EXPECT_EQ(notification.Block().TickCount, 0);
}

TEST_F(TrafficNotificationTest, TheMessageSaysWhatTheBlockCounted) {
  settings.NotifyCondition = 2;  // received more
  settings.NotifyActions = NotifyAction::MsgAndSound;
  settings.VolumeUnit = 3;  // always KB
  MinuteEndingWith(2 * 1048576, 512 * 1024);
  ASSERT_EQ(OpenTimedMessages().size(), 1U);
  EXPECT_EQ(OpenTimedMessages()[0]->LabelInfo->text(),
            QStringLiteral("Within the last 1 minutes there was received more than 1024.00 KB of data: received "
                           "2048.00 KB, sent 512.00 KB"));
}

TEST_F(TrafficNotificationTest, TheActionsRunInTheirOrder) {
  settings.NotifyCondition = 0;
  settings.NotifyActions =
      NotifyAction::ExecProg | NotifyAction::DropDialup | NotifyAction::Shutdown | NotifyAction::ShowGraph;
  MinuteEndingWith(0, 0);
  EXPECT_EQ(log.entries, (std::vector<QString>{QStringLiteral("program /opt/tools/on-traffic"),
                                               QStringLiteral("hang up"), QStringLiteral("show graph (window open)")}));
  ASSERT_EQ(OpenTimedMessages().size(), 1U);
  TTimedMessageForm& warning = *OpenTimedMessages()[0];
  EXPECT_TRUE(warning.IsShutdownWarning());
  EXPECT_EQ(warning.Counter(), TTrafficNotification::ShutdownSeconds);
  EXPECT_TRUE(warning.LabelInfo->text().startsWith(
      QStringLiteral("Your computer will be shut down as per your instruction: Within the last 1 minutes")));
  EXPECT_EQ(power.powerOffCalls, 0);

  DeleteTopLevel<TTimedMessageForm>();
  settings.NotifyActions = NotifyAction::MsgAndSound | NotifyAction::Shutdown;
  MinuteEndingWith(0, 0);
  ASSERT_EQ(OpenTimedMessages().size(), 1U) << "with the message on, only the message opens";
  EXPECT_FALSE(OpenTimedMessages()[0]->IsShutdownWarning());
}

// 5000 MB is 5242880000 bytes; in 32 bits it would be 904 MB and fire at once.
TEST_F(TrafficNotificationTest, AThresholdOf5000MbIsNotCutTo32Bits) {
  settings.NotifyCondition = 2;  // received more
  settings.NotifyConditionAmountMb = 5000;
  settings.NotifyActions = NotifyAction::DropDialup;
  for (int second = 1; second < 59; ++second) notification.NotificationStep(0, 0);
  notification.NotificationStep(2621440000U, 0);
  notification.NotificationStep(2621440000U, 0);
  EXPECT_TRUE(log.entries.empty()) << "exactly the threshold does not fire";
  for (int second = 1; second < 59; ++second) notification.NotificationStep(0, 0);
  notification.NotificationStep(2621440000U, 0);
  notification.NotificationStep(2621440001U, 0);
  EXPECT_EQ(log.entries, (std::vector<QString>{QStringLiteral("hang up")}));
}

TEST_F(TrafficNotificationTest, ABlockWithoutTheConditionHidesTheGraphOnlyWhenThatActionIsOn) {
  settings.NotifyCondition = 2;  // received more: an idle line never fires
  settings.NotifyActions = NotifyAction::MsgAndSound;
  MinuteEndingWith(0, 0);
  EXPECT_TRUE(log.entries.empty());
  settings.NotifyActions = NotifyAction::ShowGraph;
  MinuteEndingWith(0, 0);
  EXPECT_EQ(log.entries, (std::vector<QString>{QStringLiteral("hide graph")}));
}

TEST_F(TrafficNotificationTest, TheSoundTestPlaysAnExistingFileOnlyAndAlwaysShowsTheTestMessage) {
  notification.TestSound(dir.filePath(QStringLiteral("missing.wav")));
  EXPECT_TRUE(log.entries.empty());
  ASSERT_EQ(OpenTimedMessages().size(), 1U);
  EXPECT_EQ(OpenTimedMessages()[0]->LabelInfo->text(), QStringLiteral("This is a test notification"));
}

TEST_F(TrafficNotificationTest, TheProgramTestReportsAFailedStartWithItsText) {
  QStringList reported;
  const auto report = [&](const QString& message) { reported << message; };
  notification.TestProgram(QStringLiteral("/opt/tools/a"), report);
  log.programResult = platform::ShellResult::FileNotFound;
  notification.TestProgram(QStringLiteral("/opt/tools/b"), report);
  log.programResult = 17;
  notification.TestProgram(QStringLiteral("/opt/tools/c"), report);
  EXPECT_EQ(reported,
            (QStringList{QStringLiteral("The specified file was not found."), QStringLiteral("Unknown error (17)")}));
}

}  // namespace
}  // namespace meterly
