#pragma once

#include "core/colorref.h"

#include <QSize>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QPainter;

namespace meterly {

struct TUsageChartPoint {
  quint64 Received = 0;
  quint64 Sent = 0;
  QString Label;

  quint64 Total() const { return Received + Sent; }
};

// The points of a chart in the order added.
class TUsageChartSeries {
 public:
  void Add(TUsageChartPoint point) { points_.push_back(std::move(point)); }
  void Clear() { points_.clear(); }
  int Count() const { return static_cast<int>(points_.size()); }
  const TUsageChartPoint& At(int index) const { return points_.at(static_cast<std::size_t>(index)); }

 private:
  std::vector<TUsageChartPoint> points_;
};

// A stacked bar chart of received and sent amounts, one pair of bars per point, with a value
// axis and a label under each bar; it pages through points that do not fit its width. It has
// no window of its own: TUsageChartControl shows it, tests paint it into an image.
class TUsageChart {
 public:
  // Geometry of the plot, in pixels of the chart's client area.
  static constexpr int PlotTop = 10;
  static constexpr int BottomMargin = 30;
  static constexpr int AxisX = 70;
  static constexpr int LabelX = 10;
  static constexpr int FirstBarLeft = 80;
  static constexpr int BarPitch = 50;
  static constexpr int BarWidth = 25;
  static constexpr int ReservedWidth = 105;
  static constexpr int MinimumPlotHeight = 41;

  TUsageChart();

  void AddPoint(const QString& label, quint64 received, quint64 sent);
  void Clear();
  // Fifteen "Sample" points of random amounts, so that a chart nobody filled shows bars.
  void FillDemoData();
  const TUsageChartSeries& Series() const { return series_; }

  void SetClientSize(QSize size);
  QSize ClientSize() const { return size_; }

  int ScrollPosition() const { return scrollPosition_; }
  int VisibleCount() const;
  int FirstVisible() const;
  int LastVisible() const;
  void PageLeft();
  void PageRight();
  bool PageLeftEnabled() const;
  bool PageRightEnabled() const;

  Colorref GradientTopColor() const { return gradientTopColor_; }
  Colorref ReceivedColor() const { return receivedColor_; }
  Colorref SentColor() const { return sentColor_; }
  void SetGradientTopColor(Colorref colour);
  void SetReceivedColor(Colorref colour);
  void SetSentColor(Colorref colour);

  // Replaces the text of a value-axis label; unset, the axis shows plain byte counts.
  std::function<void(QString& text, qint64 value)> OnFormatValue;
  // Told whenever what the chart shows changes: the owner updates its buttons and repaints.
  std::function<void()> OnChange;

  // Draws the whole client area.
  void Paint(QPainter& painter) const;

 private:
  void Changed() const;
  void PaintValueAxis(QPainter& painter, double scale) const;
  void PaintBars(QPainter& painter, double scale) const;
  quint64 LargestVisibleTotal() const;

  TUsageChartSeries series_;
  QSize size_;
  int scrollPosition_ = 0;
  Colorref gradientTopColor_ = 0xFFBBBB;
  Colorref receivedColor_ = 0x800000;
  Colorref sentColor_ = 0x008000;
};

// The brightest colour of the same hue: the same amount added to red, green and blue until the
// largest reaches 255.
Colorref BrightColor(Colorref colour);

}  // namespace meterly
