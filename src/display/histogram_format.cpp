#include "display/histogram_format.h"

#include <array>
#include <charconv>

namespace meterly {
namespace {

QString FixedDecimals(double value, int decimals) {
  std::array<char, 32> digits{};
  const auto [end, error] =
      std::to_chars(digits.data(), digits.data() + digits.size(), value, std::chars_format::fixed, decimals);
  if (error != std::errc()) return QString();
  return QString::fromLatin1(digits.data(), end - digits.data());
}

QString Scaled(quint32 value, double divisor, QChar suffix) {
  const double scaled = value / divisor;
  return FixedDecimals(scaled, scaled < 10 ? 1 : 0) + suffix;
}

}  // namespace

QString FormatValue(quint32 value, quint32 unitDivisor) {
  const double divisor = unitDivisor;
  if (value < 1000) return QString::number(value);
  if (value < 1000000) return Scaled(value, divisor, u'K');
  if (value < 1000000000) return Scaled(value, divisor * divisor, u'M');
  return Scaled(value, divisor * divisor * divisor, u'G');
}

}  // namespace meterly
