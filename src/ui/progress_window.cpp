#include "ui/progress_window.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>

namespace meterly {

namespace {

constexpr int kBorderWidth = 10;
constexpr int kIconSize = 32;

}  // namespace

TOnlineVersionCheckWaitForm::TOnlineVersionCheckWaitForm(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint), ImageIcon(new QLabel(this)), LabelText(new QLabel(this)) {
  setObjectName(QStringLiteral("TOnlineVersionCheckWaitForm"));
  setFont(QFont(QStringLiteral("Tahoma")));
  setFixedSize(Size);
  setWindowModality(Qt::ApplicationModal);
  ImageIcon->setObjectName(QStringLiteral("ImageIcon"));
  ImageIcon->setAlignment(Qt::AlignCenter);
  ImageIcon->setPixmap(QApplication::windowIcon().pixmap(kIconSize));
  LabelText->setObjectName(QStringLiteral("LabelText"));
  LabelText->setAlignment(Qt::AlignCenter);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(kBorderWidth, kBorderWidth, kBorderWidth, kBorderWidth);
  layout->addWidget(ImageIcon);
  layout->addWidget(LabelText, 1);
}

TProgressWindow::TProgressWindow(QWidget* owner) : form_(new TOnlineVersionCheckWaitForm(owner)) {
  CentreOnOwner(*form_, owner);
  form_->show();
}

TProgressWindow::~TProgressWindow() { delete form_.data(); }

void TProgressWindow::SetText(const QString& text) {
  TOnlineVersionCheckWaitForm* form = form_.data();
  if (form == nullptr) return;
  QLabel* label = form->LabelText;
  label->setText(text);
  label->repaint();
}

void CentreOnOwner(QWidget& window, const QWidget* owner) {
  QRect area;
  if (owner != nullptr && owner->isVisible()) {
    area = owner->frameGeometry();
  } else {
    const QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen != nullptr) area = screen->availableGeometry();
  }
  if (area.isValid()) window.move(area.center() - window.rect().center());
}

}  // namespace meterly
