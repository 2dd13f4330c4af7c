#include "update/update_found_dialog.h"

#include "core/settings_mapping.h"
#include "platform/shell.h"
#include "ui/progress_window.h"
#include "update/version_check_texts.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace meterly {

namespace {

constexpr int kBorderWidth = 10;
constexpr int kIconSize = 32;

}  // namespace

TUpdateFoundDialog::TUpdateFoundDialog(platform::Shell& shell, const QString& message, const QString& downloadUrl,
                                       QWidget* owner)
    : QDialog(owner),
      GroupBox(new QGroupBox(this)),
      ImageIcon(new QLabel(GroupBox)),
      LabelMessage(new QLabel(message, GroupBox)),
      ButtonDownload(new QPushButton(VersionCheckText::DownloadButton(), GroupBox)),
      shell_(shell),
      downloadUrl_(downloadUrl) {
  setObjectName(QStringLiteral("TUpdateFoundDialog"));
  setWindowTitle(VersionCheckText::UpdateFoundCaption());
  setFont(QFont(QStringLiteral("Tahoma")));
  setFixedSize(Size);
  ImageIcon->setPixmap(QApplication::windowIcon().pixmap(kIconSize));
  ImageIcon->setAlignment(Qt::AlignCenter);
  QFont bold = LabelMessage->font();
  bold.setBold(true);
  LabelMessage->setFont(bold);
  LabelMessage->setWordWrap(true);
  LabelMessage->setObjectName(QStringLiteral("LabelMessage"));
  ButtonDownload->setObjectName(QStringLiteral("ButtonDownload"));

  auto* row = new QHBoxLayout;
  row->addSpacing(10);
  row->addWidget(ImageIcon);
  row->addSpacing(15);
  row->addWidget(LabelMessage, 1);
  auto* inside = new QVBoxLayout(GroupBox);
  inside->addLayout(row, 1);
  inside->addWidget(ButtonDownload, 0, Qt::AlignHCenter);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(kBorderWidth, kBorderWidth, kBorderWidth, kBorderWidth);
  layout->addWidget(GroupBox);

  connect(ButtonDownload, &QPushButton::clicked, this, &TUpdateFoundDialog::DownloadClick);
  CentreOnOwner(*this, owner);
}

void TUpdateFoundDialog::DownloadClick() {
  const int result = shell_.ShellExecute(downloadUrl_);
  if (result <= 32) {
    QMessageBox box(QMessageBox::Critical, QString(), ShellErrorText(result), QMessageBox::Ok, this);
    box.exec();
    return;
  }
  accept();
}

}  // namespace meterly
