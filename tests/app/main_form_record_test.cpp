#include "display/tray_text.h"
#include "store/disk_db.h"
#include "support/main_form_on_veth.h"
#include "support/windows.h"

#include <QMessageBox>

#include <gtest/gtest.h>

namespace meterly {
namespace {

class MainFormRecordTest : public testing_support::MainFormOnVethLater {
 protected:
  qint64 RecordedIn() {
    TDiskDB& db = *form->UsageDatabase();
    TSQLiteDB::LockGuard lock(db);
    return db.GetTotals(0, 9999999, std::nullopt).DataIn - db.PendingIn();
  }
};

// The end of the desktop session: nobody is there to answer a message box.
TEST_F(MainFormRecordTest, ExitCompletesWhenTheSettingsCannotBeSavedAndWritesEveryByteUpToTheStop) {
  Create();
  Ticks(2, 300, 3);
  platform.interfaces.AddTraffic(QStringLiteral("veth9"), 40, 4);  // after the last tick
  platform.registryFile.failWrites = true;

  int closed = 0;
  QObject::connect(form.get(), &TMainMeterlyForm::closed, [&closed] { ++closed; });
  form->ExitApplication(false);
  EXPECT_EQ(closed, 1);
  EXPECT_TRUE(form->Terminating());
  EXPECT_EQ(RecordedIn(), 340);
}

TEST_F(MainFormRecordTest, WithoutDialupSupportThereIsNoLoggerNoMessageAndNoDialupTime) {
  platform.dialupFake.SetAvailable(false);
  platform.dialupFake.Connect(QStringLiteral("ppp0"), 7);  // not to be seen
  Create();
  EXPECT_FALSE(platform.dialupFake.WatchOpen());
  EXPECT_TRUE(testing_support::VisibleTopLevel<QMessageBox>().empty());
  Ticks(4);
  TSQLiteDB::LockGuard lock(*form->UsageDatabase());
  EXPECT_EQ(form->UsageDatabase()->PendingDialup(), 0u);
}

TEST_F(MainFormRecordTest, EachCountedSecondWithALinkUpIsDialupTimeShownByTheTrayUntilExitStopsTheLogger) {
  platform.dialupFake.Connect(QStringLiteral("ppp0"), 7);
  Create();
  EXPECT_TRUE(platform.dialupFake.WatchOpen());
  Ticks(4);  // a baseline and three counted seconds
  platform.dialupFake.Disconnect(QStringLiteral("ppp0"));
  Ticks(3);

  settings.TrayIconMode = TrayIconModes::DialupDuration;
  TrayTextFigures figures;
  figures.Period = ReadTrayPeriod(form->UsageDatabase(), TrayIconModes::DialupDuration);
  ASSERT_TRUE(figures.Period.Totals.has_value());
  EXPECT_EQ(figures.Period.Totals->Totals.DialupDuration, 3);
  EXPECT_EQ(TrayText(settings, figures).Title, QStringLiteral("Dialup Duration"));

  form->ExitApplication(false);
  EXPECT_FALSE(platform.dialupFake.WatchOpen()) << "the exit path stops and frees the logger";
}

}  // namespace
}  // namespace meterly
