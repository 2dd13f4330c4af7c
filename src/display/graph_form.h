#pragma once

#include "core/settings.h"

#include <QPoint>
#include <QWidget>

namespace meterly {

class THistogram;

// The floating graph window: a tool window filled by one THistogram that shows the live speeds.
// It lives from start-up to exit and is only ever shown and hidden. It floats above other
// windows if asked, can be made semi-transparent and click-through, snaps to the work area's
// edges and is dragged by its body.
class TGraphForm : public QWidget {
  Q_OBJECT

 public:
  // Takes its look and bounds from the settings; the keypad keys and closing write back
  // TransparentValue and the bounds record.
  explicit TGraphForm(Settings& settings, QWidget* parent = nullptr);
  ~TGraphForm() override;

  THistogram& Graph() { return *graph_; }
  void AddSample(quint32 in, quint32 out);

  // Shows the window without taking the focus when it is hidden, remembering that a
  // notification showed it.
  void ShowNoActivate();
  // Hides the window only when a notification showed it.
  void HideNotificationWindow();
  bool ShownByNotification() const { return shownByNotification_; }
  // The user took over: a later notification's hide leaves the window alone.
  void ClearNotificationOrigin() { shownByNotification_ = false; }
  // Set by every showing, cleared by closing.
  bool GraphVisible() const { return graphVisible_; }

  // Opacity as an alpha of 0 to 255; ClearOpacity switches blending off.
  void SetOpacity(int alpha);
  void ClearOpacity();
  bool AlphaBlend() const { return alphaBlend_; }

  void SetClickThrough(bool on);
  bool ClickThrough() const { return clickThrough_; }
  void SetStayOnTop(bool on);
  bool StayOnTop() const { return stayOnTop_; }
  void SetCaptionShown(bool on);
  bool CaptionShown() const { return captionShown_; }
  // Edge snapping while the window is dragged.
  void SetSticky(bool on) { sticky_ = on; }
  bool Sticky() const { return sticky_; }

  // The frame's position and the client's size.
  GraphBounds Bounds() const;
  void SetBounds(const GraphBounds& bounds);

 Q_SIGNALS:
  // The user closed the window; it is hidden and its bounds are in the settings.
  void closed();
  // A right press asks for the tray menu at this screen position.
  void menuRequested(const QPoint& globalPos);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  Qt::WindowFlags WantedFlags() const;
  void UpdateWindowFlags();
  void StepTransparency(qint32 step);
  void StartDrag(const QPoint& globalPos);
  void DragTo(const QPoint& globalPos);

  Settings& settings_;
  THistogram* graph_;
  bool alphaBlend_ = false;
  bool clickThrough_ = false;
  bool stayOnTop_ = false;
  bool captionShown_ = true;
  bool sticky_ = false;
  bool graphVisible_ = false;
  bool shownByNotification_ = false;
  bool dragging_ = false;
  QPoint dragOffset_;  // from the cursor to the frame's top-left corner
};

}  // namespace meterly
