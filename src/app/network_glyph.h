#pragma once

#include <QPixmap>

namespace meterly {

constexpr int NetworkGlyphSize = 48;

// A monitor with a globe before it: the picture beside the interface list, drawn for the
// screen's pixel ratio.
QPixmap NetworkGlyph(qreal devicePixelRatio);

}  // namespace meterly
