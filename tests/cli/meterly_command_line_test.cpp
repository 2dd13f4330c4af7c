// The monitor's own command line: help and version before anything is started, unknown options
// refused.
#include "cli/program_run.h"

#include <QDir>

#include <gtest/gtest.h>

namespace meterly {
namespace {

using testing_support::ProgramHome;
using testing_support::ProgramResult;

const QString kProgram = QStringLiteral(METERLY_PROGRAM);

TEST(MeterlyCommandLineTest, HelpAndVersionPrintWithoutADisplayALockOrSettings) {
  ProgramHome home;
  home.Unset(QStringLiteral("DISPLAY"));
  home.Unset(QStringLiteral("WAYLAND_DISPLAY"));
  home.Unset(QStringLiteral("QT_QPA_PLATFORM"));
  for (const QString& option : {QStringLiteral("--help"), QStringLiteral("/?")}) {
    const ProgramResult help = home.run(kProgram, {QStringLiteral("-auto"), option});
    EXPECT_EQ(help.Status, 0) << help.Err.toStdString();
    EXPECT_TRUE(help.Out.startsWith("Usage: meterly ")) << help.Out.toStdString();
  }
  const ProgramResult version = home.run(kProgram, {QStringLiteral("--version")});
  EXPECT_EQ(version.Status, 0);
  EXPECT_EQ(version.Out, QByteArray("meterly " METERLY_VERSION_TEXT "\n"));
  // Nothing was created: no lock in the runtime folder, no settings file.
  EXPECT_FALSE(QDir(home.Path(QStringLiteral("run"))).exists());
  EXPECT_FALSE(QDir(home.Path(QStringLiteral("config"))).exists());
}

TEST(MeterlyCommandLineTest, AnUnknownOptionPrintsTheUsageOnErrorAndEndsWithTwo) {
  ProgramHome home;
  home.Set(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  // Qt's own options are Qt's, not unknown ones.
  const ProgramResult result =
      home.run(kProgram, {QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("--frobnicate")});
  EXPECT_EQ(result.Status, 2);
  EXPECT_TRUE(result.Out.isEmpty());
  EXPECT_TRUE(result.Err.startsWith("meterly: unknown option --frobnicate\nUsage: meterly "))
      << result.Err.toStdString();
  EXPECT_FALSE(QDir(home.Path(QStringLiteral("run/Meterly"))).exists());
  EXPECT_FALSE(QDir(home.Path(QStringLiteral("config"))).exists());
}

}  // namespace
}  // namespace meterly
