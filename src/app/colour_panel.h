#pragma once

#include "core/settings.h"

#include <QFrame>

namespace meterly {

// A sunken panel filled with one colour, as PanelGradColour shows the gradient colour. A
// double click asks the owner to choose another.
class TColourPanel : public QFrame {
  Q_OBJECT

 public:
  explicit TColourPanel(QWidget* parent = nullptr);

  Colorref Color() const { return colour_; }
  void SetColor(Colorref colour);

 Q_SIGNALS:
  void doubleClicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  Colorref colour_ = 0;
};

}  // namespace meterly
