#pragma once

#include "core/adapter_entry.h"
#include "core/settings.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

namespace meterly {

// A sticky window's edge that comes this close to the work area's edge is placed on it.
constexpr int SnapDistance = 10;
// The keypad's plus and minus keys change the opacity by this many per cent.
constexpr qint32 TransparencyKeyStep = 10;

// The window's alpha for an opacity in per cent: trunc(percent x 255 / 100).
int OpacityAlpha(qint32 percent);

// The opacity after one keypad step, held to 0 ... 100.
qint32 SteppedTransparency(qint32 percent, qint32 step);

// Where a moved window's frame goes: each edge within SnapDistance of the same edge of the
// work area is placed on it; the left and top edges take precedence over the right and bottom.
QPoint SnappedPosition(const QRect& frame, const QRect& workArea);

// Mouse input passes through the window only while its opacity is applied too.
bool ClickThroughWanted(const Settings& settings);

// The action and the hot key: inverts EnableClickThrough while opacity is on. Returns false,
// changing nothing, while it is off.
bool ToggleClickThrough(Settings& settings);

// The tray icon draws the graph: asked for, and the line type is not numbers only.
bool TrayIconShowsGraph(const Settings& settings);

// Pixels between the minute ticks (one per 60 samples), 0 without them.
int MinuteTickPeriod(const Settings& settings);

// The top of the graphs' scale: FixedScaleValue as it stands (in the graphs' unit) when the
// scale is fixed, else 0 to follow the data.
quint32 ScaleMaximum(const Settings& settings);

// The smallest client area: the plot, or the numbers alone. Caption and sizing frame belong to
// the window manager, which adds them outside.
QSize GraphMinimumClientSize(const Settings& settings);

// "Meterly (description)" for the monitored source, "Meterly (Not Available)" without one.
QString GraphCaption(const TAdapterEntry* selected);

// The bounds record as a window rectangle: frame position, client size.
QRect BoundsRect(const GraphBounds& bounds);
GraphBounds BoundsOf(const QRect& rect);

// The first-start place: 290 x 114 in the middle of a screen of this size.
GraphBounds CentredGraphBounds(const QSize& screen);

}  // namespace meterly
