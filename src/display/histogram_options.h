#pragma once

#include "core/settings.h"
#include "display/histogram_fonts.h"

#include <QFont>
#include <QImage>
#include <QString>

namespace meterly {

// The ordinals are what the settings store.
enum class TMeasurementUnit { muBytes = 0, muBits = 1 };
enum class TCompactMode { cmNone = 0, cmNumLeft = 1, cmNumBottom = 2 };
enum class TLineType { ltBars = 0, ltPolyLine = 1, ltNumeric = 2 };

// Width of the scale labels' margin beside the plot.
constexpr int GridMargin = 35;
// Height of the averages strip below the plot.
constexpr int AveragesStripHeight = 20;

// What the graph control draws and how; the initial values are the control's own.
struct HistogramOptions {
  QImage BackImage;
  Colorref BackColor = 0xFFFFFF;
  Colorref FrameColor = 0xC0C0C0;
  Colorref TickColor = 0x808080;
  Colorref ColorIn = 0x800000;
  Colorref ColorOut = 0x008000;
  Colorref ColorBoth = 0x800000;
  Colorref TextColor = 0x000000;
  Colorref GradColor = 0xFFAAAA;
  bool EnableGrid = true;
  int VertTickPeriod = 0;
  bool EnableAverages = true;
  bool EnableGraph = true;
  bool EnableGradient = false;
  QString LabelIn = QStringLiteral("In");
  QString LabelOut = QStringLiteral("Out");
  quint32 MaxValue = 0;
  bool Smooth = false;
  bool LeftToRight = false;
  TMeasurementUnit MeasurementUnit = TMeasurementUnit::muBytes;
  QFont FontAverages = HistogramFont(AveragesPoints);
  TCompactMode CompactMode = TCompactMode::cmNone;
  TLineType LineType = TLineType::ltBars;
  int LineStep = 5;

  bool ShowsPlot() const { return EnableGraph && LineType != TLineType::ltNumeric; }
};

}  // namespace meterly
