#include "display/histogram_format.h"

#include "core/conversion.h"

#include <QLocale>

namespace meterly {
namespace {

QString Scaled(quint32 value, double divisor, QChar suffix) {
  const double scaled = value / divisor;
  return FixedNumber(scaled, scaled < 10 ? 1 : 0, QLocale::c()) + suffix;
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
