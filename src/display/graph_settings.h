#pragma once

#include "core/settings.h"
#include "display/histogram_options.h"

#include <QImage>
#include <QString>

namespace meterly {

class THistogram;

// The colours and drawing style a graph takes from the settings, or from the colours page
// while it is being edited.
struct GraphLook {
  Colorref Back = 0;
  Colorref In = 0;
  Colorref Out = 0;
  Colorref Both = 0;
  Colorref Text = 0;
  Colorref Frame = 0;
  Colorref Tick = 0;
  bool EnableGradient = false;
  Colorref GradColor = 0;
  TLineType LineType = TLineType::ltBars;
  int LineStep = 1;
};

// The stored look; the tick lines are the text colour lightened by 40 per cent.
GraphLook GraphLookOf(const Settings& settings);

void ApplyGraphLook(THistogram& graph, const GraphLook& look);

// The colour settings of every graph that shows the live speeds: the look and the unit. A new
// unit empties the graph, since the values it holds are in the old one.
void ApplyColourSettings(THistogram& graph, const Settings& settings);

// The scale settings of every graph that shows the live speeds: fixed maximum, smoothing and
// direction.
void ApplyScaleSettings(THistogram& graph, const Settings& settings);

// What only the floating window's graph takes: the grid and the minute ticks.
void ApplyWindowGraphSettings(THistogram& graph, const Settings& settings);

// The back image: the named file when the image is switched on and the file reads as a
// bitmap (the only format taken), else a null image, which clears it.
QImage LoadBackImage(bool enabled, const QString& fileName);

}  // namespace meterly
