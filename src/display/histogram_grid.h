#pragma once

#include "display/histogram_options.h"

#include <QSize>

#include <array>

class QPainter;

namespace meterly {

constexpr int GridRowCount = 4;
// The grid's dotted lines set one pixel in every DotSpacing.
constexpr int DotSpacing = 4;

// One horizontal line of the scale and its label, bottom row first.
struct GridRow {
  int LabelTop = 0;
  int LineY = 0;
  quint32 Value = 0;  // what the line's height stands for at the scale
};

// textHeight is the height of the labels' font.
std::array<GridRow, GridRowCount> GridRows(int surfaceHeight, int textHeight, double scale);

// The dotted scale lines with their labels in the margin, and the vertical ticks, which are
// measured from the newest edge and so stay put while the samples scroll.
void DrawGrid(QPainter& painter, const QSize& surface, double scale, quint32 unitDivisor,
              const HistogramOptions& options);

}  // namespace meterly
