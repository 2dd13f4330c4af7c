#pragma once

#include <QFont>

namespace meterly {

constexpr int GridLabelPoints = 8;
constexpr int NumberPanelPoints = 7;
constexpr int AveragesPoints = 8;

// The graph's texts use one face that every desktop has, so that they take the same room
// everywhere.
QFont HistogramFont(int points);

// The font as the surfaces draw it: a point size becomes whole pixels at 96 dots per inch and
// glyphs are not antialiased, so that a repaint sets the same pixels on every machine.
QFont SurfaceFont(const QFont& font);

}  // namespace meterly
