// The monitor's own command line: help and version before anything starts, unknown options refused.
#include "cli/program_run.h"

#include <QDir>

#include <gtest/gtest.h>

namespace meterly {
namespace {

using testing_support::ProgramHome;
using testing_support::ProgramResult;

const QString kProgram = QStringLiteral(METERLY_PROGRAM);

TEST(MeterlyCommandLineTest, HelpAndVersionNeedNoDisplayAndAnUnknownOptionEndsWithTwo) {
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
  EXPECT_FALSE(QDir(home.Path(QStringLiteral("run"))).exists());

  // Qt's own options are Qt's, not unknown ones.
  const ProgramResult unknown =
      home.run(kProgram, {QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("--frobnicate")});
  EXPECT_EQ(unknown.Status, 2);
  EXPECT_TRUE(unknown.Out.isEmpty());
  EXPECT_TRUE(unknown.Err.startsWith("meterly: unknown option --frobnicate\nUsage: meterly "))
      << unknown.Err.toStdString();
  // Nothing was created: no lock in the runtime folder, no settings file.
  EXPECT_FALSE(QDir(home.Path(QStringLiteral("run/Meterly"))).exists());
  EXPECT_FALSE(QDir(home.Path(QStringLiteral("config"))).exists());
}

}  // namespace
}  // namespace meterly
