#pragma once

#include <QLocale>
#include <QString>

namespace meterly {

// The value with exactly `decimals` digits after the locale's decimal point, never in exponent
// form ("1.50", "20").
QString FixedNumber(long double value, int decimals, const QLocale& locale);

struct Settings;

// Automatic scaling moves to the next unit at each power of the threshold and divides by the
// same power of the step. Bytes switch at powers of 1000 but divide by powers of 1024, so
// 1000 bytes read "0.98 KB".
constexpr qint64 ByteThreshold = 1000;
constexpr qint64 ByteStep = 1024;
constexpr qint64 BitThreshold = 1000;
constexpr qint64 BitStep = 1000;

// Values of Settings::VolumeUnit, in the order of the list cmbVolumeUnit.
namespace TVolumeUnit {
constexpr quint8 Automatic = 0;
constexpr quint8 Gigabytes = 1;
constexpr quint8 Megabytes = 2;
constexpr quint8 Kilobytes = 3;
constexpr quint8 Bytes = 4;
}  // namespace TVolumeUnit

// Values of Settings::Unit, in the order of the radio group rgUnit.
namespace RateUnit {
constexpr quint8 BytesPerSecond = 0;
constexpr quint8 BitsPerSecond = 1;
}  // namespace RateUnit

// Every number these routines write has ASCII digits and no thousands separators; only the
// decimal separator is the locale's.

// A byte count. Unless forceAutomatic is set, a volumeUnit other than Automatic fixes the unit
// and the number always has two decimals. Automatic scaling stops at "GB" (1 TiB reads
// "1024 GB"). A volumeUnit outside 0 to 4 raises EAssertionFailed naming "Conversion" when
// it is used.
QString FormatVolume(bool forceAutomatic, qint64 bytes, quint8 volumeUnit, const QLocale& locale = QLocale::system());
QString FormatVolume(bool forceAutomatic, qint64 bytes, const Settings& settings,
                     const QLocale& locale = QLocale::system());

// A bit count, always scaled automatically by powers of 1000, up to "GBit".
QString FormatBitVolume(qint64 bits, const QLocale& locale = QLocale::system());

// A speed in the rate unit (a RateUnit value), with "/s" appended. Byte speeds always scale
// automatically, whatever the volume unit. A rate unit the settings window cannot show is
// taken as bytes per second, the default. Bit rates beyond the 64-bit range saturate.
QString FormatSpeed(quint8 rateUnit, qint64 bytesPerSecond, const QLocale& locale = QLocale::system());
QString FormatSpeed(const Settings& settings, qint64 bytesPerSecond, const QLocale& locale = QLocale::system());

// "None" for zero; otherwise hours and minutes, each left out when zero. Seconds are shown only
// below an hour: 61 reads "1 min 1 s", 3661 reads "1 h 1 min".
QString FormatDuration(quint32 seconds);

}  // namespace meterly
