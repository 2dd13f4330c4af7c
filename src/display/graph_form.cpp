#include "display/graph_form.h"

#include "display/graph_settings.h"
#include "display/graph_window_rules.h"
#include "display/histogram.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

namespace meterly {
namespace {

constexpr QSize DesignClientSize(280, 88);
constexpr QSize InitialMinimumSize(100, 50);
constexpr qreal MaxAlpha = 255.0;

// Wayland lets no client place its own windows; there the compositor moves them.
bool ClientMayPlaceWindows() { return !QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

}  // namespace

TGraphForm::TGraphForm(Settings& settings, QWidget* parent) : QWidget(parent), settings_(settings) {
  setObjectName(QStringLiteral("GraphForm"));
  setWindowTitle(QStringLiteral("Meterly"));
  resize(DesignClientSize);
  setMinimumSize(InitialMinimumSize);

  graph_ = new THistogram(this);
  graph_->setObjectName(QStringLiteral("Graph"));
  graph_->SetLabelIn(QStringLiteral("D"));
  graph_->SetLabelOut(QStringLiteral("U"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(graph_);

  ApplyColourSettings(*graph_, settings_);
  stayOnTop_ = settings_.StayOnTop;
  UpdateWindowFlags();
  SetBounds(settings_.GraphWindow);
}

TGraphForm::~TGraphForm() = default;

void TGraphForm::AddSample(quint32 in, quint32 out) { graph_->AddSample(in, out); }

void TGraphForm::ShowNoActivate() {
  if (isVisible()) return;
  setAttribute(Qt::WA_ShowWithoutActivating, true);
  show();
  setAttribute(Qt::WA_ShowWithoutActivating, false);
  shownByNotification_ = true;
}

void TGraphForm::HideNotificationWindow() {
  if (shownByNotification_ && isVisible()) hide();
}

void TGraphForm::SetOpacity(int alpha) {
  alphaBlend_ = true;
  setWindowOpacity(alpha / MaxAlpha);
}

void TGraphForm::ClearOpacity() {
  alphaBlend_ = false;
  setWindowOpacity(1.0);
}

void TGraphForm::SetClickThrough(bool on) {
  if (on == clickThrough_) return;
  clickThrough_ = on;
  UpdateWindowFlags();
}

void TGraphForm::SetStayOnTop(bool on) {
  stayOnTop_ = on;
  UpdateWindowFlags();
}

void TGraphForm::SetCaptionShown(bool on) {
  captionShown_ = on;
  UpdateWindowFlags();
}

Qt::WindowFlags TGraphForm::WantedFlags() const {
  // Without a caption the window keeps its sizing border.
  Qt::WindowFlags flags = Qt::Tool | Qt::CustomizeWindowHint;
  if (captionShown_) flags |= Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
  if (stayOnTop_) flags |= Qt::WindowStaysOnTopHint;
  if (clickThrough_) flags |= Qt::WindowTransparentForInput;
  return flags;
}

// New flags re-create the native window, which hides it; a shown window comes back in its
// place without taking the focus.
void TGraphForm::UpdateWindowFlags() {
  const Qt::WindowFlags flags = WantedFlags();
  if (flags == windowFlags()) return;
  const bool wasVisible = isVisible();
  const GraphBounds bounds = Bounds();
  setWindowFlags(flags);
  SetBounds(bounds);
  if (!wasVisible) return;
  setAttribute(Qt::WA_ShowWithoutActivating, true);
  show();
  setAttribute(Qt::WA_ShowWithoutActivating, false);
}

GraphBounds TGraphForm::Bounds() const { return BoundsOf(QRect(pos(), size())); }

void TGraphForm::SetBounds(const GraphBounds& bounds) {
  const QRect rect = BoundsRect(bounds);
  move(rect.topLeft());
  resize(rect.size());
}

void TGraphForm::showEvent(QShowEvent* event) {
  graphVisible_ = true;
  QWidget::showEvent(event);
}

void TGraphForm::closeEvent(QCloseEvent* event) {
  // Closing only hides the window; the program ends through its own exit path.
  settings_.GraphWindow = Bounds();
  graphVisible_ = false;
  dragging_ = false;
  event->accept();
  Q_EMIT closed();
}

void TGraphForm::keyPressEvent(QKeyEvent* event) {
  const bool keypad = event->modifiers().testFlag(Qt::KeypadModifier);
  if (alphaBlend_ && keypad && event->key() == Qt::Key_Plus) {
    StepTransparency(TransparencyKeyStep);
  } else if (alphaBlend_ && keypad && event->key() == Qt::Key_Minus) {
    StepTransparency(-TransparencyKeyStep);
  } else {
    QWidget::keyPressEvent(event);
  }
}

void TGraphForm::StepTransparency(qint32 step) {
  settings_.TransparentValue = SteppedTransparency(settings_.TransparentValue, step);
  SetOpacity(OpacityAlpha(settings_.TransparentValue));
}

void TGraphForm::mousePressEvent(QMouseEvent* event) {
  const QPoint globalPos = event->globalPosition().toPoint();
  if (event->button() == Qt::LeftButton) {
    StartDrag(globalPos);
  } else if (event->button() == Qt::RightButton) {
    Q_EMIT menuRequested(globalPos);
  }
  event->accept();
}

void TGraphForm::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_) DragTo(event->globalPosition().toPoint());
  event->accept();
}

void TGraphForm::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) dragging_ = false;
  event->accept();
}

void TGraphForm::StartDrag(const QPoint& globalPos) {
  if (!ClientMayPlaceWindows() && windowHandle() != nullptr) {
    windowHandle()->startSystemMove();
    return;
  }
  dragging_ = true;
  dragOffset_ = pos() - globalPos;
}

void TGraphForm::DragTo(const QPoint& globalPos) {
  QPoint target = globalPos + dragOffset_;
  const QScreen* under = QGuiApplication::screenAt(globalPos);
  if (under == nullptr) under = screen();
  if (sticky_ && under != nullptr) {
    target = SnappedPosition(QRect(target, frameGeometry().size()), under->availableGeometry());
  }
  move(target);
}

}  // namespace meterly
