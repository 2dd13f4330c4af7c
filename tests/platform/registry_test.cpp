#include "platform/registry.h"
#include "fakes/fake_registry_file.h"
#include "platform/registry_test_printing.h"

#include <gtest/gtest.h>

namespace meterly::platform {
namespace {

using fakes::FakeRegistryFile;

const QString MainKey = QStringLiteral("Software\\Corvane\\Meterly\\Main");

const QByteArray GoodText =
    "REGEDIT4\n"
    "\n"
    "[HKEY_CURRENT_USER\\Software\\Corvane\\Meterly\\Main]\n"
    "\"TrayIconMode\"=dword:00000002\n";

const QByteArray DamagedText =
    "REGEDIT4\n"
    "\n"
    "[HKEY_CURRENT_USER\\Software\\Corvane\\Meterly\\Main]\n"
    "\"TrayIconMode\"=dword:123456789\n";

class RegistryTest : public testing::Test {
 protected:
  void SetUp() override { file.contents = GoodText; }

  FakeRegistryFile file;
  Registry registry{file};
};

TEST_F(RegistryTest, MissingFileLoadsAsAnEmptyHiveWithoutProblem) {
  registry.Load();
  file.contents.reset();
  registry.Load();  // replaces what was loaded before
  EXPECT_TRUE(registry.Hive().IsEmpty());
  EXPECT_TRUE(registry.LoadProblem().isEmpty());
  registry.Save();
  EXPECT_EQ(file.contents, QByteArray("REGEDIT4\n"));
}

// A damaged file kept aside with the defaults applied is the end-to-end test's.
TEST_F(RegistryTest, DamagedFileThatCannotBeMovedAsideIsNeverOverwritten) {
  file.contents = DamagedText;
  file.failSetAside = true;
  registry.Load();

  EXPECT_TRUE(registry.Hive().IsEmpty());
  const QString problem = registry.LoadProblem();
  EXPECT_TRUE(problem.contains(QStringLiteral("could not be moved aside (fake set-aside failure)")))
      << problem.toStdString();
  EXPECT_TRUE(problem.contains(QStringLiteral("line 4"))) << problem.toStdString();
  registry.Hive().SetValue(MainKey, QStringLiteral("TrayIconMode"), RegValue::FromDWord(1));
  EXPECT_THROW(registry.Save(), RegistryError);
  EXPECT_THROW(registry.Save(), RegistryError);
  EXPECT_EQ(file.writeCount, 0);
  EXPECT_EQ(file.contents, DamagedText);

  // Once the file has been repaired, a new load makes saving possible again.
  file.contents = GoodText;
  registry.Load();
  EXPECT_TRUE(registry.LoadProblem().isEmpty());
  registry.Save();
  EXPECT_EQ(file.writeCount, 1);
}

TEST_F(RegistryTest, AFileThatCouldNotBeReadIsNeverOverwritten) {
  file.failReads = true;
  EXPECT_THROW(registry.Load(), RegistryError);
  EXPECT_TRUE(registry.Hive().IsEmpty());
  EXPECT_FALSE(file.setAsideAs) << "a file that could not be read is no damaged file";
  try {
    registry.Save();
    FAIL() << "saving the defaults over an unreadable file must be refused";
  } catch (const RegistryError& error) {
    EXPECT_TRUE(error.message().contains(file.Location()));
  }
  EXPECT_EQ(file.writeCount, 0);
  EXPECT_EQ(file.contents, GoodText);

  file.failReads = false;  // readable again: a new load lifts the refusal
  registry.Load();
  registry.Save();
  EXPECT_EQ(file.writeCount, 1);
}

}  // namespace
}  // namespace meterly::platform
