// The feed and the messages as the sections hold them, and the viewers' reader program against
// sections written through the real POSIX backend.
#include "feed/graph_feed.h"

#include "fakes/fake_platform.h"
#include "feed/graph_comm.h"
#include "feed/graph_settings_record.h"
#include "platform/linux/linux_shared_memory.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include <sys/mman.h>
#include <unistd.h>

namespace meterly {
namespace {

using Bytes = std::vector<quint8>;

const QString FeedSection = QStringLiteral("MMF$MeterlyGraphFeed");
const QString CommSection = QStringLiteral("MMF$MeterlyGraphComm");
constexpr int SectionSize = 255;
constexpr quint8 Untouched = 0xEE;

Bytes Slice(const Bytes& bytes, int from, int to) { return Bytes(bytes.begin() + from, bytes.begin() + to); }

// Graph settings with a different value in every field of the record.
Settings DistinctGraphSettings() {
  Settings s;
  s.ColorBack = 0x00030201;
  s.ColorDataIn = 0x00060504;
  s.ColorDataOut = 0x00090807;
  s.ColorDataBoth = 0x000C0B0A;
  s.ColorDataFrame = 0x000F0E0D;
  s.ColorDataText = 0x00121110;
  s.GradientColor = 0x00151413;
  s.Unit = 1;
  s.EnableGradient = true;
  s.EnableSmooth = false;
  s.LeftToRight = true;
  s.FixedScale = false;
  s.FixedScaleValue = -2;
  s.LineType = 2;
  s.LineStep = 0x20191817;
  return s;
}

// The record of DistinctGraphSettings(), written out by hand.
const Bytes DistinctRecord = {
    0x01, 0x02, 0x03, 0x00,  // ColorBack
    0x04, 0x05, 0x06, 0x00,  // ColorDataIn
    0x07, 0x08, 0x09, 0x00,  // ColorDataOut
    0x0A, 0x0B, 0x0C, 0x00,  // ColorDataBoth
    0x0D, 0x0E, 0x0F, 0x00,  // ColorDataFrame
    0x10, 0x11, 0x12, 0x00,  // ColorDataText
    0x10, 0x11, 0x12, 0x00,  // ColorDataText again
    0x13, 0x14, 0x15, 0x00,  // GradientColor
    1,                       // Unit
    1,                       // EnableGradient
    0,                       // EnableSmooth
    1,                       // LeftToRight
    0,                       // FixedScale
    0,    0,    0,           // padding
    0xFE, 0xFF, 0xFF, 0xFF,  // FixedScaleValue -2
    2,                       // LineType
    0,    0,    0,           // padding
    0x17, 0x18, 0x19, 0x20,  // LineStep
};

// The flags of DistinctGraphSettings() read 1, 0, 1, 0; these read 1, 1, 0, 0: together they tell
// each flag's byte from every other's.
TEST(GraphSettingsRecordTest, EachFlagLandsInItsOwnByte) {
  Settings s;
  s.EnableGradient = s.EnableSmooth = true;
  s.LeftToRight = s.FixedScale = false;
  const GraphSettingsBytes record = GraphSettingsRecord(s);
  EXPECT_EQ(Bytes(record.begin() + 33, record.begin() + 37), (Bytes{1, 1, 0, 0}));
}

class GraphFeedTest : public testing::Test {
 protected:
  // Fills a section with a marker, so that a test sees which bytes were written.
  void MarkAsUntouched(const QString& section) {
    std::fill(platform.sharedMemoryFake.bytes(section).begin(), platform.sharedMemoryFake.bytes(section).end(),
              Untouched);
  }
  Bytes& FeedBytes() { return platform.sharedMemoryFake.bytes(FeedSection); }
  Bytes& CommBytes() { return platform.sharedMemoryFake.bytes(CommSection); }

  fakes::FakePlatform platform;
};

TEST_F(GraphFeedTest, PublishWritesStampAndFiguresAndNothingElse) {
  TGraphFeed feed(platform.sharedMemory(), platform.clock());
  MarkAsUntouched(FeedSection);
  platform.clockFake.ticks = 0x11223344;
  feed.Publish(0xA1B2C3D4, 5);
  EXPECT_EQ(Slice(FeedBytes(), 0, 12), (Bytes{0x44, 0x33, 0x22, 0x11, 0xD4, 0xC3, 0xB2, 0xA1, 5, 0, 0, 0}));
  EXPECT_EQ(Slice(FeedBytes(), 12, SectionSize), Bytes(SectionSize - 12, Untouched));

  // A tick without a usable sample: a fresh stamp and zeros.
  platform.clockFake.AdvanceMs(1000);
  feed.Publish(0, 0);
  EXPECT_EQ(Slice(FeedBytes(), 0, 12), (Bytes{0x2C, 0x37, 0x22, 0x11, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(GraphFeedTest, SecondFeedOnTheSameNameSharesTheSection) {
  TGraphFeed first(platform.sharedMemory(), platform.clock());
  first.Publish(1, 2);
  TGraphFeed second(platform.sharedMemory(), platform.clock());
  EXPECT_EQ(Slice(FeedBytes(), 4, 12), (Bytes{1, 0, 0, 0, 2, 0, 0, 0})) << "opening again must not clear it";
  second.Publish(3, 4);
  EXPECT_EQ(Slice(FeedBytes(), 4, 12), (Bytes{3, 0, 0, 0, 4, 0, 0, 0}));
}

TEST_F(GraphFeedTest, SettingsAreKindOneAndTheRecordAndAResetRewritesOnlyTheKind) {
  TGraphComm comm(platform.sharedMemory());
  MarkAsUntouched(CommSection);
  comm.SendSettings(DistinctGraphSettings());
  EXPECT_EQ(CommBytes()[0], 1);
  EXPECT_EQ(Slice(CommBytes(), 1, 53), DistinctRecord);
  EXPECT_EQ(Slice(CommBytes(), 53, SectionSize), Bytes(SectionSize - 53, Untouched));

  const Bytes before = CommBytes();
  comm.SendReset();
  EXPECT_EQ(CommBytes()[0], 2);
  EXPECT_EQ(Slice(CommBytes(), 1, SectionSize), Slice(before, 1, SectionSize));
  comm.SendSettings(Settings());
  EXPECT_EQ(CommBytes()[0], 1) << "settings after a reset";
  EXPECT_NE(Slice(CommBytes(), 1, 53), DistinctRecord);
}

TEST_F(GraphFeedTest, CreationFailureReachesTheCaller) {
  platform.sharedMemoryFake.failing = true;
  EXPECT_THROW(TGraphFeed(platform.sharedMemory(), platform.clock()), platform::SharedMemoryError);
  EXPECT_THROW(TGraphComm(platform.sharedMemory()), platform::SharedMemoryError);
}

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

// The reader's sections carry a suffix of the test's own, so that a Meterly running for the same
// user is never disturbed.
class GraphFeedReaderTest : public testing::Test {
 protected:
  void TearDown() override {
    for (const QString& section : {FeedSection, CommSection}) {
      ::shm_unlink(memory.ObjectName(section).toUtf8().constData());
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

  comm.SendSettings(DistinctGraphSettings());
  clock.ticks = 4000000001u;
  feed.Publish(3000000000u, 42);
  const std::string expected =
      "settings ColorBack 0x030201 ColorDataIn 0x060504 ColorDataOut 0x090807 ColorDataBoth 0x0C0B0A"
      " ColorDataFrame 0x0F0E0D ColorDataText 0x121110 GradientColor 0x151413 Unit 1 EnableGradient 1"
      " EnableSmooth 0 LeftToRight 1 FixedScale 0 FixedScaleValue -2 LineType 2 LineStep 538515479\n"
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
