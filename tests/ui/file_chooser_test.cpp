#include "ui/file_chooser.h"

#include "store/qt_printing.h"
#include "support/files.h"
#include "support/windows.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

namespace meterly {
namespace {

class FileChooserTest : public ::testing::Test {
 protected:
  // Presses the button and returns the dialog it opened, once the closed ones are gone.
  QFileDialog* Browse() {
    testing_support::RunDeferredDeletes();
    chooser.ButtonBrowse->click();
    return chooser.findChild<QFileDialog*>();
  }

  QTemporaryDir folder;
  TFileChooser chooser;
  QStringList changes;
};

TEST_F(FileChooserTest, TheFieldHoldsTheNameWhetherSetOrTyped) {
  QObject::connect(&chooser, &TFileChooser::fileNameChanged, [this](const QString& name) { changes << name; });
  chooser.SetFileName(QStringLiteral("/tmp/背景.bmp"));
  EXPECT_EQ(chooser.EditFileName->text(), QStringLiteral("/tmp/背景.bmp"));
  chooser.EditFileName->clear();
  chooser.EditFileName->insert(QStringLiteral("a.wav"));
  EXPECT_EQ(chooser.FileName(), QStringLiteral("a.wav"));
  EXPECT_EQ(changes, (QStringList{QStringLiteral("/tmp/背景.bmp"), QString(), QStringLiteral("a.wav")}));
}

TEST_F(FileChooserTest, FilterIsTheDescriptionWithThePatternInParentheses) {
  chooser.SetFilter(QStringLiteral("Images (*.bmp)"), QStringLiteral("*.bmp"));  // names its pattern already
  EXPECT_EQ(chooser.Filter(), QStringLiteral("Images (*.bmp)"));
  chooser.SetFilter(QStringLiteral("WAV 文件"), QStringLiteral("*.wav"));
  QFileDialog* dialog = Browse();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->nameFilters(), QStringList{QStringLiteral("WAV 文件 (*.wav)")});
  EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
  EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
  dialog->reject();

  // Programs on Linux seldom have a dot in their names: all files are really all.
  chooser.SetFilter(QStringLiteral("All Files"), QStringLiteral("*.*"));
  EXPECT_EQ(Browse()->nameFilters(), QStringList{QStringLiteral("All Files (*)")});
}

TEST_F(FileChooserTest, AConfirmedChoiceReplacesTheTextACancelledOneLeavesIt) {
  ASSERT_TRUE(folder.isValid());
  const QString old = folder.filePath(QStringLiteral("old.bmp"));
  const QString picked = folder.filePath(QStringLiteral("picked.bmp"));
  testing_support::WriteFile(old, {});
  testing_support::WriteFile(picked, {});
  chooser.SetFilter(QStringLiteral("Images"), QStringLiteral("*.bmp"));
  chooser.SetFileName(old);

  QFileDialog* dialog = Browse();
  ASSERT_NE(dialog, nullptr);
  dialog->selectFile(picked);
  dialog->reject();
  EXPECT_EQ(chooser.FileName(), old);

  dialog = Browse();
  EXPECT_EQ(dialog->directory().absolutePath(), folder.path());  // opens where the current file is
  dialog->selectFile(picked);
  static_cast<QDialog*>(dialog)->accept();  // public in QDialog, QFileDialog checks the file
  EXPECT_EQ(chooser.FileName(), picked);
}

}  // namespace
}  // namespace meterly
