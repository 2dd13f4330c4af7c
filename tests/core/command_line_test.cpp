#include "core/command_line.h"

#include <gtest/gtest.h>

namespace meterly {
namespace {

CommandLineSwitches parse(std::initializer_list<const char*> arguments) {
  QStringList list;
  for (const char* argument : arguments) list << QString::fromUtf8(argument);
  return ParseCommandLine(list);
}

TEST(CommandLineTest, SwitchesTakeADashOrSlashInAnyCaseAnywhere) {
  EXPECT_EQ(parse({}), CommandLineSwitches{});
  EXPECT_EQ(parse({"-readonly"}), (CommandLineSwitches{true, false, false}));
  EXPECT_EQ(parse({"x.txt", "/AUTO", "--"}), (CommandLineSwitches{false, true, false}));
  EXPECT_EQ(parse({"/Hello", "-ReadOnly", "-auto"}), (CommandLineSwitches{true, true, true}));
}

TEST(CommandLineTest, NearMissesAreNotSwitches) {
  EXPECT_EQ(parse({"readonly", "--auto", "-hello2", "/autox", "-", "/", "-read only", "\\hello"}),
            CommandLineSwitches{});
}

}  // namespace
}  // namespace meterly
