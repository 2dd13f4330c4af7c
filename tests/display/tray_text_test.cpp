#include "display/tray_text.h"

#include "base/date_serial.h"
#include "core/main_tick.h"
#include "core/settings.h"
#include "core/traffic_sources.h"
#include "fakes/fake_platform.h"
#include "store/qt_printing.h"
#include "support/usage_database.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace meterly {
namespace {

constexpr qint64 MiB = 1024 * 1024;
const QString Me = QStringLiteral("me");  // the session's user

qint32 Day(int month, int day) { return DateToDaySerial(QDate(2026, month, day)); }

// A usage record on Tuesday 31 March 2026, 12:30, with weeks from Monday and months from the 1st.
class TrayTextTest : public ::testing::Test {
 protected:
  TrayTextTest() {
    store.Write(Me, Day(3, 31), 9, 1 * MiB, MiB / 2, 3661);
    store.Write(Me, Day(3, 31), 10, 1 * MiB, 0, 60);
    store.Write(Me, Day(3, 30), 18, 10 * MiB, 1 * MiB);   // Monday: same week
    store.Write(Me, Day(3, 29), 20, 100 * MiB, MiB / 4);  // Sunday: last week, same month
    store.Write(Me, Day(2, 28), 8, 1024 * MiB, 0);        // last month
    store.Write(QStringLiteral("other"), Day(3, 31), 9, 5 * MiB, 5 * MiB, 600);
    db->RefreshPeriodTotals();
  }

  TrayTextResult TextOfMode(quint8 mode, TDiskDB* usage) {
    settings.TrayIconMode = mode;
    TrayTextFigures figures;
    figures.MeanIn = 2048;
    figures.MeanOut = 500;
    figures.Period = ReadTrayPeriod(usage, mode);
    return TrayText(settings, figures, QLocale::c());
  }

  testing_support::UsageDatabase store;
  fakes::FakePlatform& platform = store.platform;
  Settings& settings = store.settings;
  std::unique_ptr<TDiskDB>& db = store.db;
};

TEST_F(TrayTextTest, EachModeHasItsTitleAndTextAndAnyOtherShowsTheTransferRate) {
  struct Row {
    quint8 mode;
    const char* title;
    const char* text;
  };
  const Row rows[] = {
      {0, "Transfer Rate", "DL: 2.00 KB/s\r\nUL: 500 bytes/s"},
      {1, "Daily Traffic", "March 31, 2026\r\n\r\nDL: 2.00 MB\r\nUL: 512 KB\r\nSUM: 2.50 MB"},
      {2, "Dialup Duration", "1 h 2 min"},
      {3, "", ""},
      {4, "Weekly Traffic", "March, 30 2026 - April, 05 2026\r\n\r\nDL: 12.0 MB\r\nUL: 1.50 MB\r\nSUM: 13.5 MB"},
      {5, "Monthly Traffic", "March 2026\r\n\r\nDL: 112 MB\r\nUL: 1.75 MB\r\nSUM: 114 MB"},
      {6, "Transfer Rate", "DL: 2.00 KB/s\r\nUL: 500 bytes/s"},  // stored outside the list
      {255, "Transfer Rate", "DL: 2.00 KB/s\r\nUL: 500 bytes/s"},
  };
  for (const Row& row : rows) {
    const TrayTextResult result = TextOfMode(row.mode, db.get());
    EXPECT_EQ(result.Title, QString::fromUtf8(row.title)) << "mode " << int{row.mode};
    EXPECT_EQ(result.Text, QString::fromUtf8(row.text)) << "mode " << int{row.mode};
  }
}

TEST_F(TrayTextTest, TheUnitsComeFromTheSettings) {
  settings.Unit = 1;
  EXPECT_EQ(TextOfMode(0, db.get()).Text, QStringLiteral("DL: 16.4 kbit/s\r\nUL: 4.00 kbit/s"));
  settings.VolumeUnit = 2;  // megabytes, always two decimals; speeds stay automatic
  settings.Unit = 0;
  EXPECT_EQ(TextOfMode(1, db.get()).Text,
            QStringLiteral("March 31, 2026\r\n\r\nDL: 2.00 MB\r\nUL: 0.50 MB\r\nSUM: 2.50 MB"));
  EXPECT_EQ(TextOfMode(0, db.get()).Text, QStringLiteral("DL: 2.00 KB/s\r\nUL: 500 bytes/s"));
}

TEST_F(TrayTextTest, WithoutADatabaseTheUsageModesSayThatNothingIsRecorded) {
  for (const quint8 mode : {quint8{1}, quint8{2}, quint8{4}, quint8{5}}) {
    const TrayTextResult result = TextOfMode(mode, nullptr);
    EXPECT_FALSE(result.Title.isEmpty()) << int{mode};
    EXPECT_EQ(result.Text, QStringLiteral("Usage is not being recorded")) << int{mode};
  }
  EXPECT_EQ(TextOfMode(0, nullptr).Text, QStringLiteral("DL: 2.00 KB/s\r\nUL: 500 bytes/s"));
}

// The tooltip is refreshed every second: it never waits for the file, whoever holds it.
TEST_F(TrayTextTest, NothingIsReadForAnyMode) {
  int statements = 0;
  db->SetStatementObserver([&statements](const QString&) { ++statements; });
  for (quint8 mode = 0; mode <= 5; ++mode) ReadTrayPeriod(db.get(), mode);
  EXPECT_EQ(statements, 0);
}

TEST_F(TrayTextTest, CaptionsNameTheirPeriodsInEveryYear) {
  platform.clockFake.localNow = QDateTime(QDate(2026, 1, 2), QTime(8, 0));
  EXPECT_TRUE(TextOfMode(1, db.get()).Text.startsWith(QStringLiteral("January 02, 2026\r\n")));
  EXPECT_TRUE(TextOfMode(4, db.get()).Text.startsWith(QStringLiteral("December, 29 2025 - January, 04 2026\r\n")));
  EXPECT_TRUE(TextOfMode(5, db.get()).Text.startsWith(QStringLiteral("January 2026\r\n")));
}

class NoTray : public TrayIconHost {
 public:
  bool IsTrayIconShown() override { return true; }
  bool TryShowTrayIcon() override { return true; }
  void TrayIconFailedForGood() override {}
};

TEST_F(TrayTextTest, TheTextOfTheMomentUsesTheTickHistoriesAndTheCurrentUsersRecord) {
  TrafficSources sources(platform.interfaces, platform.addresses);
  NoTray tray;
  TickHandover handover;
  MainTick tick(settings, sources, platform.addressWatch, tray, handover);
  for (quint32 in : {5000, 4000, 3000, 2000, 1000}) tick.InHistory.Push(in);
  tick.OutHistory.Push(4);  // a mean below one byte is none

  settings.TrayIconMode = 0;
  EXPECT_EQ(TrayText(settings, CurrentTrayFigures(settings, tick, db.get()), QLocale::c()).Text,
            QStringLiteral("DL: 2.93 KB/s\r\nUL: 0 bytes/s"));

  settings.TrayIconMode = 1;  // the other user's 5 MB of today are not counted
  EXPECT_EQ(TrayText(settings, CurrentTrayFigures(settings, tick, db.get()), QLocale::c()).Text,
            QStringLiteral("March 31, 2026\r\n\r\nDL: 2.00 MB\r\nUL: 512 KB\r\nSUM: 2.50 MB"));
}

// Whatever the text depends on that changes, the cache gives what formatting afresh gives.
TEST(TrayTextCacheTest, FormatsAgainWhenFiguresSettingsOrLanguageChange) {
  Settings settings;
  settings.TrayIconMode = TrayIconModes::DailyTraffic;
  TrayTextFigures figures;
  figures.Period.Totals = PeriodTotals{{2048, 1024, 0}, {46000, 46000}};
  QLocale locale = QLocale::c();
  TrayTextCache cache;

  struct Change {
    const char* what;
    std::function<void()> apply;
  };
  const Change changes[] = {
      {"nothing", [] {}},
      {"received bytes", [&] { figures.Period.Totals->Totals.DataIn += 1 << 20; }},
      {"the day",
       [&] {
         figures.Period.Totals->Days = {46001, 46001};
       }},
      {"unavailable",
       [&] {
         figures.Period = {std::nullopt, QStringLiteral("Usage cannot be read: disk")};
       }},
      {"the mode", [&] { settings.TrayIconMode = TrayIconModes::TransferRate; }},
      {"the means", [&] { figures.MeanIn = 4096; }},
      {"the speed unit", [&] { settings.Unit = 1; }},
      {"the language", [&] { locale = QLocale(QLocale::German); }},
  };
  for (const Change& change : changes) {
    SCOPED_TRACE(change.what);
    const TrayTextResult before = cache.Text(settings, figures, locale);
    change.apply();
    const TrayTextResult expected = TrayText(settings, figures, locale);
    const TrayTextResult& cached = cache.Text(settings, figures, locale);
    EXPECT_EQ(cached.Title, expected.Title);
    EXPECT_EQ(cached.Text, expected.Text);
    if (change.what != std::string_view("nothing")) {
      EXPECT_NE((cached.Title + cached.Text).toStdString(), (before.Title + before.Text).toStdString())
          << "the change must show";
    }
  }
}

}  // namespace
}  // namespace meterly
