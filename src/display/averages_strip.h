#pragma once

#include "display/histogram_options.h"

#include <QRect>
#include <QString>

class QPainter;

namespace meterly {

// The strip below the plot: two boxes side by side, the in average on a light tint of ColorIn,
// the out average on a light tint of ColorOut.
struct AveragesTexts {
  QString In;
  QString Out;
};

// How far towards white the boxes' tints are, in per cent.
constexpr int AveragesTintPercent = 70;

QRect AveragesBoxIn(const QSize& strip);
QRect AveragesBoxOut(const QSize& strip);

void DrawAveragesStrip(QPainter& painter, const QSize& strip, const AveragesTexts& texts,
                       const HistogramOptions& options);

}  // namespace meterly
