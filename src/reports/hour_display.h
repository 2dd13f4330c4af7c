#pragma once

#include "core/colorref.h"

#include <QWidget>

#include <functional>
#include <optional>

namespace meterly {

// The peak-hours strip: the 24 hours of the day as a row of numbered cells, each on the colour
// of its category (peak or off-peak). A click on a cell lets the user choose that category's
// colour.
class THourDisplay : public QWidget {
  Q_OBJECT

 public:
  // Asks the user for a colour, starting at the given one; nothing when the user cancels.
  using ColorDialog = std::function<std::optional<QColor>(const QColor& initial, QWidget* parent)>;

  explicit THourDisplay(QWidget* parent = nullptr);

  // Bit h set: hour h is a peak hour.
  quint32 Hours() const { return hours_; }
  void SetHours(quint32 hours);
  Colorref OnPeakColor() const { return onPeakColor_; }
  void SetOnPeakColor(Colorref colour);
  Colorref OffPeakColor() const { return offPeakColor_; }
  void SetOffPeakColor(Colorref colour);

  // The cell of an hour below 24; neighbouring cells share their border line.
  QRect CellRect(int hour) const;
  // The lowest hour whose cell holds the point, or nothing.
  std::optional<int> HourAt(const QPoint& point) const;

  // The colour dialog of a click; Qt's own unless replaced.
  void SetColorDialog(ColorDialog dialog) { colorDialog_ = std::move(dialog); }

  // What a click at the point does.
  void Click(const QPoint& point);

 Q_SIGNALS:
  void coloursChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool IsPeak(int hour) const { return (hours_ >> hour & 1u) != 0; }

  quint32 hours_ = 0;
  Colorref onPeakColor_ = 0;
  Colorref offPeakColor_ = 0;
  ColorDialog colorDialog_;
};

}  // namespace meterly
