#include "ui/about_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace meterly {

namespace {

constexpr int kIconSize = 48;

}  // namespace

TAboutWindow::TAboutWindow(const QIcon& icon, const QString& productName, const QString& version, QWidget* parent)
    : QDialog(parent),
      LabelProduct(
          new QLabel(QStringLiteral("<b>%1 %2</b>").arg(productName.toHtmlEscaped(), version.toHtmlEscaped()), this)),
      LabelDescription(new QLabel(tr("A network-traffic monitor for the desktop."), this)),
      LabelNote(new QLabel(this)),
      bbCheckUpdates(new QPushButton(tr("检查更新(&U)"), this)),
      bbOk(new QPushButton(tr("OK"), this)) {
  setObjectName(QStringLiteral("TAboutWindow"));
  setWindowTitle(tr("关于 %1").arg(productName));
  setWindowIcon(icon);
  bbCheckUpdates->setObjectName(QStringLiteral("bbCheckUpdates"));
  bbOk->setObjectName(QStringLiteral("bbOk"));
  LabelNote->setObjectName(QStringLiteral("LabelNote"));
  LabelNote->setWordWrap(true);
  LabelNote->hide();
  bbCheckUpdates->hide();

  auto* image = new QLabel(this);
  image->setPixmap(icon.pixmap(kIconSize));
  auto* texts = new QVBoxLayout;
  texts->addWidget(LabelProduct);
  texts->addWidget(LabelDescription);
  texts->addWidget(LabelNote);
  auto* top = new QHBoxLayout;
  top->addWidget(image, 0, Qt::AlignTop);
  top->addLayout(texts, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(bbCheckUpdates);
  buttons->addStretch(1);
  buttons->addWidget(bbOk);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(buttons);

  bbOk->setDefault(true);
  connect(bbOk, &QPushButton::clicked, this, &QDialog::accept);
  connect(bbCheckUpdates, &QPushButton::clicked, this, &TAboutWindow::CheckUpdatesClick);
}

void TAboutWindow::SetUpdateCheckOffered(bool offered) { bbCheckUpdates->setVisible(offered); }

void TAboutWindow::SetNote(const QString& note) {
  LabelNote->setText(note);
  LabelNote->setVisible(!note.isEmpty());
}

void TAboutWindow::CheckUpdatesClick() {
  accept();
  // The check shows its own windows; this one is gone by then.
  QMetaObject::invokeMethod(this, &TAboutWindow::checkUpdatesRequested, Qt::QueuedConnection);
}

}  // namespace meterly
