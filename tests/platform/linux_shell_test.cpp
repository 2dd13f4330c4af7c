#include "platform/linux/linux_shell.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace meterly::platform {
namespace {

// Stands in for xdg-open: writes the argument count and each argument on a line of its own,
// and never opens anything.
class RecordingOpener {
 public:
  RecordingOpener() {
    QFile script(path());
    EXPECT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > '%1.tmp' && mv '%1.tmp' '%1'\n")
                     .arg(recordPath())
                     .toUtf8());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }

  QString path() const { return dir.filePath(QStringLiteral("opener")); }
  QString folder() const { return dir.path(); }

  // The opener runs detached: wait for its record.
  QStringList arguments() const {
    const QDeadlineTimer deadline(10000);
    while (!QFile::exists(recordPath()) && !deadline.hasExpired()) QThread::msleep(10);
    QFile record(recordPath());
    if (!record.open(QIODevice::ReadOnly)) return {QStringLiteral("<opener did not run>")};
    QStringList lines = QString::fromUtf8(record.readAll()).split(QLatin1Char('\n'));
    lines.removeLast();  // after the last newline
    if (lines.value(0).toInt() != lines.size() - 1) return {QStringLiteral("<bad record>")};
    return lines.mid(1);
  }

 private:
  QString recordPath() const { return dir.filePath(QStringLiteral("record")); }

  QTemporaryDir dir;
};

void createFile(const QString& path) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

class CurrentFolder {
 public:
  explicit CurrentFolder(const QString& path) : previous_(QDir::currentPath()) { QDir::setCurrent(path); }
  ~CurrentFolder() { QDir::setCurrent(previous_); }

 private:
  QString previous_;
};

TEST(LinuxShellTest, AnExistingFileReachesTheOpenerAsOneAbsolutePath) {
  RecordingOpener opener;
  QTemporaryDir documents;
  const QString document = documents.filePath(QStringLiteral("usage report; $(echo x) 'q'.csv"));
  createFile(document);

  LinuxShell shell(opener.path());
  EXPECT_GT(shell.ShellExecute(document), 32);
  EXPECT_EQ(opener.arguments(), QStringList{document});
}

TEST(LinuxShellTest, ANameStartingWithADashIsNeverAnOption) {
  RecordingOpener opener;
  QTemporaryDir documents;
  createFile(documents.filePath(QStringLiteral("-x")));
  const CurrentFolder inDocuments(documents.path());

  LinuxShell shell(opener.path());
  EXPECT_GT(shell.ShellExecute(QStringLiteral("-x")), 32);
  EXPECT_EQ(opener.arguments(), QStringList{QDir(documents.path()).absoluteFilePath(QStringLiteral("-x"))});
}

TEST(LinuxShellTest, WebAddressesAndFileUrlsArePassedOn) {
  EXPECT_EQ(LinuxShell::OpenerArgument(QStringLiteral("https://www.example.com/manual/?page=1#top")),
            QStringLiteral("https://www.example.com/manual/?page=1#top"));
  EXPECT_EQ(LinuxShell::OpenerArgument(QStringLiteral("mailto:support@example.com")),
            QStringLiteral("mailto:support@example.com"));

  QTemporaryDir documents;
  const QString document = documents.filePath(QStringLiteral("notes.txt"));
  createFile(document);
  EXPECT_EQ(LinuxShell::OpenerArgument(QStringLiteral("file://") + document), document);
  EXPECT_EQ(LinuxShell::OpenerArgument(QStringLiteral("file://") + document + QStringLiteral(".gone")), std::nullopt);

  RecordingOpener opener;
  LinuxShell shell(opener.path());
  EXPECT_GT(shell.ShellExecute(QStringLiteral("https://www.example.com/manual/")), 32);
  EXPECT_EQ(opener.arguments(), QStringList{QStringLiteral("https://www.example.com/manual/")});
}

TEST(LinuxShellTest, AMissingFileIsNotFoundBeforeAnyOpenerIsTried) {
  QTemporaryDir documents;
  // An opener that cannot start would answer 31: the file is checked first.
  LinuxShell shell(documents.filePath(QStringLiteral("no-such-opener")));
  EXPECT_EQ(shell.ShellExecute(documents.filePath(QStringLiteral("missing.wav"))), ShellResult::FileNotFound);
  EXPECT_EQ(shell.ShellExecute(QString()), ShellResult::FileNotFound);
  EXPECT_EQ(shell.ShellExecute(QStringLiteral("-missing")), ShellResult::FileNotFound);
  EXPECT_EQ(shell.ShellExecute(QStringLiteral("no such file")), ShellResult::FileNotFound);
}

TEST(LinuxShellTest, AnOpenerThatCannotStartMeansNoAssociation) {
  QTemporaryDir folder;
  const QString document = folder.filePath(QStringLiteral("page.html"));
  createFile(document);

  LinuxShell missing(folder.filePath(QStringLiteral("no-such-opener")));
  EXPECT_EQ(missing.ShellExecute(document), ShellResult::NoAssociation);

  const QString notExecutable = folder.filePath(QStringLiteral("not-executable"));
  createFile(notExecutable);
  LinuxShell refused(notExecutable);
  EXPECT_EQ(refused.ShellExecute(document), ShellResult::NoAssociation);
}

}  // namespace
}  // namespace meterly::platform
