#pragma once

// Runs a program of this tree as a user would, with its own home and runtime folders.

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace meterly::testing_support {

struct ProgramResult {
  int Status = -1;
  QByteArray Out;
  QByteArray Err;
};

class ProgramHome {
 public:
  ProgramHome() {
    environment_.insert(QStringLiteral("HOME"), home_.path());
    environment_.insert(QStringLiteral("XDG_CONFIG_HOME"), home_.filePath(QStringLiteral("config")));
    environment_.insert(QStringLiteral("XDG_DATA_HOME"), home_.filePath(QStringLiteral("data")));
    environment_.insert(QStringLiteral("XDG_RUNTIME_DIR"), home_.filePath(QStringLiteral("run")));
    environment_.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
    // The programs' texts as written: no translation is loaded for the language "C".
    environment_.insert(QStringLiteral("LANGUAGE"), QStringLiteral("C"));
    environment_.insert(QStringLiteral("TZ"), QStringLiteral("UTC"));
  }

  QString Path(const QString& name) const { return home_.filePath(name); }
  void Set(const QString& name, const QString& value) { environment_.insert(name, value); }
  void Unset(const QString& name) { environment_.remove(name); }

  ProgramResult run(const QString& program, const QStringList& arguments) const {
    QProcess process;
    process.setProcessEnvironment(environment_);
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << program.toStdString();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
            process.readAllStandardError()};
  }

 private:
  QTemporaryDir home_;
  QProcessEnvironment environment_ = QProcessEnvironment::systemEnvironment();
};

}  // namespace meterly::testing_support
