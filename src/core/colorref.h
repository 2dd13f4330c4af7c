#pragma once

#include <QColor>

namespace meterly {

// A colour in the 0x00BBGGRR layout, as the settings keep it; it becomes a QColor only for drawing.
using Colorref = quint32;

inline QColor ColorrefToQColor(Colorref colour) {
  return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}

inline Colorref QColorToColorref(const QColor& colour) {
  return static_cast<Colorref>(colour.red()) | static_cast<Colorref>(colour.green()) << 8 |
         static_cast<Colorref>(colour.blue()) << 16;
}

}  // namespace meterly
