#include "store/disk_db.h"
#include "support/main_form_on_veth.h"

#include <gtest/gtest.h>

#include <memory>

namespace meterly {
namespace {

// The end of the desktop session: nobody is there to answer a message box.
class MainFormExitTest : public testing_support::MainFormOnVeth {
 protected:
  qint64 recordedIn() {
    TDiskDB& db = *form->UsageDatabase();
    TSQLiteDB::LockGuard lock(db);
    return db.GetTotals(0, 9999999, std::nullopt).DataIn - db.PendingIn();
  }
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
