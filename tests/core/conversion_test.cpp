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

const VolumeRow AutomaticVolumes[] = {
    {0, "0 bytes"},        {999, "999 bytes"},      {1000, "0.98 KB"},
    {1024, "1.00 KB"},     {10239, "10.00 KB"},  // 9.999 keeps two decimals and rounds up
    {10240, "10.0 KB"},    {102399, "100.0 KB"},    {102400, "100 KB"},
    {999999, "977 KB"},    {1000000, "0.95 MB"},    {10485760, "10.0 MB"},
    {999999999, "954 MB"}, {1000000000, "0.93 GB"}, {1099511627776, "1024 GB"},
};

// Byte volumes in a unit, bit volumes, and speeds in a rate unit.
enum class Kind { Volume, Bits, Speed };

struct FormatRow {
  Kind kind;
  quint8 unit;
  qint64 value;
  const char* text;
  QLocale::Language language = QLocale::C;
};

std::string Format(const FormatRow& row) {
  const QLocale locale(row.language);
  switch (row.kind) {
    case Kind::Volume:
      return FormatVolume(false, row.value, row.unit, locale).toStdString();
    case Kind::Bits:
      return FormatBitVolume(row.value, locale).toStdString();
    case Kind::Speed:
      return FormatSpeed(row.unit, row.value, locale).toStdString();
  }
  return {};
}

TEST(ConversionTest, AutomaticVolumesSwitchAtPowersOf1000AndDivideByPowersOf1024) {
  for (const auto& [bytes, text] : AutomaticVolumes) {
    EXPECT_EQ(FormatVolume(false, bytes, TVolumeUnit::Automatic, QLocale::c()).toStdString(), text) << bytes;
    EXPECT_EQ(FormatVolume(true, bytes, TVolumeUnit::Kilobytes, QLocale::c()).toStdString(), text) << bytes;
    // Out of range, but never consulted when scaling is forced.
    EXPECT_EQ(FormatVolume(true, bytes, 9, QLocale::c()).toStdString(), text) << bytes;
  }
}

// Fixed units show two decimals, bits scale by 1000, an unknown rate unit is bytes per second, negative values
// are plain counts, bit rates beyond 64 bits saturate, and German has a decimal comma and no separators.
TEST(ConversionTest, UnitsRatesSignsExtremesAndLocales) {
  using enum Kind;
  constexpr quint8 Automatic = TVolumeUnit::Automatic, Gigabytes = TVolumeUnit::Gigabytes,
                   Megabytes = TVolumeUnit::Megabytes, Kilobytes = TVolumeUnit::Kilobytes, Bytes = TVolumeUnit::Bytes,
                   PerSecond = RateUnit::BytesPerSecond, BitsPerSecond = RateUnit::BitsPerSecond;
  const FormatRow rows[] = {
      {Volume, Gigabytes, 1073741824, "1.00 GB"},
      {Volume, Gigabytes, 1099511627776, "1024.00 GB"},
      {Volume, Megabytes, 1000, "0.00 MB"},
      {Volume, Kilobytes, 5000000, "4882.81 KB"},
      {Volume, Bytes, 1099511627776, "1099511627776 bytes"},
      {Bits, 0, 999, "999 bit"},
      {Bits, 0, 1000, "1.00 kbit"},
      {Bits, 0, 999999, "1000 kbit"},
      {Bits, 0, 1000000000, "1.00 GBit"},
      {Bits, 0, 1000000000000, "1000 GBit"},
      {Speed, PerSecond, 125000, "122 KB/s"},
      {Speed, BitsPerSecond, 100, "800 bit/s"},
      {Speed, BitsPerSecond, 125000, "1.00 Mbit/s"},
      {Speed, BitsPerSecond, 1048576, "8.39 Mbit/s"},
      {Speed, 2, 1000, "0.98 KB/s"},
      {Speed, 255, 100, "100 bytes/s"},
      {Volume, Automatic, -5000000, "-5000000 bytes"},
      {Volume, Megabytes, -1048576, "-1.00 MB"},
      {Speed, PerSecond, -2048, "-2048 bytes/s"},
      {Bits, 0, -1000, "-1000 bit"},
      {Speed, BitsPerSecond, -100, "-800 bit/s"},
      {Volume, Automatic, Int64Max, "8589934592 GB"},
      {Volume, Automatic, Int64Min, "-9223372036854775808 bytes"},
      {Volume, Kilobytes, Int64Max, "9007199254740992.00 KB"},
      {Bits, 0, Int64Max, "9223372037 GBit"},
      {Bits, 0, Int64Min, "-9223372036854775808 bit"},
      {Speed, BitsPerSecond, Int64Max / 8 + 1, "9223372037 GBit/s"},
      {Speed, BitsPerSecond, Int64Min, "-9223372036854775808 bit/s"},
      {Speed, PerSecond, Int64Max, "8589934592 GB/s"},
      {Volume, Automatic, 102399, "100,0 KB", QLocale::German},
      {Volume, Automatic, 1099511627776, "1024 GB", QLocale::German},
      {Volume, Kilobytes, 5000000, "4882,81 KB", QLocale::German},
      {Volume, Bytes, 1234567, "1234567 bytes", QLocale::German},
      {Speed, BitsPerSecond, 1048576, "8,39 Mbit/s", QLocale::German},
  };
  for (const FormatRow& row : rows) {
    EXPECT_EQ(Format(row), row.text) << static_cast<int>(row.kind) << " unit " << int(row.unit) << ": " << row.value;
  }
}

TEST(ConversionTest, DurationsShowSecondsOnlyBelowAnHour) {
  const std::pair<quint32, const char*> rows[] = {
      {0, "None"},           {59, "59 s"},
      {60, "1 min"},         {61, "1 min 1 s"},
      {3599, "59 min 59 s"}, {3600, "1 h"},
      {3605, "1 h"},         {3661, "1 h 1 min"},
      {86400, "24 h"},       {std::numeric_limits<quint32>::max(), "1193046 h 28 min"},
  };
  for (const auto& [seconds, text] : rows) EXPECT_EQ(FormatDuration(seconds).toStdString(), text) << seconds;
}

TEST(ConversionTest, SettingsOverloadsFollowVolumeUnitAndUnitAndRefuseAVolumeUnitOutsideZeroToFour) {
  Settings settings;
  settings.VolumeUnit = TVolumeUnit::Kilobytes;
  EXPECT_EQ(FormatVolume(false, 1048576, settings, QLocale::c()), QStringLiteral("1024.00 KB"));
  EXPECT_EQ(FormatSpeed(settings, 1048576, QLocale::c()), QStringLiteral("1.00 MB/s"));
  settings.Unit = RateUnit::BitsPerSecond;
  EXPECT_EQ(FormatSpeed(settings, 125, QLocale::c()), QStringLiteral("1.00 kbit/s"));

  for (const quint8 volumeUnit : {quint8{5}, quint8{255}}) {
    testing_support::ExpectAssertion("Conversion", [volumeUnit] { FormatVolume(false, 1000, volumeUnit); });
  }
  settings.VolumeUnit = 5;
  testing_support::ExpectAssertion("Conversion", [&settings] { FormatVolume(false, 0, settings); });
  // Speeds scale automatically and never look at the volume unit.
  EXPECT_EQ(FormatSpeed(settings, 1000, QLocale::c()), QStringLiteral("8.00 kbit/s"));
}

}  // namespace
}  // namespace meterly
