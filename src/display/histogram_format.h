#pragma once

#include <QString>

namespace meterly {

// The divisor of one unit step: bytes count in 1024s, bits in 1000s.
constexpr quint32 ByteUnitDivisor = 1024;
constexpr quint32 BitUnitDivisor = 1000;

// A graph value as a short text: plain below 1000, else scaled by powers of the divisor with
// the suffix "K", "M" or "G" and one decimal below 10 ("1.5K", "20K"). The suffix changes at
// powers of 1000 whatever the divisor, so 1000 bytes read "1.0K".
QString FormatValue(quint32 value, quint32 unitDivisor);

}  // namespace meterly
