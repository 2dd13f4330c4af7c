#pragma once

#include "display/histogram.h"

#include <QIcon>
#include <QImage>

namespace meterly {

struct Settings;

// The tray icon's image of a rendered graph. The graph paints every pixel of its surface
// (background, frame, series), so the mask is opaque throughout: the icon is the
// graph exactly as the graph window shows it, readable on light and dark panels alike, and no
// tray has to derive a mask from the colours.
QImage TrayIconImage(const QImage& rendered);

// The small graph drawn in the tray icon: a hidden 16 x 16 graph without grid and averages,
// with the look of the graph window.
class TTrayIconGraph {
 public:
  static constexpr int IconSize = 16;
  // The sizes in device pixels that trays ask for, from a 16-pixel panel at 100 % to 48 at 300 %.
  static constexpr int TraySizes[] = {16, 20, 22, 24, 32, 48};

  TTrayIconGraph();

  // Colours, unit, gradient, line type and step, fixed scale, smoothing and direction, as the
  // graph window takes them. A new unit empties the graph.
  void ApplySettings(const Settings& settings);

  // One tick: renders what the graph holds, then takes this second's figures, so the icon
  // shows them a second later than the graph window. Returns the icon of the rendering.
  QIcon Step(quint32 lastDeltaIn, quint32 lastDeltaOut);

  void Clear() { graph_.Clear(); }
  const THistogram& Graph() const { return graph_; }

 private:
  THistogram graph_;
};

}  // namespace meterly
