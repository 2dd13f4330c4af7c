#include "display/led_label.h"

#include "base/assertion.h"

#include <QPainter>

#include <algorithm>

namespace meterly {
namespace {

// A cell's corners and the lines its segments hang on.
struct CellFrame {
  int x0, x1, y0, y1, half, ym;
};

CellFrame FrameOf(const QRect& cell, const TLedGeometry& geometry) {
  const int t = geometry.SegmentThickness;
  const int g = geometry.BorderGap;
  const int right = cell.right() + 1;
  const int bottom = cell.bottom() + 1;
  CellFrame frame{};
  frame.x0 = cell.left() + g;
  frame.x1 = right - g - 1 - (geometry.AllowDecimal ? 2 * t : 0);
  frame.y0 = cell.top() + g;
  frame.y1 = bottom - cell.top() - g - 1;
  frame.half = (frame.y1 - frame.y0) / 2;
  frame.ym = frame.y0 + frame.half;
  return frame;
}

// A vertical bar on the side x, reaching inwards by the thickness, starting from yTop.
QPolygon VerticalBar(int x, int inwards, int yTop, const CellFrame& f, const TLedGeometry& geometry) {
  const int vm = geometry.VertMargine;
  const int t = geometry.SegmentThickness;
  const int shift = yTop - f.y0;
  return QPolygon({{x, f.y0 + vm + shift},
                   {x, f.ym - vm + shift},
                   {x + inwards, f.ym - vm - t + shift},
                   {x + inwards, f.y0 + vm + t + shift}});
}

// A horizontal bar along the line y, reaching by the thickness towards down (+1) or up (-1).
QPolygon HorizontalBar(int y, int direction, const CellFrame& f, const TLedGeometry& geometry) {
  const int hm = geometry.HorzMargine;
  const int t = geometry.SegmentThickness;
  return QPolygon(
      {{f.x0 + hm, y}, {f.x1 - hm, y}, {f.x1 - hm - t, y + direction * t}, {f.x0 + hm + t, y + direction * t}});
}

QPolygon MiddleBar(const CellFrame& f, const TLedGeometry& geometry) {
  const int hm = geometry.HorzMargine;
  const int h = geometry.SegmentThickness / 2;
  return QPolygon({{f.x0 + hm, f.ym},
                   {f.x0 + hm + h, f.ym - h},
                   {f.x1 - hm - h, f.ym - h},
                   {f.x1 - hm, f.ym},
                   {f.x1 - hm - h, f.ym + h},
                   {f.x0 + hm + h, f.ym + h}});
}

}  // namespace

quint8 SegmentCode(QChar character) {
  static constexpr quint8 kDigits[10] = {0xFC, 0x84, 0x6E, 0xCE, 0x96, 0xDA, 0xFA, 0x8C, 0xFE, 0x9E};
  const char16_t c = character.unicode();
  if (c >= u'0' && c <= u'9') return kDigits[c - u'0'];
  if (c == u'-') return 0x02;
  if (c == u'.') return 0x01;
  return 0x00;
}

QPolygon SegmentPolygon(int segment, const QRect& cell, const TLedGeometry& geometry) {
  const CellFrame f = FrameOf(cell, geometry);
  const int t = geometry.SegmentThickness;
  switch (segment) {
    case LedSegment::Top:
      return HorizontalBar(f.y0, 1, f, geometry);
    case LedSegment::Bottom:
      return HorizontalBar(f.y0 + 2 * f.half, -1, f, geometry);
    case LedSegment::Middle:
      return MiddleBar(f, geometry);
    case LedSegment::UpperLeft:
      return VerticalBar(f.x0, t, f.y0, f, geometry);
    case LedSegment::LowerLeft:
      return VerticalBar(f.x0, t, f.y0 + f.half, f, geometry);
    case LedSegment::UpperRight:
      return VerticalBar(f.x1, -t, f.y0, f, geometry);
    case LedSegment::LowerRight:
      return VerticalBar(f.x1, -t, f.y0 + f.half, f, geometry);
    default:
      RaiseAssertion("No such bar segment", "ledlabel", __LINE__);
  }
}

QRect DecimalPointBox(const QRect& cell, const TLedGeometry& geometry) {
  const CellFrame f = FrameOf(cell, geometry);
  const int t = geometry.SegmentThickness;
  const int h = t / 2;
  const int left = f.x1 + t;
  const int top = f.y1 - f.half / 2;
  return QRect(left, top, h + t, f.y1 - top);
}

QList<quint8> CellCodes(const QString& text, int numChars, bool allowDecimal, TTextAlign alignment) {
  const int cells = std::max(numChars, 1);
  const auto points = allowDecimal ? static_cast<int>(text.count(QLatin1Char('.'))) : 0;
  const int padding = std::max<int>(0, cells + points - static_cast<int>(text.size()));
  const QString blanks(padding, QLatin1Char(' '));
  const QString padded = alignment == TTALeft ? text + blanks : blanks + text;
  QList<quint8> codes;
  for (const QChar character : padded) {
    if (allowDecimal && character == QLatin1Char('.') && !codes.isEmpty()) {
      codes.back() |= 1u << LedSegment::DecimalPoint;
    } else {
      codes.append(SegmentCode(character));
    }
  }
  return codes;
}

TCLEDLabel::TCLEDLabel(QWidget* parent) : QWidget(parent) { resize(15, 34); }

template <typename T>
void TCLEDLabel::Store(T& member, const T& value) {
  member = value;
  update();
}

void TCLEDLabel::SetAlignment(TTextAlign value) { Store(alignment_, value); }
void TCLEDLabel::SetBorderGap(int value) { Store(geometry_.BorderGap, value); }
void TCLEDLabel::SetSegmentThickness(int value) { Store(geometry_.SegmentThickness, value); }
void TCLEDLabel::SetHorzMargine(int value) { Store(geometry_.HorzMargine, value); }
void TCLEDLabel::SetVertMargine(int value) { Store(geometry_.VertMargine, value); }
void TCLEDLabel::SetOnColor(Colorref value) { Store(onColor_, value); }
void TCLEDLabel::SetOffColor(Colorref value) { Store(offColor_, value); }
void TCLEDLabel::SetSegmentBorderColor(Colorref value) { Store(segmentBorderColor_, value); }
void TCLEDLabel::SetBackGroundColor(Colorref value) { Store(backGroundColor_, value); }
void TCLEDLabel::SetText(const QString& value) { Store(text_, value); }
void TCLEDLabel::SetNumChars(int value) { Store(numChars_, value); }
void TCLEDLabel::SetAllowDecimal(bool value) { Store(geometry_.AllowDecimal, value); }

void TCLEDLabel::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  Paint(painter, size());
}

void TCLEDLabel::Paint(QPainter& painter, const QSize& size) const {
  painter.fillRect(QRect(QPoint(0, 0), size), ColorrefToQColor(backGroundColor_));
  const int cellWidth = size.width() / std::max(numChars_, 1);
  const QList<quint8> codes = CellCodes(text_, numChars_, geometry_.AllowDecimal, alignment_);
  for (int k = 0; k < codes.size(); ++k) {
    PaintCell(painter, QRect(k * cellWidth, 0, cellWidth, size.height()), codes[k]);
  }
}

void TCLEDLabel::PaintCell(QPainter& painter, const QRect& cell, quint8 code) const {
  for (int segment = 0; segment < LedSegment::Count; ++segment) {
    const bool lit = (code >> segment & 1u) != 0;
    painter.setPen(ColorrefToQColor(lit ? segmentBorderColor_ : offColor_));
    painter.setBrush(ColorrefToQColor(lit ? onColor_ : offColor_));
    if (segment == LedSegment::DecimalPoint) {
      painter.drawEllipse(DecimalPointBox(cell, geometry_));
    } else {
      painter.drawPolygon(SegmentPolygon(segment, cell, geometry_));
    }
  }
}

}  // namespace meterly
