// The viewers' reader program against sections written by the feed through the real POSIX
// backend. The sections carry a suffix of the test's own, so that a Meterly running for the
// same user is never disturbed.
#include "fakes/fake_platform.h"
#include "feed/graph_comm.h"
#include "feed/graph_feed.h"
#include "platform/linux/linux_shared_memory.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <random>

#include <sys/mman.h>
#include <unistd.h>

namespace meterly {
namespace {

struct ReaderRun {
  int exitCode = -1;
  QString output;
  QString errors;
};

ReaderRun RunReader(const QStringList& arguments) {
  QProcess reader;
  reader.start(QStringLiteral(METERLY_FEED_READER), arguments);
  ReaderRun run;
  if (!reader.waitForFinished(10000)) {
    reader.kill();
    reader.waitForFinished();
    run.errors = QStringLiteral("the reader did not end");
    return run;
  }
  run.exitCode = reader.exitStatus() == QProcess::NormalExit ? reader.exitCode() : -1;
  run.output = QString::fromUtf8(reader.readAllStandardOutput());
  run.errors += QString::fromUtf8(reader.readAllStandardError());
  return run;
}

class GraphFeedReaderTest : public testing::Test {
 protected:
  void TearDown() override {
    for (const char* section : {"MMF$MeterlyGraphFeed", "MMF$MeterlyGraphComm"}) {
      ::shm_unlink(memory.ObjectName(QString::fromLatin1(section)).toUtf8().constData());
    }
  }

  ReaderRun ReadOnce() {
    return RunReader({QStringLiteral("--count"), QStringLiteral("1"), QStringLiteral("--suffix"), suffix});
  }

  const QString suffix =
      QStringLiteral(".readertest-%1-%2").arg(::getpid()).arg(std::random_device()(), 8, 16, QLatin1Char('0'));
  platform::LinuxSharedMemory memory{suffix};
  fakes::FakeClock clock;
};

TEST_F(GraphFeedReaderTest, PrintsTheFiguresAndTheLastSettingsRecordAlsoAfterAReset) {
  TGraphFeed feed(memory, clock);
  TGraphComm comm(memory);
  EXPECT_EQ(ReadOnce().output.toStdString(), "tick 0 received 0 sent 0\n");  // no message yet

  Settings settings;
  settings.ColorBack = 0x102030;
  settings.ColorDataText = 0xABCDEF;
  settings.Unit = 1;
  settings.EnableSmooth = false;
  settings.LeftToRight = true;
  settings.FixedScaleValue = -5;
  settings.LineType = 2;
  settings.LineStep = 7;
  comm.SendSettings(settings);
  clock.ticks = 4000000001u;
  feed.Publish(3000000000u, 42);
  const std::string expected =
      "settings ColorBack 0x102030 ColorDataIn 0xCD0000 ColorDataOut 0x32CD32 ColorDataBoth 0x32CD32"
      " ColorDataFrame 0xC0C0C0 ColorDataText 0xABCDEF GradientColor 0xFFBBBB Unit 1 EnableGradient 1"
      " EnableSmooth 0 LeftToRight 1 FixedScale 0 FixedScaleValue -5 LineType 2 LineStep 7\n"
      "tick 4000000001 received 3000000000 sent 42\n";
  const ReaderRun run = ReadOnce();
  EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
  EXPECT_EQ(run.output.toStdString(), expected);
  comm.SendReset();
  EXPECT_EQ(ReadOnce().output.toStdString(), expected);
}

TEST_F(GraphFeedReaderTest, SaysSoWhenMeterlyIsNotRunning) {
  const ReaderRun run = ReadOnce();
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(run.output.isEmpty());
  EXPECT_TRUE(run.errors.contains(QStringLiteral("/MMF$MeterlyGraphFeed") + suffix)) << run.errors.toStdString();
  EXPECT_TRUE(run.errors.contains(QStringLiteral("Meterly is not running for this user?"))) << run.errors.toStdString();
}

TEST_F(GraphFeedReaderTest, RefusesUnknownOptions) {
  for (const QStringList& arguments : {QStringList{QStringLiteral("--count"), QStringLiteral("x")},
                                       QStringList{QStringLiteral("--count")}, QStringList{QStringLiteral("-v")}}) {
    const ReaderRun run = RunReader(arguments);
    EXPECT_EQ(run.exitCode, 2) << arguments.join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(run.errors.startsWith(QStringLiteral("usage: "))) << run.errors.toStdString();
  }
}

}  // namespace
}  // namespace meterly
