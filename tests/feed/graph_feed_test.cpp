#include "feed/graph_feed.h"
#include "fakes/fake_platform.h"
#include "feed/graph_comm.h"
#include "feed/graph_settings_record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

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

}  // namespace
}  // namespace meterly
