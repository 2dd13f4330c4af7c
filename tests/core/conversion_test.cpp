#include "core/conversion.h"

#include "core/settings.h"
#include "support/expect_assertion.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace meterly {
namespace {

constexpr qint64 Int64Max = std::numeric_limits<qint64>::max();
constexpr qint64 Int64Min = std::numeric_limits<qint64>::min();

struct VolumeRow {
  qint64 bytes;
  const char* text;
};

struct FixedVolumeRow {
  quint8 volumeUnit;
  qint64 bytes;
  const char* text;
};

struct SpeedRow {
  quint8 rateUnit;
  qint64 bytesPerSecond;
  const char* text;
};

struct DurationRow {
  quint32 seconds;
  const char* text;
};

const VolumeRow AutomaticVolumes[] = {
    {0, "0 bytes"},        {999, "999 bytes"},      {1000, "0.98 KB"},
    {1024, "1.00 KB"},     {10239, "10.00 KB"},  // 9.999 keeps two decimals and rounds up
    {10240, "10.0 KB"},    {102399, "100.0 KB"},    {102400, "100 KB"},
    {999999, "977 KB"},    {1000000, "0.95 MB"},    {10485760, "10.0 MB"},
    {999999999, "954 MB"}, {1000000000, "0.93 GB"}, {1099511627776, "1024 GB"},
};

std::string Volume(qint64 bytes, quint8 volumeUnit, const QLocale& locale = QLocale::c()) {
  return FormatVolume(false, bytes, volumeUnit, locale).toStdString();
}

std::string BitVolume(qint64 bits, const QLocale& locale = QLocale::c()) {
  return FormatBitVolume(bits, locale).toStdString();
}

std::string Speed(quint8 rateUnit, qint64 bytesPerSecond, const QLocale& locale = QLocale::c()) {
  return FormatSpeed(rateUnit, bytesPerSecond, locale).toStdString();
}

TEST(ConversionTest, PrecisionDependsOnTheUnroundedValue) {
  EXPECT_EQ(PrecisionFormat(0), QStringLiteral("%.2f %s"));
  EXPECT_EQ(PrecisionFormat(9.999), QStringLiteral("%.2f %s"));
  EXPECT_EQ(PrecisionFormat(10), QStringLiteral("%.1f %s"));
  EXPECT_EQ(PrecisionFormat(99.99), QStringLiteral("%.1f %s"));
  EXPECT_EQ(PrecisionFormat(100), QStringLiteral("%.0f %s"));
}

TEST(ConversionTest, AutomaticVolumesSwitchAtPowersOf1000AndDivideByPowersOf1024) {
  for (const auto& [bytes, text] : AutomaticVolumes) EXPECT_EQ(Volume(bytes, TVolumeUnit::Automatic), text) << bytes;
}

TEST(ConversionTest, ForcedAutomaticScalingIgnoresTheVolumeUnit) {
  for (const auto& [bytes, text] : AutomaticVolumes) {
    EXPECT_EQ(FormatVolume(true, bytes, TVolumeUnit::Kilobytes, QLocale::c()).toStdString(), text) << bytes;
    EXPECT_EQ(FormatVolume(true, bytes, TVolumeUnit::Bytes, QLocale::c()).toStdString(), text) << bytes;
    // Out of range, but never consulted.
    EXPECT_EQ(FormatVolume(true, bytes, 9, QLocale::c()).toStdString(), text) << bytes;
  }
}

TEST(ConversionTest, FixedVolumeUnitsAlwaysShowTwoDecimals) {
  const FixedVolumeRow rows[] = {
      {TVolumeUnit::Gigabytes, 0, "0.00 GB"},
      {TVolumeUnit::Gigabytes, 1073741824, "1.00 GB"},
      {TVolumeUnit::Gigabytes, 1099511627776, "1024.00 GB"},
      {TVolumeUnit::Megabytes, 1048576, "1.00 MB"},
      {TVolumeUnit::Megabytes, 1000, "0.00 MB"},
      {TVolumeUnit::Kilobytes, 1000, "0.98 KB"},
      {TVolumeUnit::Kilobytes, 5000000, "4882.81 KB"},
      {TVolumeUnit::Bytes, 1234567, "1234567 bytes"},
      {TVolumeUnit::Bytes, 1099511627776, "1099511627776 bytes"},
  };
  for (const auto& [volumeUnit, bytes, text] : rows) {
    EXPECT_EQ(Volume(bytes, volumeUnit), text) << int(volumeUnit) << ": " << bytes;
  }
}

TEST(ConversionTest, BitVolumesScaleByPowersOf1000) {
  const VolumeRow rows[] = {
      {0, "0 bit"},           {999, "999 bit"},          {1000, "1.00 kbit"},          {999999, "1000 kbit"},
      {1000000, "1.00 Mbit"}, {1000000000, "1.00 GBit"}, {1000000000000, "1000 GBit"},
  };
  for (const auto& [bits, text] : rows) EXPECT_EQ(BitVolume(bits), text) << bits;
}

TEST(ConversionTest, SpeedsInBytesOrBitsPerSecond) {
  const SpeedRow rows[] = {
      {RateUnit::BytesPerSecond, 0, "0 bytes/s"},       {RateUnit::BytesPerSecond, 1000, "0.98 KB/s"},
      {RateUnit::BytesPerSecond, 125000, "122 KB/s"},   {RateUnit::BytesPerSecond, 1048576, "1.00 MB/s"},
      {RateUnit::BitsPerSecond, 100, "800 bit/s"},      {RateUnit::BitsPerSecond, 125, "1.00 kbit/s"},
      {RateUnit::BitsPerSecond, 125000, "1.00 Mbit/s"}, {RateUnit::BitsPerSecond, 1048576, "8.39 Mbit/s"},
  };
  for (const auto& [rateUnit, bytesPerSecond, text] : rows) {
    EXPECT_EQ(Speed(rateUnit, bytesPerSecond), text) << int(rateUnit) << ": " << bytesPerSecond;
  }
}

TEST(ConversionTest, UnknownRateUnitShowsBytesPerSecond) {
  EXPECT_EQ(Speed(2, 1000), "0.98 KB/s");
  EXPECT_EQ(Speed(255, 100), "100 bytes/s");
}

TEST(ConversionTest, DurationsShowSecondsOnlyBelowAnHour) {
  const DurationRow rows[] = {
      {0, "None"},           {59, "59 s"},
      {60, "1 min"},         {61, "1 min 1 s"},
      {3599, "59 min 59 s"}, {3600, "1 h"},
      {3605, "1 h"},         {3661, "1 h 1 min"},
      {86400, "24 h"},       {std::numeric_limits<quint32>::max(), "1193046 h 28 min"},
  };
  for (const auto& [seconds, text] : rows) EXPECT_EQ(FormatDuration(seconds).toStdString(), text) << seconds;
}

TEST(ConversionTest, GermanLocaleWritesADecimalCommaAndNoThousandsSeparators) {
  const QLocale german(QLocale::German);
  EXPECT_EQ(Volume(1000, TVolumeUnit::Automatic, german), "0,98 KB");
  EXPECT_EQ(Volume(102399, TVolumeUnit::Automatic, german), "100,0 KB");
  EXPECT_EQ(Volume(1099511627776, TVolumeUnit::Automatic, german), "1024 GB");
  EXPECT_EQ(Volume(5000000, TVolumeUnit::Kilobytes, german), "4882,81 KB");
  EXPECT_EQ(Volume(1234567, TVolumeUnit::Bytes, german), "1234567 bytes");
  EXPECT_EQ(BitVolume(999999, german), "1000 kbit");
  EXPECT_EQ(Speed(RateUnit::BitsPerSecond, 1048576, german), "8,39 Mbit/s");
}

TEST(ConversionTest, VolumeUnitOutsideZeroToFourIsAConsistencyErrorOfConversion) {
  for (const quint8 volumeUnit : {quint8{5}, quint8{255}}) {
    testing_support::ExpectAssertion("Conversion", [volumeUnit] { FormatVolume(false, 1000, volumeUnit); });
  }
  Settings settings;
  settings.VolumeUnit = 5;
  testing_support::ExpectAssertion("Conversion", [&settings] { FormatVolume(false, 0, settings); });
  // Speeds scale automatically and never look at the volume unit.
  EXPECT_EQ(FormatSpeed(settings, 1000, QLocale::c()), QStringLiteral("0.98 KB/s"));
}

TEST(ConversionTest, SettingsOverloadsFollowVolumeUnitAndUnit) {
  Settings settings;
  EXPECT_EQ(FormatVolume(false, 1048576, settings, QLocale::c()), QStringLiteral("1.00 MB"));
  settings.VolumeUnit = TVolumeUnit::Kilobytes;
  EXPECT_EQ(FormatVolume(false, 1048576, settings, QLocale::c()), QStringLiteral("1024.00 KB"));
  EXPECT_EQ(FormatSpeed(settings, 1048576, QLocale::c()), QStringLiteral("1.00 MB/s"));
  settings.Unit = RateUnit::BitsPerSecond;
  EXPECT_EQ(FormatSpeed(settings, 125, QLocale::c()), QStringLiteral("1.00 kbit/s"));
}

TEST(ConversionTest, NegativeValuesPrintAsPlainCounts) {
  EXPECT_EQ(Volume(-1, TVolumeUnit::Automatic), "-1 bytes");
  EXPECT_EQ(Volume(-5000000, TVolumeUnit::Automatic), "-5000000 bytes");
  EXPECT_EQ(Volume(-1048576, TVolumeUnit::Megabytes), "-1.00 MB");
  EXPECT_EQ(Volume(-5, TVolumeUnit::Bytes), "-5 bytes");
  EXPECT_EQ(BitVolume(-1000), "-1000 bit");
  EXPECT_EQ(Speed(RateUnit::BytesPerSecond, -2048), "-2048 bytes/s");
  EXPECT_EQ(Speed(RateUnit::BitsPerSecond, -100), "-800 bit/s");
}

TEST(ConversionTest, SixtyFourBitExtremes) {
  EXPECT_EQ(Volume(Int64Max, TVolumeUnit::Automatic), "8589934592 GB");
  EXPECT_EQ(Volume(Int64Min, TVolumeUnit::Automatic), "-9223372036854775808 bytes");
  EXPECT_EQ(Volume(Int64Max, TVolumeUnit::Bytes), "9223372036854775807 bytes");
  EXPECT_EQ(Volume(Int64Max, TVolumeUnit::Kilobytes), "9007199254740992.00 KB");
  EXPECT_EQ(Volume(Int64Min, TVolumeUnit::Gigabytes), "-8589934592.00 GB");
  EXPECT_EQ(BitVolume(Int64Max), "9223372037 GBit");
  EXPECT_EQ(BitVolume(Int64Min), "-9223372036854775808 bit");
  // Eight times these would leave the 64-bit range: the bit rate saturates instead.
  EXPECT_EQ(Speed(RateUnit::BitsPerSecond, Int64Max), "9223372037 GBit/s");
  EXPECT_EQ(Speed(RateUnit::BitsPerSecond, Int64Max / 8 + 1), "9223372037 GBit/s");
  EXPECT_EQ(Speed(RateUnit::BitsPerSecond, Int64Min), "-9223372036854775808 bit/s");
  EXPECT_EQ(Speed(RateUnit::BytesPerSecond, Int64Max), "8589934592 GB/s");
}

}  // namespace
}  // namespace meterly
