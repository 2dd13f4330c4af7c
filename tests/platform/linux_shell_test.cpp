#include "platform/linux/linux_shell.h"
#include "support/files.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <optional>

namespace meterly::platform {
namespace {

constexpr int kWaitMs = 10000;

using testing_support::WriteFile;

class CurrentFolder {
 public:
  explicit CurrentFolder(const QString& path) : previous_(QDir::currentPath()) { QDir::setCurrent(path); }
  ~CurrentFolder() { QDir::setCurrent(previous_); }

 private:
  QString previous_;
};

class LinuxShellTest : public ::testing::Test {
 protected:
  // Stands in for xdg-open or a program: records its arguments, opens nothing, ends with `status`.
  QString Script(const QString& name, int status = 0) {
    const QString path = dir.filePath(name);
    WriteFile(path, QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > '%1.tmp' && mv '%1.tmp' '%1'\nexit %2\n")
                        .arg(Record())
                        .arg(status)
                        .toUtf8());
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
  }

  QString Record() const { return dir.filePath(QStringLiteral("record")); }

  // The arguments the script was given; it runs detached, so this waits for its record.
  QStringList Recorded() const {
    const QDeadlineTimer deadline(kWaitMs);
    while (!QFile::exists(Record()) && !deadline.hasExpired()) QThread::msleep(10);
    QFile file(Record());
    if (!file.open(QIODevice::ReadOnly)) return {QStringLiteral("<nothing ran>")};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    lines.removeLast();  // after the last newline
    if (lines.value(0).toInt() != lines.size() - 1) return {QStringLiteral("<bad record>")};
    return lines.mid(1);
  }

  // Opens the target and waits for the outcome, which must not come inside the call.
  std::optional<int> Open(LinuxShell& shell, const QString& target) {
    std::optional<int> result;
    QEventLoop loop;
    shell.OpenProgram(target, [&](int value) {
      result = value;
      loop.quit();
    });
    if (result) {
      ADD_FAILURE() << "the outcome came inside the call";
      return result;
    }
    QTimer::singleShot(kWaitMs, &loop, &QEventLoop::quit);
    loop.exec();
    return result;
  }

  QString NoOpener() const { return dir.filePath(QStringLiteral("no-such-opener")); }

  QTemporaryDir dir;
};

TEST_F(LinuxShellTest, TheOpenersArgumentIsOneAbsolutePathOrARemoteAddress) {
  const QString notes = dir.filePath(QStringLiteral("notes.txt"));
  WriteFile(notes, {});
  WriteFile(dir.filePath(QStringLiteral("-x")), {});
  const CurrentFolder inDocuments(dir.path());
  const QString page = QStringLiteral("https://www.example.com/manual/?page=1#top");
  const QString mail = QStringLiteral("mailto:support@example.com");
  const struct {
    QString target;
    std::optional<QString> argument;
  } cases[] = {
      {notes, notes},
      {QStringLiteral("-x"), dir.filePath(QStringLiteral("-x"))},  // never an option
      {QStringLiteral("file://") + notes, notes},
      {QStringLiteral("file://") + notes + QStringLiteral(".gone"), std::nullopt},
      {page, page},
      {mail, mail},
      {dir.filePath(QStringLiteral("missing.wav")), std::nullopt},
      {QString(), std::nullopt},
      {QStringLiteral("-missing"), std::nullopt},
      {QStringLiteral("no such file"), std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(LinuxShell::OpenerArgument(c.target), c.argument) << c.target.toStdString();
}

TEST_F(LinuxShellTest, ShellExecuteHandsTheArgumentOnAndFindsAMissingFileBeforeTheOpenerFails) {
  const QString document = dir.filePath(QStringLiteral("usage report; $(echo x) 'q'.csv"));
  WriteFile(document, {});
  LinuxShell shell(Script(QStringLiteral("opener")));
  EXPECT_GT(shell.ShellExecute(document), 32);
  EXPECT_EQ(Recorded(), QStringList{document});

  LinuxShell noOpener(NoOpener());
  EXPECT_EQ(noOpener.ShellExecute(dir.filePath(QStringLiteral("missing.wav"))), ShellResult::FileNotFound);
  EXPECT_EQ(noOpener.ShellExecute(document), ShellResult::NoAssociation);
}

TEST_F(LinuxShellTest, OpenProgramStartsAnExecutableFileDirectlyWithoutArguments) {
  LinuxShell shell(NoOpener());
  EXPECT_EQ(Open(shell, Script(QStringLiteral("on traffic; $(x).sh"))), ShellResult::Started);
  EXPECT_EQ(Recorded(), QStringList{});
}

TEST_F(LinuxShellTest, OpenProgramGivesADocumentToTheOpenerAndItsExitStatusIsTheOutcome) {
  const QString document = dir.filePath(QStringLiteral("notes 'a' & b.txt"));
  WriteFile(document, "text");
  LinuxShell shell(Script(QStringLiteral("opener")));
  EXPECT_EQ(Open(shell, document), ShellResult::Started);
  EXPECT_EQ(Recorded(), QStringList{document});

  const struct {
    int status;
    int result;
  } failures[] = {{2, ShellResult::FileNotFound}, {3, ShellResult::NoAssociation}, {4, ShellResult::NoAssociation}};
  for (const auto& failure : failures) {
    LinuxShell failing(Script(QStringLiteral("opener-%1").arg(failure.status), failure.status));
    EXPECT_EQ(Open(failing, document), failure.result) << "exit status " << failure.status;
  }
}

TEST_F(LinuxShellTest, OpenProgramFailsForWhatCannotBeStarted) {
  LinuxShell shell(NoOpener());
  EXPECT_EQ(Open(shell, dir.filePath(QStringLiteral("gone"))), ShellResult::FileNotFound);

  const QString document = dir.filePath(QStringLiteral("page.html"));
  WriteFile(document, "<p>");
  EXPECT_EQ(Open(shell, document), ShellResult::NoAssociation) << "no opener to hand it to";

  // Marked executable, but nothing the system can run.
  const QString broken = dir.filePath(QStringLiteral("broken"));
  WriteFile(broken,
            "\x7f"
            "ELF garbage");
  QFile::setPermissions(broken, QFile::ReadOwner | QFile::ExeOwner);
  EXPECT_EQ(Open(shell, broken), ShellResult::InvalidExecutable);
}

}  // namespace
}  // namespace meterly::platform
