#include "display/colorref.h"

namespace meterly {
namespace {

Colorref LightenChannel(Colorref channel, int percent) {
  const qint64 towardsWhite = static_cast<qint64>(255 - channel) * percent;
  const qint64 rounded = towardsWhite >= 0 ? (towardsWhite + 50) / 100 : (towardsWhite - 50) / 100;
  return static_cast<Colorref>(static_cast<qint64>(channel) + rounded);
}

}  // namespace

Colorref Lighten(Colorref colour, int percent) {
  Colorref lightened = 0;
  for (int shift = 0; shift <= 16; shift += 8) lightened |= LightenChannel((colour >> shift) & 0xFF, percent) << shift;
  return lightened;
}

}  // namespace meterly
