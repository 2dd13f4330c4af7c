#include "alerts/timed_message.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QtDebug>

#include <algorithm>

namespace meterly {

namespace {

constexpr int kMessageWidth = 320;

}  // namespace

TTimedMessageForm::TTimedMessageForm(platform::PowerService& power, bool shutdown, const QString& text, int seconds,
                                     QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowStaysOnTopHint),
      power_(power),
      shutdown_(shutdown),
      counter_(seconds + 1) {
  setAttribute(Qt::WA_DeleteOnClose);
  BuildControls(text);
  if (shutdown_) {
    QPalette palette = LabelInfo->palette();
    palette.setColor(QPalette::WindowText, QColor(255, 0, 0));
    LabelInfo->setPalette(palette);
  }
  Timer = new QTimer(this);
  Timer->setInterval(TimerIntervalMs);
  connect(Timer, &QTimer::timeout, this, &TTimedMessageForm::TimerTimer);
  connect(ButtonOk, &QPushButton::clicked, this, &TTimedMessageForm::OkAction);
  connect(ButtonCancel, &QPushButton::clicked, this, &QWidget::close);
  FormCreate();
}

void TTimedMessageForm::BuildControls(const QString& text) {
  PanelInfo = new QFrame(this);
  // An etched frame: the outer edge lowered, the inner raised.
  PanelInfo->setFrameStyle(QFrame::Box | QFrame::Sunken);
  LabelInfo = new QLabel(text, PanelInfo);
  LabelInfo->setAlignment(Qt::AlignCenter);
  LabelInfo->setWordWrap(true);
  LabelInfo->setMinimumWidth(kMessageWidth);
  auto* panelLayout = new QVBoxLayout(PanelInfo);
  panelLayout->addWidget(LabelInfo);

  ButtonOk = new QPushButton(this);
  ButtonCancel = new QPushButton(tr("取消"), this);
  ButtonCancel->setShortcut(QKeySequence(Qt::Key_Escape));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ButtonOk);
  buttons->addWidget(ButtonCancel);
  buttons->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addWidget(PanelInfo);
  optionsLayout_ = new QVBoxLayout;
  layout->addLayout(optionsLayout_);
  layout->addLayout(buttons);
  ButtonOk->setFocus();
}

void TTimedMessageForm::FormCreate() {
  setWindowTitle(tr("Meterly Notification"));
  TimerTimer();
  if (counter_ > 0) Timer->start();
}

void TTimedMessageForm::TimerTimer() {
  --counter_;
  ButtonOk->setText(tr("确定(&O) (%1)").arg(counter_));
  if (counter_ <= 0) OkAction();
}

void TTimedMessageForm::OkAction() {
  Timer->stop();
  if (shutdown_) {
    QString error;
    // A refusal leaves the system running; the window closes all the same.
    if (!platform::ExitWindowsWithPrivilege(power_, ShutdownFlags, &error)) {
      qWarning().noquote() << "The computer could not be shut down:" << error;
    }
  }
  close();
}

void TTimedMessageForm::showEvent(QShowEvent* event) {
  if (!centred_) {
    centred_ = true;
    CentreOnScreen();
  }
  QWidget::showEvent(event);
}

void TTimedMessageForm::closeEvent(QCloseEvent* event) {
  // The window lives on until its deferred deletion; it must not act in the meantime.
  Timer->stop();
  event->accept();
}

void TTimedMessageForm::CentreOnScreen() {
  const QScreen* target = screen();
  if (target == nullptr) return;
  QRect frame = frameGeometry();
  frame.moveCenter(target->availableGeometry().center());
  move(frame.topLeft());
}

bool AnyTimedMessageOpen() {
  const QWidgetList windows = QApplication::topLevelWidgets();
  return std::any_of(windows.begin(), windows.end(), [](const QWidget* window) {
    return window->isVisible() && qobject_cast<const TTimedMessageForm*>(window) != nullptr;
  });
}

}  // namespace meterly
