#pragma once

#include "core/colorref.h"

namespace meterly {

// Moves each of red, green and blue the given per cent of the way towards white, rounding
// halves away from zero.
Colorref Lighten(Colorref colour, int percent);

}  // namespace meterly
