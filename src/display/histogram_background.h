#pragma once

#include "display/histogram_options.h"

#include <QRect>

class QPainter;

namespace meterly {

// The plot's share of the surface, frame included: all of it, less the labels' margin when the
// grid is shown.
QRect FramedArea(const QSize& surface, const HistogramOptions& options);

// Fills the rectangle with BackColor, or with EnableGradient a vertical gradient from
// GradColor on its top row to BackColor on its bottom row. The back image plays no part.
void FillBackground(QPainter& painter, const QRect& area, const HistogramOptions& options);

// The graph surface's background: the back image stretched over it, or the fill; then a
// one-pixel frame in FrameColor round the whole surface, less the grid's margin.
void DrawGraphBackground(QPainter& painter, const QSize& surface, const HistogramOptions& options);

}  // namespace meterly
