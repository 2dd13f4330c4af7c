#include "ui/file_chooser.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>

namespace meterly {

TFileChooser::TFileChooser(QWidget* parent)
    : QWidget(parent), EditFileName(new QLineEdit(this)), ButtonBrowse(new QToolButton(this)) {
  EditFileName->setObjectName(QStringLiteral("EditFileName"));
  ButtonBrowse->setObjectName(QStringLiteral("ButtonBrowse"));
  ButtonBrowse->setText(QStringLiteral("..."));
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  layout->addWidget(EditFileName, 1);
  layout->addWidget(ButtonBrowse);
  connect(EditFileName, &QLineEdit::textChanged, this, &TFileChooser::fileNameChanged);
  connect(ButtonBrowse, &QToolButton::clicked, this, &TFileChooser::Browse);
}

void TFileChooser::SetFilter(const QString& description, const QString& pattern) {
  // Descriptions such as "Images (*.bmp)" already name their pattern.
  const QString named = QStringLiteral("(%1)").arg(pattern);
  filter_ = description.endsWith(named) ? description : QStringLiteral("%1 %2").arg(description, named);
}

QString TFileChooser::FileName() const { return EditFileName->text(); }

void TFileChooser::SetFileName(const QString& fileName) { EditFileName->setText(fileName); }

// "*.*" means every file where the filters come from, but only names with a dot to Qt, and
// programs on Linux seldom have one.
QString TFileChooser::DialogNameFilter() const {
  QString filter = filter_;
  return filter.replace(QStringLiteral("(*.*)"), QStringLiteral("(*)"));
}

void TFileChooser::Browse() {
  auto* dialog = new QFileDialog(this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setAcceptMode(QFileDialog::AcceptOpen);
  dialog->setFileMode(QFileDialog::ExistingFile);
  if (!filter_.isEmpty()) dialog->setNameFilter(DialogNameFilter());
  if (!FileName().isEmpty()) {
    const QFileInfo current(FileName());
    dialog->setDirectory(current.absolutePath());
    dialog->selectFile(current.fileName());
  }
  connect(dialog, &QFileDialog::fileSelected, this, &TFileChooser::SetFileName);
  dialog->open();
}

}  // namespace meterly
