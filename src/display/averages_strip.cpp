#include "display/averages_strip.h"

#include "display/colorref.h"
#include "display/histogram_fonts.h"

#include <QFontMetrics>
#include <QPainter>

namespace meterly {
namespace {

constexpr int BoxInset = 3;

int BoxSplit(const QSize& strip) { return (strip.width() - 2 * BoxInset) / 2; }

// A one-pixel outline one pixel inside the strip, its corner pixels left out.
void DrawRoundedFrame(QPainter& painter, const QSize& strip, const QColor& colour) {
  const int left = 1;
  const int top = 1;
  const int right = strip.width() - 2;
  const int bottom = strip.height() - 2;
  painter.setPen(QPen(colour, 0));
  const QLine sides[] = {{left + 1, top, right - 1, top},
                         {left + 1, bottom, right - 1, bottom},
                         {left, top + 1, left, bottom - 1},
                         {right, top + 1, right, bottom - 1}};
  painter.drawLines(sides, 4);
}

// Centred on whole pixels, so that the glyphs do not change shape with the text's width; a
// text too wide for its box is cut at the box's edges.
void DrawBox(QPainter& painter, const QRect& box, Colorref tint, const QString& text, const QPen& textPen) {
  painter.fillRect(box, ColorrefToQColor(Lighten(tint, AveragesTintPercent)));
  const QFontMetrics metrics = painter.fontMetrics();
  const int left = box.left() + (box.width() - metrics.horizontalAdvance(text)) / 2;
  const int top = box.top() + (box.height() - metrics.height()) / 2;
  painter.setPen(textPen);
  painter.setClipRect(box);
  painter.drawText(QPoint(left, top + metrics.ascent()), text);
  painter.setClipping(false);
}

}  // namespace

QRect AveragesBoxIn(const QSize& strip) {
  return QRect(QPoint(BoxInset, BoxInset), QPoint(BoxSplit(strip) - 1, strip.height() - BoxInset - 1));
}

QRect AveragesBoxOut(const QSize& strip) {
  return QRect(QPoint(BoxSplit(strip), BoxInset), QPoint(strip.width() - BoxInset - 1, strip.height() - BoxInset - 1));
}

void DrawAveragesStrip(QPainter& painter, const QSize& strip, const AveragesTexts& texts,
                       const HistogramOptions& options) {
  painter.fillRect(QRect(QPoint(0, 0), strip), ColorrefToQColor(options.BackColor));
  DrawRoundedFrame(painter, strip, ColorrefToQColor(options.FrameColor));
  painter.setFont(SurfaceFont(options.FontAverages));
  const QPen textPen(ColorrefToQColor(options.TextColor), 0);
  DrawBox(painter, AveragesBoxIn(strip), options.ColorIn, texts.In, textPen);
  DrawBox(painter, AveragesBoxOut(strip), options.ColorOut, texts.Out, textPen);
}

}  // namespace meterly
