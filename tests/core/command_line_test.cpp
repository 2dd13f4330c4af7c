#include "core/command_line.h"

#include <gtest/gtest.h>

namespace meterly {
namespace {

CommandLineSwitches Parse(std::initializer_list<const char*> arguments) {
  QStringList list;
  for (const char* argument : arguments) list << QString::fromUtf8(argument);
  return ParseCommandLine(list);
}

CommandLineSwitches SwitchesOf(bool readOnly, bool autoStart, bool hello) {
  return {readOnly, autoStart, hello, false, false, {}};
}

TEST(CommandLineTest, SwitchesTakeADashOrSlashInAnyCaseAnywhere) {
  EXPECT_EQ(Parse({}), CommandLineSwitches{});
  EXPECT_EQ(Parse({"-readonly"}), SwitchesOf(true, false, false));
  EXPECT_EQ(Parse({"x.txt", "/AUTO", "--"}), SwitchesOf(false, true, false));
  EXPECT_EQ(Parse({"/Hello", "-ReadOnly", "-auto"}), SwitchesOf(true, true, true));
}

TEST(CommandLineTest, NearMissesAreNotSwitchesAndTheDashedOnesAreUnknownOptions) {
  const CommandLineSwitches switches =
      Parse({"readonly", "--auto", "-hello2", "/autox", "-", "/", "-read only", "\\hello", "--Help", "-v"});
  EXPECT_FALSE(switches.ReadOnly || switches.AutoStart || switches.Hello || switches.Help || switches.Version);
  EXPECT_EQ(switches.Unknown, (QStringList{"--auto", "-hello2", "-read only", "--Help", "-v"}));
}

TEST(CommandLineTest, HelpAndVersionInTheirUsualSpellings) {
  for (const char* help : {"--help", "-h", "-?", "/?"}) EXPECT_TRUE(Parse({"-auto", help}).Help) << help;
  for (const char* version : {"--version", "-V"}) EXPECT_TRUE(Parse({version}).Version) << version;
  EXPECT_TRUE(Parse({"--help"}).Unknown.isEmpty());
}

}  // namespace
}  // namespace meterly
