#pragma once

#include "display/histogram_options.h"
#include "display/sample_series.h"

#include <QImage>
#include <QSize>

namespace meterly {

// The plot's pixels inside its frame. Right and Bottom are one past the last column and row
// inside it, so the frame itself sits on them.
struct PlotArea {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  int Height() const { return Bottom - Top; }
};

PlotArea PlotAreaFor(const QSize& surface, const HistogramOptions& options);

// Horizontal distance between two drawn samples: one pixel for bars, LineStep for poly-lines.
int SampleStep(const HistogramOptions& options);

// Values per pixel: MaxValue, or the largest value the plot can show, over the plot height;
// never less than one value per pixel.
double PlotScale(const SampleSeries& in, const SampleSeries& out, const QSize& surface,
                 const HistogramOptions& options);

// Pixels a value stands for at the scale, at most the plot height.
int BarHeight(quint64 value, double scale, int plotHeight);

// Draws in, out and, for bars, the overlap of the two, newest sample at the near edge. No
// painter may be active on the surface.
void DrawSeries(QImage& surface, const PlotArea& area, double scale, const SampleSeries& in, const SampleSeries& out,
                const HistogramOptions& options);

}  // namespace meterly
