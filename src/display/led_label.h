#pragma once

#include "core/colorref.h"

#include <QList>
#include <QPolygon>
#include <QRect>
#include <QString>
#include <QWidget>

class QPainter;

namespace meterly {

// Which side of the text the padding goes.
enum TTextAlign { TTALeft, TTARight };

// The segments of a cell, by the bit that lights each one in a segment code.
namespace LedSegment {
constexpr int DecimalPoint = 0;
constexpr int Middle = 1;
constexpr int UpperRight = 2;
constexpr int Top = 3;
constexpr int UpperLeft = 4;
constexpr int LowerLeft = 5;
constexpr int Bottom = 6;
constexpr int LowerRight = 7;
constexpr int Count = 8;
}  // namespace LedSegment

// The segment code of a character: bit i lights segment i. Anything but a digit, "-" and "."
// is blank.
quint8 SegmentCode(QChar character);

// The sizes that shape the segments inside a cell.
struct TLedGeometry {
  int BorderGap = 1;
  int SegmentThickness = 2;
  int HorzMargine = 1;
  int VertMargine = 2;
  bool AllowDecimal = true;
};

// The outline of a segment other than the decimal point in a cell; cell.right() + 1 and
// cell.bottom() + 1 are the cell's right and bottom edges.
QPolygon SegmentPolygon(int segment, const QRect& cell, const TLedGeometry& geometry);
// The box of the decimal point's ellipse in a cell.
QRect DecimalPointBox(const QRect& cell, const TLedGeometry& geometry);

// The code of each cell, left to right, for a text in numChars cells (fewer than one count as
// one). The text is padded with spaces to fill the cells; with allowDecimal a "." lights the
// point of the cell before it instead of taking a cell of its own. A longer text is not cut:
// its extra cells lie beyond the control.
QList<quint8> CellCodes(const QString& text, int numChars, bool allowDecimal, TTextAlign alignment);

// A windowless-looking control that shows a short text as seven-segment digits.
class TCLEDLabel : public QWidget {
  Q_OBJECT

 public:
  explicit TCLEDLabel(QWidget* parent = nullptr);

  TTextAlign Alignment() const { return alignment_; }
  void SetAlignment(TTextAlign value);
  int BorderGap() const { return geometry_.BorderGap; }
  void SetBorderGap(int value);
  int SegmentThickness() const { return geometry_.SegmentThickness; }
  void SetSegmentThickness(int value);
  int HorzMargine() const { return geometry_.HorzMargine; }
  void SetHorzMargine(int value);
  int VertMargine() const { return geometry_.VertMargine; }
  void SetVertMargine(int value);
  Colorref OnColor() const { return onColor_; }
  void SetOnColor(Colorref value);
  Colorref OffColor() const { return offColor_; }
  void SetOffColor(Colorref value);
  Colorref SegmentBorderColor() const { return segmentBorderColor_; }
  void SetSegmentBorderColor(Colorref value);
  Colorref BackGroundColor() const { return backGroundColor_; }
  void SetBackGroundColor(Colorref value);
  QString Text() const { return text_; }
  void SetText(const QString& value);
  int NumChars() const { return numChars_; }
  void SetNumChars(int value);
  bool AllowDecimal() const { return geometry_.AllowDecimal; }
  void SetAllowDecimal(bool value);

  // Draws the control into a painter whose area is size.
  void Paint(QPainter& painter, const QSize& size) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void PaintCell(QPainter& painter, const QRect& cell, quint8 code) const;
  template <typename T>
  void Store(T& member, const T& value);

  TTextAlign alignment_ = TTARight;
  TLedGeometry geometry_;
  Colorref onColor_ = 0x0000FF;
  Colorref offColor_ = 0x000080;
  Colorref segmentBorderColor_ = 0x0000FF;
  Colorref backGroundColor_ = 0x000000;
  QString text_ = QStringLiteral("8");
  int numChars_ = 1;
};

}  // namespace meterly
