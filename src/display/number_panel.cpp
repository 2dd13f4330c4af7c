#include "display/number_panel.h"

#include "display/colorref.h"
#include "display/histogram_background.h"
#include "display/histogram_fonts.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace meterly {
namespace {

constexpr int TextInset = 3;
constexpr int WidthGranularity = 10;

}  // namespace

int NumberPanelWidth(const QFontMetrics& metrics, const NumberPanelLines& lines) {
  const int text = std::max(metrics.horizontalAdvance(lines.In), metrics.horizontalAdvance(lines.Out));
  const int width = text + TextInset;
  return (width + WidthGranularity - 1) / WidthGranularity * WidthGranularity;
}

void DrawNumberPanel(QPainter& painter, const PlotArea& area, const NumberPanelLines& lines,
                     const HistogramOptions& options) {
  painter.setFont(SurfaceFont(HistogramFont(NumberPanelPoints)));
  const QFontMetrics metrics = painter.fontMetrics();
  const int width = NumberPanelWidth(metrics, lines);
  const int left = options.LeftToRight ? area.Right - width : area.Left;
  const QRect panel(left, area.Top, width, area.Height());
  FillBackground(painter, panel, options);

  const int separatorX = options.LeftToRight ? panel.left() - 1 : panel.right() + 1;
  painter.setPen(QPen(ColorrefToQColor(options.FrameColor), 0));
  painter.drawLine(separatorX, panel.top(), separatorX, panel.bottom());

  const int baseline = panel.top() + metrics.ascent();
  painter.setPen(QPen(ColorrefToQColor(options.ColorIn), 0));
  painter.drawText(panel.left() + TextInset, baseline, lines.In);
  painter.setPen(QPen(ColorrefToQColor(options.ColorOut), 0));
  painter.drawText(panel.left() + TextInset, baseline + metrics.height(), lines.Out);
}

}  // namespace meterly
