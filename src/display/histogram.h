#pragma once

#include "display/averages_strip.h"
#include "display/histogram_options.h"
#include "display/sample_series.h"

#include <QImage>
#include <QWidget>

#include <functional>
#include <utility>

namespace meterly {

// The scrolling graph of two series, in (received) and out (sent), newest value at one edge,
// with an optional scale grid, an optional strip of averages below and three drawing styles.
// It knows nothing of networks: the host pushes one pair of values per tick.
//
// Everything is drawn offscreen, into the graph surface (plot, frame, grid, labels) and the
// averages surface (the strip), and each is copied to the control in one operation, so a
// repaint every second never flickers. A sample that leaves every stored value as it was (the
// same value as all before it, as when nothing is transferred) changes nothing drawn and
// repaints nothing. RenderBitmap draws without a visible control.
class THistogram : public QWidget {
  Q_OBJECT

 public:
  // Lets the host write an average for the strip; text is empty on entry.
  using TNeedValueEvent = std::function<void(THistogram& sender, quint32 value, QString& text)>;

  explicit THistogram(QWidget* parent = nullptr);

  // With muBits the values, always bytes, are stored as bits, saturating at the 32-bit top.
  void AddSample(quint32 inValue, quint32 outValue);
  void Clear();
  // Random values of a typical download for the preview graph.
  void FillDemoData();

  // Paints both surfaces at the control's current size and returns the graph surface, whose
  // pixels are device pixels at SurfaceRatio().
  const QImage& RenderBitmap();
  // The device pixels per pixel of the control: the screen's unless set (0 goes back to it).
  qreal SurfaceRatio() const;
  void SetDevicePixelRatio(qreal ratio) { Assign(renderRatio_, ratio); }
  const QImage& GraphImage() const { return graphSurface_; }
  const QImage& AveragesImage() const { return averagesSurface_; }

  QString FormatValue(quint32 value) const;
  quint32 AverageIn() const { return in_.Average(); }
  quint32 AverageOut() const { return out_.Average(); }
  const SampleSeries& SeriesIn() const { return in_; }
  const SampleSeries& SeriesOut() const { return out_; }
  const HistogramOptions& Options() const { return options_; }

  // A null image clears the back image.
  const QImage& BackImage() const { return options_.BackImage; }
  void SetBackImage(const QImage& image) { Assign(options_.BackImage, image.copy()); }
  Colorref BackColor() const { return options_.BackColor; }
  void SetBackColor(Colorref colour) { Assign(options_.BackColor, colour); }
  Colorref FrameColor() const { return options_.FrameColor; }
  void SetFrameColor(Colorref colour) { Assign(options_.FrameColor, colour); }
  Colorref TickColor() const { return options_.TickColor; }
  void SetTickColor(Colorref colour) { Assign(options_.TickColor, colour); }
  Colorref ColorIn() const { return options_.ColorIn; }
  void SetColorIn(Colorref colour) { Assign(options_.ColorIn, colour); }
  Colorref ColorOut() const { return options_.ColorOut; }
  void SetColorOut(Colorref colour) { Assign(options_.ColorOut, colour); }
  Colorref ColorBoth() const { return options_.ColorBoth; }
  void SetColorBoth(Colorref colour) { Assign(options_.ColorBoth, colour); }
  Colorref TextColor() const { return options_.TextColor; }
  void SetTextColor(Colorref colour) { Assign(options_.TextColor, colour); }
  Colorref GradColor() const { return options_.GradColor; }
  void SetGradColor(Colorref colour) { Assign(options_.GradColor, colour); }

  bool EnableGrid() const { return options_.EnableGrid; }
  void SetEnableGrid(bool enable) { Assign(options_.EnableGrid, enable); }
  // Pixels between vertical ticks, 0 for none; a negative period fails a consistency check.
  int VertTickPeriod() const { return options_.VertTickPeriod; }
  void SetVertTickPeriod(int period);
  bool EnableAverages() const { return options_.EnableAverages; }
  void SetEnableAverages(bool enable) { Assign(options_.EnableAverages, enable); }
  bool EnableGraph() const { return options_.EnableGraph; }
  void SetEnableGraph(bool enable) { Assign(options_.EnableGraph, enable); }
  bool EnableGradient() const { return options_.EnableGradient; }
  void SetEnableGradient(bool enable) { Assign(options_.EnableGradient, enable); }

  const QString& LabelIn() const { return options_.LabelIn; }
  void SetLabelIn(const QString& label) { Assign(options_.LabelIn, label); }
  const QString& LabelOut() const { return options_.LabelOut; }
  void SetLabelOut(const QString& label) { Assign(options_.LabelOut, label); }
  // The fixed top of the scale, 0 to follow the data.
  quint32 MaxValue() const { return options_.MaxValue; }
  void SetMaxValue(quint32 value) { Assign(options_.MaxValue, value); }
  const TNeedValueEvent& OnNeedValue() const { return onNeedValue_; }
  void SetOnNeedValue(TNeedValueEvent handler) { Assign(onNeedValue_, std::move(handler)); }
  bool Smooth() const { return options_.Smooth; }
  void SetSmooth(bool smooth) { Assign(options_.Smooth, smooth); }
  bool LeftToRight() const { return options_.LeftToRight; }
  void SetLeftToRight(bool leftToRight) { Assign(options_.LeftToRight, leftToRight); }

  // Changing the unit empties the graph: the stored values are in the old unit.
  TMeasurementUnit MeasurementUnit() const { return options_.MeasurementUnit; }
  void SetMeasurementUnit(TMeasurementUnit unit);
  const QFont& FontAverages() const { return options_.FontAverages; }
  void SetFontAverages(const QFont& font) { Assign(options_.FontAverages, font); }
  // A new mode also picks the grid and averages that suit it; compact modes drop the back image.
  TCompactMode CompactMode() const { return options_.CompactMode; }
  void SetCompactMode(TCompactMode mode);
  TLineType LineType() const { return options_.LineType; }
  void SetLineType(TLineType type);
  // Pixels between poly-line points; below 1 fails a consistency check.
  int LineStep() const { return options_.LineStep; }
  void SetLineStep(int step);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  template <typename T, typename V>
  void Assign(T& field, V&& value) {
    field = std::forward<V>(value);
    OptionsChanged();
  }
  void OptionsChanged();

  void PaintSurfaces();
  void PaintGraphSurface();
  void PaintPlot();
  void PaintAveragesSurface();
  QString AverageText(const QString& label, quint32 average);
  quint32 InUnit(quint32 bytes) const;

  SampleSeries in_;
  SampleSeries out_;
  HistogramOptions options_;
  TNeedValueEvent onNeedValue_;
  quint32 unitDivisor_;
  QImage graphSurface_;
  QImage averagesSurface_;
  qreal renderRatio_ = 0;
  // What no sample changes: the background and frame of the graph surface, and the texts the
  // averages surface shows; both kept until the options or the surfaces change.
  QImage graphBackground_;
  bool backgroundCurrent_ = false;
  AveragesTexts paintedAverages_;
  bool averagesCurrent_ = false;
};

}  // namespace meterly
