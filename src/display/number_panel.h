#pragma once

#include "display/histogram_options.h"
#include "display/histogram_plot.h"

#include <QString>

class QFontMetrics;
class QPainter;

namespace meterly {

// The compact number panel: the two averages as "label: value" lines, in the series' colours,
// over the oldest end of the plot.
struct NumberPanelLines {
  QString In;
  QString Out;
};

// Wide enough for the longer line plus a little room, rounded up to tens of pixels so that the
// panel keeps its width while the digits change.
int NumberPanelWidth(const QFontMetrics& metrics, const NumberPanelLines& lines);

void DrawNumberPanel(QPainter& painter, const PlotArea& area, const NumberPanelLines& lines,
                     const HistogramOptions& options);

}  // namespace meterly
