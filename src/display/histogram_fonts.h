#pragma once

#include <QFont>

namespace meterly {

constexpr int GridLabelPoints = 8;
constexpr int NumberPanelPoints = 7;
constexpr int AveragesPoints = 8;

// The graph's texts use one face that every desktop has, so that they take the same room
// everywhere.
QFont HistogramFont(int points);

// The font as the surfaces draw it: a point size becomes whole pixels at 96 dots per inch (the
// surfaces' own pixels, scaled to the screen's device pixels), and glyphs are antialiased.
QFont SurfaceFont(const QFont& font);

}  // namespace meterly
