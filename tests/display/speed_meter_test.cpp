#include "display/speed_meter_form.h"

#include "core/conversion.h"
#include "display/led_label.h"
#include "reports/export_file.h"
#include "reports/report_table.h"
#include "reports/table_export.h"
#include "support/windows.h"

#include <QApplication>
#include <QClipboard>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace meterly {
namespace {

// The exporter the program gives the meter: the table writers' text.
SpeedMeterExport ReportsExport() {
  return {[](const QAbstractItemModel& table) { return TableToText(TableFromItemModel(table)); },
          [](const QString& fileName, const QString& text) { WriteExportFile(fileName, text.toUtf8()); }};
}

class SpeedMeterFormTest : public ::testing::Test {
 protected:
  SpeedMeterFormTest() { settings.VolumeUnit = TVolumeUnit::Bytes; }  // totals as plain numbers of bytes

  QStringList Row(int row) const {
    const QTreeWidgetItem* item = form.ListView->topLevelItem(row);
    return {item->text(0), item->text(1), item->text(2)};
  }

  void Seconds(int count, quint64 in, quint64 out) {
    for (int second = 0; second < count; ++second) form.SpeedMeterStep(in, out);
  }

  Settings settings;
  TSpeedMeterForm form{settings, nullptr, ReportsExport()};
};

TEST_F(SpeedMeterFormTest, OpensStoppedWithEmptyRowsAndTheSourceInItsCaption) {
  EXPECT_EQ(form.windowTitle(), QStringLiteral("网速测试 (Not Available)"));
  EXPECT_EQ(Row(0), (QStringList{"Average Transfer Rate", "", ""}));
  EXPECT_EQ(Row(2), (QStringList{"Total Data Transferred", "", ""}));
  EXPECT_EQ(form.LedLabel->Text(), QStringLiteral("00-00-00"));
  EXPECT_EQ(form.tbStart->toolTip(), QStringLiteral("Start"));
}

TEST_F(SpeedMeterFormTest, TheAverageIsThatOfTheLastFiveSecondsAndTheTotalSinceTheStart) {
  form.tbStart->click();
  EXPECT_EQ(form.tbStart->toolTip(), QStringLiteral("Stop"));
  Seconds(1, 1000, 10);
  EXPECT_EQ(Row(0), (QStringList{"Average Transfer Rate", "200 bytes/s", "2 bytes/s"}));
  EXPECT_EQ(Row(1), (QStringList{"Maximum Transfer Rate", "0.98 KB/s", "10 bytes/s"}));
  EXPECT_EQ(Row(2), (QStringList{"Total Data Transferred", "1000 bytes", "10 bytes"}));
  EXPECT_EQ(form.LedLabel->Text(), QStringLiteral("00-00-01"));
  Seconds(4, 1000, 10);
  EXPECT_EQ(form.Meter().AverageIn(), 1000u);
  Seconds(5, 100, 0);
  EXPECT_EQ(form.Meter().AverageIn(), 100u);
  EXPECT_EQ(form.Meter().MaximumIn(), 1000u);
  EXPECT_EQ(Row(2)[1], QStringLiteral("5500 bytes"));
}

TEST_F(SpeedMeterFormTest, StopKeepsTheCountsAndAStartContinuesThem) {
  form.tbStart->click();
  Seconds(2, 500, 50);
  form.tbStart->click();
  Seconds(3, 500, 50);
  EXPECT_EQ(form.Meter().TotalIn(), 1000u);
  EXPECT_EQ(Row(2)[2], QStringLiteral("100 bytes"));
  form.tbStart->click();
  Seconds(1, 500, 50);
  EXPECT_EQ(form.Meter().TotalIn(), 1500u);
  EXPECT_EQ(form.LedLabel->Text(), QStringLiteral("00-00-03"));
}

TEST_F(SpeedMeterFormTest, ResetShowsZerosEverywhereAndKeepsRunningOrStopped) {
  for (const bool running : {true, false}) {
    if (form.Meter().Running() != running) form.tbStart->click();
    Seconds(running ? 7 : 0, 4096, 4096);
    form.tbReset->click();
    EXPECT_EQ(Row(0), (QStringList{"Average Transfer Rate", "0 bytes/s", "0 bytes/s"})) << running;
    EXPECT_EQ(Row(1), (QStringList{"Maximum Transfer Rate", "0 bytes/s", "0 bytes/s"})) << running;
    EXPECT_EQ(Row(2), (QStringList{"Total Data Transferred", "0 bytes", "0 bytes"})) << running;
    EXPECT_EQ(form.LedLabel->Text(), QStringLiteral("00-00-00"));
    EXPECT_EQ(form.Meter().Running(), running);
  }
  form.tbStart->click();
  Seconds(1, 5, 5);
  EXPECT_EQ(Row(0)[1], QStringLiteral("1 bytes/s")) << "no history from before the reset";
}

TEST(SpeedMeterTest, TheElapsedTimeWrapsAfterADayAndNeverOverflows) {
  SpeedMeter meter;
  meter.SetRunning(true);
  for (int second = 0; second < 25 * 3600; ++second) meter.Step(0, 0);
  EXPECT_EQ(meter.ElapsedText(), QStringLiteral("01-00-00"));
  // Past 24.8 days a count of milliseconds no longer fits 32 bits.
  for (int second = 0; second < 24 * 24 * 3600 + 3661; ++second) meter.Step(0, 0);
  EXPECT_EQ(meter.ElapsedText(), QStringLiteral("02-01-01"));
}

TEST_F(SpeedMeterFormTest, CopyGivesTheTableWritersTextAndAFailedSaveIsNamed) {
  form.tbStart->click();
  Seconds(1, 1000, 10);
  TReportTable shown{{"", "接收", "传出"}, {}};
  for (int row = 0; row < 3; ++row) shown.Rows.append({Row(row)[0], Row(row).mid(1)});
  form.tbCopy->click();
  EXPECT_EQ(QApplication::clipboard()->text(), TableToText(shown));

  QTemporaryDir folder;
  form.askSaveFileName = [&](QWidget*) { return folder.filePath(QStringLiteral("gone/meter.txt")); };
  testing_support::MessageBoxAnswerer answerer(QMessageBox::Ok);
  form.tbSave->click();
  ASSERT_EQ(answerer.texts.size(), 1) << "a file that cannot be written is named to the user";
  EXPECT_TRUE(answerer.texts[0].contains(QStringLiteral("gone"))) << answerer.texts[0].toStdString();
  EXPECT_EQ(answerer.icons[0], QMessageBox::Critical);
}

}  // namespace
}  // namespace meterly
