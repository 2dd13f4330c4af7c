#pragma once

// Reading a rendered graph back: colour runs up a column, bounding boxes of a colour, and the
// box a text takes when drawn alone.

#include "display/colorref.h"
#include "display/histogram.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>

#include <initializer_list>
#include <iomanip>
#include <ostream>
#include <utility>
#include <vector>

namespace meterly::testing_support {

inline QRgb Rgb(Colorref colour) { return ColorrefToQColor(colour).rgb(); }

// Colours every graph in these tests uses, all different so that each pixel tells its source.
constexpr Colorref Back = 0xFFFFFF;
constexpr Colorref Frame = 0xC0C0C0;
constexpr Colorref Tick = 0x808080;
constexpr Colorref In = 0x0000FF;
constexpr Colorref Out = 0x00C000;
constexpr Colorref Both = 0xC00000;
constexpr Colorref Text = 0x000000;
constexpr Colorref Gradient = 0xFFAAAA;

inline void UseTestColours(THistogram& graph) {
  graph.SetBackColor(Back);
  graph.SetFrameColor(Frame);
  graph.SetTickColor(Tick);
  graph.SetColorIn(In);
  graph.SetColorOut(Out);
  graph.SetColorBoth(Both);
  graph.SetTextColor(Text);
  graph.SetGradColor(Gradient);
}

// Pushes the pairs so that the first one given ends up newest (index 0).
inline void Feed(THistogram& graph, std::initializer_list<std::pair<quint32, quint32>> newestFirst) {
  for (auto pair = std::rbegin(newestFirst); pair != std::rend(newestFirst); ++pair) {
    graph.AddSample(pair->first, pair->second);
  }
}

// The same pair at every index.
inline void FeedAll(THistogram& graph, quint32 in, quint32 out) {
  for (int i = 0; i < SampleCapacity; ++i) graph.AddSample(in, out);
}

struct Run {
  QRgb colour;
  int length;

  friend bool operator==(const Run&, const Run&) = default;
};

inline std::ostream& operator<<(std::ostream& out, const Run& run) {
  return out << "{#" << std::hex << std::setw(6) << std::setfill('0') << (run.colour & 0xFFFFFF) << std::dec << " x "
             << run.length << "}";
}

// The runs of equal colour in column x, from row bottom up to row top.
inline std::vector<Run> RunsUp(const QImage& image, int x, int bottom, int top) {
  std::vector<Run> runs;
  for (int y = bottom; y >= top; --y) {
    const QRgb colour = image.pixel(x, y) | 0xFF000000;
    if (!runs.empty() && runs.back().colour == colour) {
      ++runs.back().length;
    } else {
      runs.push_back({colour, 1});
    }
  }
  return runs;
}

inline Run RunOf(Colorref colour, int length) { return {Rgb(colour), length}; }

// The smallest rectangle inside area holding every pixel of the colour; null when none.
inline QRect ColourBox(const QImage& image, QRgb colour, const QRect& area) {
  QRect box;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if ((image.pixel(x, y) | 0xFF000000) == (colour | 0xFF000000)) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

// The pixels a text sets when drawn alone with its cell's top-left corner at topLeft.
inline QRect TextBox(const QString& text, const QFont& font, const QPoint& topLeft, const QSize& canvas) {
  QImage image(canvas, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(topLeft + QPoint(0, painter.fontMetrics().ascent()), text);
  }
  return ColourBox(image, qRgb(0, 0, 0), image.rect());
}

// Columns in [fromX, toX) whose pixel in the row has the colour.
inline std::vector<int> ColumnsWithColour(const QImage& image, int row, QRgb colour, int fromX, int toX) {
  std::vector<int> columns;
  for (int x = fromX; x < toX; ++x) {
    if ((image.pixel(x, row) | 0xFF000000) == (colour | 0xFF000000)) columns.push_back(x);
  }
  return columns;
}

}  // namespace meterly::testing_support
