#pragma once

#include "core/settings.h"

#include <QColor>

namespace meterly {

// Colours are kept in the settings' 0x00BBGGRR layout and become QColor only for drawing.
inline QColor ColorrefToQColor(Colorref colour) {
  return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}

inline Colorref QColorToColorref(const QColor& colour) {
  return static_cast<Colorref>(colour.red()) | static_cast<Colorref>(colour.green()) << 8 |
         static_cast<Colorref>(colour.blue()) << 16;
}

// Moves each of red, green and blue the given per cent of the way towards white, rounding
// halves away from zero.
Colorref Lighten(Colorref colour, int percent);

}  // namespace meterly
