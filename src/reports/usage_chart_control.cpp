#include "reports/usage_chart_control.h"

#include <QPainter>
#include <QStyle>
#include <QToolButton>

namespace meterly {

TUsageChartControl::TUsageChartControl(QWidget* parent)
    : QFrame(parent), ownChart_(std::make_unique<TUsageChart>()), chart_(ownChart_.get()) {
  Build();
  chart_->FillDemoData();
}

TUsageChartControl::TUsageChartControl(TUsageChart& chart, QWidget* parent) : QFrame(parent), chart_(&chart) {
  Build();
}

TUsageChartControl::~TUsageChartControl() { chart_->OnChange = nullptr; }

void TUsageChartControl::Build() {
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setLineWidth(1);
  const auto makeButton = [this](QStyle::StandardPixmap arrow, const QString& name) {
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setAutoRaise(true);
    button->setIcon(style()->standardIcon(arrow));
    button->setIconSize(QSize(ButtonSize - 4, ButtonSize - 4));
    button->setFixedSize(ButtonSize, ButtonSize);
    return button;
  };
  pageLeft_ = makeButton(QStyle::SP_ArrowLeft, QStringLiteral("PageLeftButton"));
  pageRight_ = makeButton(QStyle::SP_ArrowRight, QStringLiteral("PageRightButton"));
  connect(pageLeft_, &QToolButton::clicked, this, [this] { chart_->PageLeft(); });
  connect(pageRight_, &QToolButton::clicked, this, [this] { chart_->PageRight(); });
  chart_->OnChange = [this] {
    UpdateButtons();
    update();
  };
  chart_->SetClientSize(contentsRect().size());
  PlaceButtons();
}

void TUsageChartControl::PlaceButtons() {
  const QRect client = contentsRect();
  pageLeft_->move(client.right() + 1 - 33, client.top() + 2);
  pageRight_->move(client.right() + 1 - 17, client.top() + 2);
  UpdateButtons();
}

void TUsageChartControl::UpdateButtons() {
  pageLeft_->setEnabled(chart_->PageLeftEnabled());
  pageRight_->setEnabled(chart_->PageRightEnabled());
}

void TUsageChartControl::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  chart_->SetClientSize(contentsRect().size());
  PlaceButtons();
}

void TUsageChartControl::paintEvent(QPaintEvent* event) {
  {
    QPainter painter(this);
    const QRect client = contentsRect();
    painter.setClipRect(client);
    painter.translate(client.topLeft());
    chart_->Paint(painter);
  }
  QFrame::paintEvent(event);
}

}  // namespace meterly
