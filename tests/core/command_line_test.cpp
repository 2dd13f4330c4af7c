#include "core/command_line.h"

#include <gtest/gtest.h>

namespace meterly {
namespace {

CommandLineSwitches parse(std::initializer_list<const char*> arguments) {
  QStringList list;
  for (const char* argument : arguments) list << QString::fromUtf8(argument);
  return ParseCommandLine(list);
}

CommandLineSwitches switchesOf(bool readOnly, bool autoStart, bool hello) {
  CommandLineSwitches switches;
  switches.ReadOnly = readOnly;
  switches.AutoStart = autoStart;
  switches.Hello = hello;
  return switches;
}

TEST(CommandLineTest, SwitchesTakeADashOrSlashInAnyCaseAnywhere) {
  EXPECT_EQ(parse({}), CommandLineSwitches{});
  EXPECT_EQ(parse({"-readonly"}), switchesOf(true, false, false));
  EXPECT_EQ(parse({"x.txt", "/AUTO", "--"}), switchesOf(false, true, false));
  EXPECT_EQ(parse({"/Hello", "-ReadOnly", "-auto"}), switchesOf(true, true, true));
}

TEST(CommandLineTest, NearMissesAreNotSwitchesAndTheDashedOnesAreUnknownOptions) {
  const CommandLineSwitches switches =
      parse({"readonly", "--auto", "-hello2", "/autox", "-", "/", "-read only", "\\hello", "--Help", "-v"});
  EXPECT_FALSE(switches.ReadOnly || switches.AutoStart || switches.Hello || switches.Help || switches.Version);
  EXPECT_EQ(switches.Unknown, (QStringList{"--auto", "-hello2", "-read only", "--Help", "-v"}));
}

TEST(CommandLineTest, HelpAndVersionInTheirUsualSpellings) {
  for (const char* help : {"--help", "-h", "-?", "/?"}) EXPECT_TRUE(parse({"-auto", help}).Help) << help;
  for (const char* version : {"--version", "-V"}) EXPECT_TRUE(parse({version}).Version) << version;
  EXPECT_TRUE(parse({"--help"}).Unknown.isEmpty());
}

}  // namespace
}  // namespace meterly
