// meterly-report run as a user would run it, on a small database the test writes.
#include "base/date_serial.h"
#include "cli/program_run.h"
#include "core/settings.h"
#include "fakes/fake_platform.h"
#include "store/disk_db.h"
#include "support/files.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace meterly {
namespace {

using testing_support::FileBytes;
using testing_support::ProgramHome;
using testing_support::ProgramResult;
using testing_support::WriteFile;

const QString kReport = QStringLiteral(METERLY_REPORT);
constexpr qint64 kMB = 1024 * 1024;

qint32 Day(int year, int month, int day) { return DateToDaySerial(QDate(year, month, day)); }

class MeterlyReportTest : public ::testing::Test {
 protected:
  MeterlyReportTest() {
    platform.clockFake.localNow = QDateTime(QDate(2026, 3, 31), QTime(12, 0));
    TDiskDB db(Database(), platform, settings);
    TSQLiteDB::LockGuard lock(db);
    db.RunInTransaction([&] {
      db.FlushData(QStringLiteral("ann"), Day(2026, 3, 2), 9, 3 * kMB, 1 * kMB, 0);
      db.FlushData(QStringLiteral("ann"), Day(2026, 3, 30), 10, 7200, 3600, 60);
      db.FlushData(QStringLiteral("bob \"the\" \\ builder"), Day(2026, 3, 30), 10, 1000, 500, 0);
      db.FlushData(QStringLiteral("bob \"the\" \\ builder"), Day(2026, 2, 27), 23, 10 * kMB, 2 * kMB, 0);
    });
  }

  QString Database() const { return home.Path(QStringLiteral("Meterly.db")); }

  // The output of a run on the test's database, which must succeed.
  QByteArray Report(QStringList arguments) const {
    arguments << QStringLiteral("--database") << Database();
    const ProgramResult result = home.run(kReport, arguments);
    EXPECT_EQ(result.Status, 0) << arguments.join(' ').toStdString() << ": " << result.Err.toStdString();
    return result.Out;
  }

  QJsonObject Json(const QStringList& arguments) const {
    const QByteArray out = Report(arguments + QStringList{QStringLiteral("--format"), QStringLiteral("json")});
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(out, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << out.toStdString();
    return document.object();
  }

  ProgramHome home;
  fakes::FakePlatform platform;
  Settings settings;
};

TEST_F(MeterlyReportTest, TheTableIsTheWindowsCopiedTable) {
  EXPECT_EQ(QString::fromUtf8(Report({QStringLiteral("daily")})),
            QStringLiteral("Date\t接收\t发送\t总共\t拨号\n"
                           "====\t==\t==\t==\t==\n"
                           "3/30/26\t8.01 KB\t4.00 KB\t12.0 KB\t1 min\n"
                           "3/2/26\t3.00 MB\t1.00 MB\t4.00 MB\tNone\n"
                           "2/27/26\t10.0 MB\t2.00 MB\t12.0 MB\tNone\n"
                           "Total\t13.0 MB\t3.00 MB\t16.0 MB\t1 min\n"));
}

// Scripts read it: the same texts whatever the desktop's language.
TEST_F(MeterlyReportTest, CsvIsTheWindowsExportForOneUserInEveryLanguage) {
  for (const char* language : {"C", "en", "zh_CN"}) {
    home.Set(QStringLiteral("LANGUAGE"), QString::fromLatin1(language));
    const QByteArray csv = Report({QStringLiteral("monthly"), QStringLiteral("-u"), QStringLiteral("ann"),
                                   QStringLiteral("-f"), QStringLiteral("csv")});
    EXPECT_EQ(QString::fromUtf8(csv), QStringLiteral("Month,接收,发送,总共,拨号\r\n"
                                                     "2026 March,3.01 MB,1.00 MB,4.01 MB,1 min\r\n"
                                                     "Total,3.01 MB,1.00 MB,4.01 MB,1 min\r\n"))
        << language;
  }
}

TEST_F(MeterlyReportTest, JsonGivesTheAmountsAsNumbersAndThePeriodsAsDays) {
  const QJsonObject weekly = Json({QStringLiteral("weekly")});
  EXPECT_EQ(weekly[QStringLiteral("report")].toString(), QStringLiteral("weekly"));
  EXPECT_TRUE(weekly[QStringLiteral("user")].isNull());
  const QJsonArray rows = weekly[QStringLiteral("rows")].toArray();
  ASSERT_EQ(rows.size(), 3);
  const QJsonObject newest = rows[0].toObject();
  // Weeks of the en_US locale begin on Sunday.
  EXPECT_EQ(newest[QStringLiteral("first_day")].toString(), QStringLiteral("2026-03-29"));
  EXPECT_EQ(newest[QStringLiteral("last_day")].toString(), QStringLiteral("2026-04-04"));
  EXPECT_EQ(newest[QStringLiteral("received")].toInteger(), 8200);
  EXPECT_EQ(newest[QStringLiteral("sent")].toInteger(), 4100);
  EXPECT_EQ(newest[QStringLiteral("dialup_seconds")].toInteger(), 60);
  const QJsonObject total = weekly[QStringLiteral("total")].toObject();
  EXPECT_EQ(total[QStringLiteral("received")].toInteger(), 13 * kMB + 8200);
  EXPECT_EQ(total[QStringLiteral("total")].toInteger(), 16 * kMB + 12300);

  // Every recorded hour lies within the default peak hours, 9 to 23.
  const QJsonObject offPeak = Json({QStringLiteral("daily"), QStringLiteral("--hours"), QStringLiteral("off-peak")});
  EXPECT_TRUE(offPeak[QStringLiteral("rows")].toArray().isEmpty());
  EXPECT_EQ(offPeak[QStringLiteral("total")].toObject()[QStringLiteral("total")].toInteger(), 0);

  // The custom range in either order, oldest day first; one user's hours with their averages.
  const QJsonArray custom = Json({QStringLiteral("custom"), QStringLiteral("--from"), QStringLiteral("2026-03-31"),
                                  QStringLiteral("--to"), QStringLiteral("2026-03-01")})[QStringLiteral("rows")]
                                .toArray();
  ASSERT_EQ(custom.size(), 2);
  EXPECT_EQ(custom[0].toObject()[QStringLiteral("first_day")].toString(), QStringLiteral("2026-03-02"));
  const QJsonArray hours = Json({QStringLiteral("hourly"), QStringLiteral("--user"), QStringLiteral("ann"),
                                 QStringLiteral("--from"), QStringLiteral("2026-03-10")})[QStringLiteral("rows")]
                               .toArray();
  ASSERT_EQ(hours.size(), 1);
  const QJsonObject hour = hours[0].toObject();
  EXPECT_EQ(hour[QStringLiteral("day")].toString(), QStringLiteral("2026-03-30"));
  EXPECT_EQ(hour[QStringLiteral("hour")].toInt(), 10);
  EXPECT_EQ(hour[QStringLiteral("average_received_per_second")].toInteger(), 2);
  EXPECT_EQ(hour[QStringLiteral("average_sent_per_second")].toInteger(), 1);
}

TEST_F(MeterlyReportTest, OpenMetricsCountsEverythingPerUser) {
  EXPECT_EQ(Report({QStringLiteral("--format"), QStringLiteral("openmetrics")}).toStdString(),
            "# HELP meterly_received_bytes_total Bytes received, as recorded by Meterly.\n"
            "# TYPE meterly_received_bytes_total counter\n"
            "meterly_received_bytes_total{user=\"ann\"} 3152928\n"
            "meterly_received_bytes_total{user=\"bob \\\"the\\\" \\\\ builder\"} 10486760\n"
            "# HELP meterly_sent_bytes_total Bytes sent, as recorded by Meterly.\n"
            "# TYPE meterly_sent_bytes_total counter\n"
            "meterly_sent_bytes_total{user=\"ann\"} 1052176\n"
            "meterly_sent_bytes_total{user=\"bob \\\"the\\\" \\\\ builder\"} 2097652\n"
            "# HELP meterly_dialup_seconds_total Seconds of dial-up connection, as recorded by Meterly.\n"
            "# TYPE meterly_dialup_seconds_total counter\n"
            "meterly_dialup_seconds_total{user=\"ann\"} 60\n"
            "meterly_dialup_seconds_total{user=\"bob \\\"the\\\" \\\\ builder\"} 0\n");
  // A user named but never recorded still has its series.
  const QByteArray nobody =
      Report({QStringLiteral("-f"), QStringLiteral("openmetrics"), QStringLiteral("--user"), QStringLiteral("eve")});
  EXPECT_TRUE(nobody.contains("meterly_sent_bytes_total{user=\"eve\"} 0\n")) << nobody.toStdString();
}

TEST_F(MeterlyReportTest, ExitStatusesAndMessages) {
  const QString notes = home.Path(QStringLiteral("notes.db"));
  WriteFile(notes, "these are not the usage records you are looking for\n");
  const std::tuple<QStringList, int, const char*> cases[] = {
      {{QStringLiteral("--database"), home.Path(QStringLiteral("missing.db"))},
       1,
       "meterly-report: cannot open the usage database "},
      {{QStringLiteral("--database"), notes}, 1, "meterly-report: cannot open the usage database "},
      {{QStringLiteral("--colour")}, 2, "meterly-report: Unknown option 'colour'."},
      {{QStringLiteral("yearly")}, 2, "meterly-report: unknown report \"yearly\""},
      {{QStringLiteral("--format"), QStringLiteral("xml")}, 2, "meterly-report: unknown format \"xml\""},
      {{QStringLiteral("daily"), QStringLiteral("--from"), QStringLiteral("2026-01-01")}, 2, "meterly-report: --from"},
      {{QStringLiteral("custom"), QStringLiteral("--to"), QStringLiteral("31.3.2026")}, 2, "meterly-report: --to"},
      {{QStringLiteral("hourly"), QStringLiteral("--hours"), QStringLiteral("peak")}, 2, "meterly-report: --hours"},
      {{QStringLiteral("custom"), QStringLiteral("--from"), QStringLiteral("2026-03-01"), QStringLiteral("-f"),
        QStringLiteral("openmetrics")},
       2,
       "meterly-report: the openmetrics format"},
      {{QStringLiteral("--help")}, 0, ""},
  };
  for (const auto& [arguments, status, errorStart] : cases) {
    const ProgramResult result = home.run(kReport, arguments);
    EXPECT_EQ(result.Status, status) << arguments.join(' ').toStdString();
    EXPECT_TRUE(result.Err.startsWith(errorStart)) << result.Err.toStdString();
    EXPECT_EQ(result.Out.isEmpty(), status != 0) << arguments.join(' ').toStdString();
  }
}

TEST_F(MeterlyReportTest, TheDatabaseIsNeverChanged) {
  const QByteArray bytes = FileBytes(Database());
  const QDateTime modified = QFileInfo(Database()).lastModified();
  const QStringList neighbours = QDir(home.Path(QString())).entryList(QDir::Files);
  for (const char* kind : {"daily", "weekly", "monthly", "custom", "hourly"}) {
    for (const char* format : {"table", "csv", "json", "openmetrics"})
      Report({QLatin1String(kind), QStringLiteral("--format"), QLatin1String(format)});
  }
  EXPECT_EQ(FileBytes(Database()), bytes);
  EXPECT_EQ(QFileInfo(Database()).lastModified(), modified);
  EXPECT_EQ(QDir(home.Path(QString())).entryList(QDir::Files), neighbours);
}

TEST_F(MeterlyReportTest, TheMonitorsSettingsApplyAndAreOnlyRead) {
  const QString folder = home.Path(QStringLiteral("config/Corvane/Meterly"));
  WriteFile(folder + QStringLiteral("/registry.reg"),
            "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Corvane\\Meterly\\Usage]\n\"MonthStartsOn\"=dword:0000000f\n");
  const QJsonArray months = Json({QStringLiteral("monthly")})[QStringLiteral("rows")].toArray();
  ASSERT_EQ(months.size(), 2);
  EXPECT_EQ(months[0].toObject()[QStringLiteral("caption")].toString(), QStringLiteral("3/15/26 - 4/14/26"));

  // A damaged file stays where it is (the monitor would move it aside) and the defaults apply.
  WriteFile(folder + QStringLiteral("/registry.reg"), "this is not REGEDIT4\n");
  EXPECT_EQ(Json({QStringLiteral("monthly")})[QStringLiteral("rows")].toArray().size(), 2);
  EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("registry.reg")});
}

}  // namespace
}  // namespace meterly
