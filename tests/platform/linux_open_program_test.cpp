#include "platform/linux/linux_shell.h"

#include <QDeadlineTimer>
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

class OpenProgramTest : public ::testing::Test {
 protected:
  // A script of the test's own: writes its argument count and arguments to `record`, then ends
  // with `status`.
  QString script(const char* name, int status = 0) {
    const QString path = dir.filePath(QLatin1String(name));
    writeFile(path, QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > '%1.tmp' && mv '%1.tmp' '%1'\nexit %2\n")
                        .arg(record())
                        .arg(status));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
  }

  static void writeFile(const QString& path, const QString& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
  }

  QString record() const { return dir.filePath(QStringLiteral("record")); }

  // What the script recorded: the arguments it was given.
  QStringList recorded() const {
    const QDeadlineTimer deadline(kWaitMs);
    while (!QFile::exists(record()) && !deadline.hasExpired()) QThread::msleep(10);
    QFile file(record());
    if (!file.open(QIODevice::ReadOnly)) return {QStringLiteral("<nothing ran>")};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    lines.removeLast();
    return lines.mid(1);
  }

  // Opens the target and waits for the outcome, which must not come inside the call.
  std::optional<int> open(LinuxShell& shell, const QString& target) {
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

  QTemporaryDir dir;
};

TEST_F(OpenProgramTest, AnExecutableFileIsStartedDirectlyWithoutArguments) {
  LinuxShell shell(dir.filePath(QStringLiteral("no-opener")));
  const QString program = script("on traffic; $(x).sh");
  EXPECT_EQ(open(shell, program), ShellResult::Started);
  EXPECT_EQ(recorded(), QStringList{});
}

TEST_F(OpenProgramTest, ADocumentGoesToTheOpenerAsOneArgumentAndItsExitStatusIsTheOutcome) {
  const QString document = dir.filePath(QStringLiteral("notes 'a' & b.txt"));
  writeFile(document, QStringLiteral("text"));
  LinuxShell shell(script("opener"));
  EXPECT_EQ(open(shell, document), ShellResult::Started);
  EXPECT_EQ(recorded(), QStringList{document});

  const struct {
    int status;
    int result;
  } failures[] = {{2, ShellResult::FileNotFound}, {3, ShellResult::NoAssociation}, {4, ShellResult::NoAssociation}};
  for (const auto& failure : failures) {
    LinuxShell failing(script(qPrintable(QStringLiteral("opener-%1").arg(failure.status)), failure.status));
    EXPECT_EQ(open(failing, document), failure.result) << "exit status " << failure.status;
  }
}

TEST_F(OpenProgramTest, WhatCannotBeStartedIsAFailure) {
  LinuxShell shell(dir.filePath(QStringLiteral("no-opener")));
  EXPECT_EQ(open(shell, dir.filePath(QStringLiteral("gone"))), ShellResult::FileNotFound);

  const QString document = dir.filePath(QStringLiteral("page.html"));
  writeFile(document, QStringLiteral("<p>"));
  EXPECT_EQ(open(shell, document), ShellResult::NoAssociation) << "no opener to hand it to";

  // Marked executable, but nothing the system can run.
  const QString broken = dir.filePath(QStringLiteral("broken"));
  writeFile(broken, QStringLiteral("\x7f"
                                   "ELF garbage"));
  QFile::setPermissions(broken, QFile::ReadOwner | QFile::ExeOwner);
  EXPECT_EQ(open(shell, broken), ShellResult::InvalidExecutable);
}

}  // namespace
}  // namespace meterly::platform
