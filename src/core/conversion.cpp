#include "core/conversion.h"

#include "base/assertion.h"
#include "core/settings.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cstring>
#include <initializer_list>
#include <limits>
#include <variant>

namespace meterly {
namespace {

// The formats are the program's own texts, filled the way the rest of the system fills them:
// "%d" takes an integer, "%.Nf" a number with N decimals (N one digit), "%s" a text.
using FormatArgument = std::variant<qint64, long double, QString>;

struct Placeholder {
  QChar kind;
  int decimals = 0;
  qsizetype length = 0;  // after the "%"
};

Placeholder ReadPlaceholder(QStringView afterPercent) {
  if (afterPercent.size() >= 3 && afterPercent[0] == u'.' && afterPercent[1].isDigit() && afterPercent[2] == u'f') {
    return {u'f', afterPercent[1].digitValue(), 3};
  }
  METERLY_ASSERT(!afterPercent.isEmpty() && (afterPercent[0] == u'd' || afterPercent[0] == u's'), "Conversion",
                 "Unknown placeholder in a format text");
  return {afterPercent[0], 0, 1};
}

template <typename T>
const T& ArgumentAs(const FormatArgument& argument) {
  const T* value = std::get_if<T>(&argument);
  METERLY_ASSERT(value != nullptr, "Conversion", "Format argument of the wrong type");
  return *value;
}

QString Render(const Placeholder& placeholder, const FormatArgument& argument, const QLocale& locale) {
  if (placeholder.kind == u'd') return QString::number(ArgumentAs<qint64>(argument));
  if (placeholder.kind == u'f') return FixedNumber(ArgumentAs<long double>(argument), placeholder.decimals, locale);
  return ArgumentAs<QString>(argument);
}

QString FillFormat(QStringView format, std::initializer_list<FormatArgument> arguments, const QLocale& locale) {
  QString text;
  auto next = arguments.begin();
  for (qsizetype at = 0; at < format.size(); ++at) {
    if (format[at] != u'%') {
      text += format[at];
      continue;
    }
    METERLY_ASSERT(next != arguments.end(), "Conversion", "Too few format arguments");
    const Placeholder placeholder = ReadPlaceholder(format.mid(at + 1));
    text += Render(placeholder, *next++, locale);
    at += placeholder.length;
  }
  METERLY_ASSERT(next == arguments.end(), "Conversion", "Too many format arguments");
  return text;
}

// A scale of units: rank 0 is the plain count, each further rank divides by one more step.
struct UnitScale {
  qint64 threshold;
  qint64 step;
  std::array<const char*, 4> names;
};

constexpr int TopRank = 3;
constexpr UnitScale ByteScale{ByteThreshold, ByteStep, {"bytes", "KB", "MB", "GB"}};
constexpr UnitScale BitScale{BitThreshold, BitStep, {"bit", "kbit", "Mbit", "GBit"}};

enum class Decimals { ByMagnitude, AlwaysTwo };

// The decimals of an amount shown in a unit: two below 10, one below 100, none above. The choice
// is made on the unrounded value, so 9.999 prints as "10.00".
int PrecisionDecimals(double scaled) { return scaled < 10 ? 2 : scaled < 100 ? 1 : 0; }

// Negative values stay below the first threshold and print as a plain count.
int AutomaticRank(qint64 value, qint64 threshold) {
  int rank = 0;
  for (qint64 limit = threshold; rank < TopRank && value >= limit; limit *= threshold) ++rank;
  return rank;
}

long double Divisor(qint64 step, int rank) {
  long double divisor = 1;
  for (int i = 0; i < rank; ++i) divisor *= static_cast<long double>(step);
  return divisor;
}

// The digits of the value with the decimals given, "." as the point, written from at on.
char* FixedDigits(char* at, char* end, long double value, int decimals) {
  const auto [last, error] = std::to_chars(at, end, value, std::chars_format::fixed, decimals);
  METERLY_ASSERT(error == std::errc(), "Conversion", "Number too long to format");
  return last;
}

// The same digits as FixedDigits of value / 2^shift for a value not below zero, worked out in
// integers: that quotient is exact in extended precision, and the C library rounds it to nearest,
// ties to even, as done here. A tenth of the cost of the C library's formatting.
char* PowerOfTwoQuotientDigits(char* at, char* end, qint64 value, int shift, int decimals) {
  quint64 unit = 1;
  for (int i = 0; i < decimals; ++i) unit *= 10;
  // value * unit / 2^shift, split so that no product leaves 64 bits: the whole part of the
  // quotient times unit, plus the remainder times unit, which stays below 2^(shift + 7).
  const auto count = static_cast<quint64>(value);
  const quint64 mask = (quint64{1} << shift) - 1;
  const quint64 remainder = (count & mask) * unit;
  quint64 rounded = (count >> shift) * unit + (remainder >> shift);
  const quint64 rest = remainder & mask;
  const quint64 half = quint64{1} << (shift - 1);
  if (rest > half || (rest == half && rounded % 2 == 1)) ++rounded;
  at = std::to_chars(at, end, rounded / unit).ptr;
  if (decimals == 0) return at;
  *at++ = '.';
  quint64 fraction = rounded % unit;
  for (int i = decimals - 1; i >= 0; --i, fraction /= 10) at[i] = static_cast<char>('0' + fraction % 10);
  return at + decimals;
}

// "%d %s" or "%.Nf %s" of the number and the unit, made in one buffer: reports fill tens of
// thousands of cells with it.
QString FormatInUnit(qint64 value, const UnitScale& scale, int rank, Decimals decimals, const QLocale& locale) {
  std::array<char, 72> text{};
  char* const end = text.data() + text.size();
  int places = 0;
  char* at = nullptr;
  if (rank == 0) {
    at = std::to_chars(text.data(), end, value).ptr;
  } else {
    // Extended precision, so that counts beyond 2^53 keep every bit before rounding.
    const long double scaled = static_cast<long double>(value) / Divisor(scale.step, rank);
    places = decimals == Decimals::AlwaysTwo ? 2 : PrecisionDecimals(static_cast<double>(scaled));
    const bool powerOfTwo = (scale.step & (scale.step - 1)) == 0;
    at = powerOfTwo && value >= 0
             ? PowerOfTwoQuotientDigits(text.data(), end - 8, value,
                                        rank * std::countr_zero(static_cast<quint64>(scale.step)), places)
             : FixedDigits(text.data(), end - 8, scaled, places);
  }
  *at++ = ' ';
  const char* const unit = scale.names[static_cast<std::size_t>(rank)];
  at = std::copy(unit, unit + std::strlen(unit), at);
  QString result = QString::fromLatin1(text.data(), at - text.data());
  // The units have no ".": only the number's point is the locale's.
  return places > 0 ? result.replace(u'.', locale.decimalPoint()) : result;
}

QString FormatAutomatic(qint64 value, const UnitScale& scale, const QLocale& locale) {
  return FormatInUnit(value, scale, AutomaticRank(value, scale.threshold), Decimals::ByMagnitude, locale);
}

int FixedRank(quint8 volumeUnit) {
  METERLY_ASSERT(volumeUnit >= TVolumeUnit::Gigabytes && volumeUnit <= TVolumeUnit::Bytes, "Conversion",
                 "Volume unit out of range");
  return TVolumeUnit::Bytes - volumeUnit;
}

qint64 SaturatingBits(qint64 bytes) {
  constexpr qint64 BitsPerByte = 8;
  constexpr qint64 Largest = std::numeric_limits<qint64>::max();
  constexpr qint64 Smallest = std::numeric_limits<qint64>::min();
  if (bytes > Largest / BitsPerByte) return Largest;
  if (bytes < Smallest / BitsPerByte) return Smallest;
  return bytes * BitsPerByte;
}

}  // namespace

QString FixedNumber(long double value, int decimals, const QLocale& locale) {
  std::array<char, 64> digits{};
  const char* const end = FixedDigits(digits.data(), digits.data() + digits.size(), value, decimals);
  QString text = QString::fromLatin1(digits.data(), end - digits.data());
  // Without decimals there is no point to replace, and no need to ask the locale for one.
  return decimals > 0 ? text.replace(u'.', locale.decimalPoint()) : text;
}

QString FormatVolume(bool forceAutomatic, qint64 bytes, quint8 volumeUnit, const QLocale& locale) {
  if (forceAutomatic || volumeUnit == TVolumeUnit::Automatic) return FormatAutomatic(bytes, ByteScale, locale);
  return FormatInUnit(bytes, ByteScale, FixedRank(volumeUnit), Decimals::AlwaysTwo, locale);
}

QString FormatVolume(bool forceAutomatic, qint64 bytes, const Settings& settings, const QLocale& locale) {
  return FormatVolume(forceAutomatic, bytes, settings.VolumeUnit, locale);
}

QString FormatBitVolume(qint64 bits, const QLocale& locale) { return FormatAutomatic(bits, BitScale, locale); }

QString FormatSpeed(quint8 rateUnit, qint64 bytesPerSecond, const QLocale& locale) {
  const QString volume = rateUnit == RateUnit::BitsPerSecond
                             ? FormatBitVolume(SaturatingBits(bytesPerSecond), locale)
                             : FormatVolume(true, bytesPerSecond, TVolumeUnit::Automatic, locale);
  return FillFormat(u"%s/s", {volume}, locale);
}

QString FormatSpeed(const Settings& settings, qint64 bytesPerSecond, const QLocale& locale) {
  return FormatSpeed(settings.Unit, bytesPerSecond, locale);
}

QString FormatDuration(quint32 seconds) {
  if (seconds == 0) return QCoreApplication::translate("Conversion", "None");
  constexpr quint32 SecondsPerMinute = 60;
  constexpr quint32 SecondsPerHour = 60 * SecondsPerMinute;
  const quint32 hours = seconds / SecondsPerHour;
  const quint32 minutes = seconds % SecondsPerHour / SecondsPerMinute;
  const quint32 rest = seconds % SecondsPerMinute;

  QString text;
  const auto append = [&text](quint32 count, const char* unit) {
    text += FillFormat(u"%d %s ", {qint64{count}, QString::fromLatin1(unit)}, QLocale::c());
  };
  if (hours > 0) append(hours, "h");
  if (minutes > 0) append(minutes, "min");
  if (hours == 0 && rest > 0) append(rest, "s");
  return text.trimmed();
}

}  // namespace meterly
