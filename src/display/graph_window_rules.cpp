#include "display/graph_window_rules.h"

#include <QCoreApplication>
#include <QDateTime>

#include <algorithm>
#include <cstdlib>

namespace meterly {
namespace {

constexpr int MaxAlpha = 255;
constexpr qint32 FullOpacity = 100;
constexpr int SamplesPerMinute = 60;
constexpr int MinimumClientWidth = 80;
constexpr int MinimumPlotHeight = 50;
constexpr int MinimumNumbersHeight = 25;

bool Near(int edge, int target) { return std::abs(edge - target) <= SnapDistance; }

// The new start of a span [start, start + length) that snaps to [low, high).
int SnappedStart(int start, int length, int low, int high) {
  if (Near(start, low)) return low;
  if (Near(start + length, high)) return high - length;
  return start;
}

}  // namespace

int OpacityAlpha(qint32 percent) { return static_cast<int>(static_cast<qint64>(percent) * MaxAlpha / FullOpacity); }

qint32 SteppedTransparency(qint32 percent, qint32 step) {
  return static_cast<qint32>(std::clamp<qint64>(static_cast<qint64>(percent) + step, 0, FullOpacity));
}

QPoint SnappedPosition(const QRect& frame, const QRect& workArea) {
  // QRect's right() and bottom() are the last pixel inside; the edges compared are the outer ones.
  return {SnappedStart(frame.x(), frame.width(), workArea.x(), workArea.x() + workArea.width()),
          SnappedStart(frame.y(), frame.height(), workArea.y(), workArea.y() + workArea.height())};
}

bool ClickThroughWanted(const Settings& settings) { return settings.EnableClickThrough && settings.EnableTransparent; }

bool ToggleClickThrough(Settings& settings) {
  if (!settings.EnableTransparent) return false;
  settings.EnableClickThrough = !settings.EnableClickThrough;
  return true;
}

bool TrayIconShowsGraph(const Settings& settings) {
  return settings.ShowInTray && settings.LineType != LineTypes::NumbersOnly;
}

int MinuteTickPeriod(const Settings& settings) {
  if (!settings.EnableMinuteTicks) return 0;
  return SamplesPerMinute * (settings.LineType == LineTypes::PolyLine ? settings.LineStep : 1);
}

quint32 ScaleMaximum(const Settings& settings) {
  return settings.FixedScale ? static_cast<quint32>(settings.FixedScaleValue) : 0;
}

QSize GraphMinimumClientSize(const Settings& settings) {
  return {MinimumClientWidth, settings.LineType == LineTypes::NumbersOnly ? MinimumNumbersHeight : MinimumPlotHeight};
}

QString GraphCaption(const TAdapterEntry* selected) {
  return QCoreApplication::translate("GraphWindowRules", "Meterly (%1)")
      .arg(selected != nullptr ? selected->Description
                               : QCoreApplication::translate("GraphWindowRules", "Not Available"));
}

QRect BoundsRect(const GraphBounds& bounds) { return {bounds.Left, bounds.Top, bounds.Width, bounds.Height}; }

GraphBounds BoundsOf(const QRect& rect) { return {rect.x(), rect.y(), rect.width(), rect.height()}; }

GraphBounds CentredGraphBounds(const QSize& screen) {
  SettingsContext context;
  context.screenWidth = screen.width();
  context.screenHeight = screen.height();
  context.now = QDateTime::currentDateTime();
  return DefaultSettings(context).GraphWindow;
}

}  // namespace meterly
