#include "app/colour_panel.h"

#include "display/colorref.h"

#include <QMouseEvent>
#include <QPainter>

namespace meterly {

TColourPanel::TColourPanel(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(1);
}

void TColourPanel::SetColor(Colorref colour) {
  colour_ = colour;
  update();
}

void TColourPanel::paintEvent(QPaintEvent* event) {
  {
    QPainter painter(this);
    painter.fillRect(contentsRect(), ColorrefToQColor(colour_));
  }
  QFrame::paintEvent(event);
}

void TColourPanel::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) Q_EMIT doubleClicked();
  event->accept();
}

}  // namespace meterly
