#include "app/main_meterly_form.h"
#include "core/settings_store.h"
#include "fakes/fake_platform.h"
#include "store/disk_db.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace meterly {
namespace {

using platform::IfType::Ethernet;

// The end of the desktop session: nobody is there to answer a message box.
class MainFormExitTest : public ::testing::Test {
 protected:
  MainFormExitTest() {
    platform.session.data = folder.filePath(QStringLiteral("data"));
    platform.session.allUsersData = platform.session.data;
    platform.addInterface(2, QStringLiteral("veth9"), Ethernet, 1000, 1000);
    settings.InterfaceGuid = QStringLiteral("veth9");
    store = std::make_unique<SettingsStore>(platform.registry());
    form = std::make_unique<TMainMeterlyForm>(platform, settings, *store, CommandLineSwitches{});
  }

  qint64 recordedIn() {
    TDiskDB& db = *form->UsageDatabase();
    TSQLiteDB::LockGuard lock(db);
    return db.GetTotals(0, 9999999, std::nullopt).DataIn - db.PendingIn();
  }

  QTemporaryDir folder;
  fakes::FakePlatform platform;
  Settings settings;
  std::unique_ptr<SettingsStore> store;
  std::unique_ptr<TMainMeterlyForm> form;
};

TEST_F(MainFormExitTest, ExitCompletesWhenTheSettingsCannotBeSavedAndWritesEveryByteUpToTheStop) {
  form->Tick().TimerTimer();
  platform.interfaces.addTraffic(QStringLiteral("veth9"), 300, 3);
  form->Tick().TimerTimer();
  platform.interfaces.addTraffic(QStringLiteral("veth9"), 40, 4);  // after the last tick
  platform.registryFile.failWrites = true;

  int closed = 0;
  QObject::connect(form.get(), &TMainMeterlyForm::closed, [&closed] { ++closed; });
  form->ExitApplication(false);
  EXPECT_EQ(closed, 1);
  EXPECT_TRUE(form->Terminating());
  EXPECT_EQ(recordedIn(), 340);
}

}  // namespace
}  // namespace meterly
