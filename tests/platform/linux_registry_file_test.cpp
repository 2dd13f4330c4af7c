#include "platform/linux/linux_registry_file.h"
#include "support/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <functional>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace meterly::platform {
namespace {

using testing_support::FileBytes;
using testing_support::WriteFile;

mode_t PermissionsOf(const QString& path) {
  struct stat info {};
  if (::lstat(QFile::encodeName(path).constData(), &info) != 0) return 07777;
  return info.st_mode & 07777;
}

QStringList EntriesIn(const QString& folder) {
  return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// The message must name the file and give the system's reason.
void ExpectFailureNaming(const std::function<void()>& action, const QString& path, const char* reason) {
  try {
    action();
    ADD_FAILURE() << "no RegistryError";
  } catch (const RegistryError& error) {
    EXPECT_TRUE(error.message().contains(path)) << error.what();
    EXPECT_TRUE(error.message().contains(QString::fromUtf8(reason))) << error.what();
  }
}

// Limits the size of files this process writes, so that a write fails half-way even for root.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved_;
    limited.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previousHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  void (*previousHandler_)(int) = nullptr;
};

class LinuxRegistryFileTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(temp.isValid()); }

  QTemporaryDir temp;
  const QString folder = temp.filePath(QStringLiteral("Corvane/Meterly"));
  const QString path = folder + QStringLiteral("/registry.reg");
  LinuxRegistryFile file{path};
};

TEST_F(LinuxRegistryFileTest, MissingFileReadsAsNothingAndCannotBeSetAside) {
  EXPECT_EQ(file.Read(), std::nullopt);
  ExpectFailureNaming([this] { file.SetAside(); }, path, std::strerror(ENOENT));
}

TEST_F(LinuxRegistryFileTest, WriteCreatesOwnerOnlyFoldersAndFileAndReplacesTheWholeContent) {
  file.Write(QByteArray("REGEDIT4\n").repeated(100));
  file.Write("REGEDIT4\n");

  EXPECT_EQ(file.Read(), QByteArray("REGEDIT4\n"));
  EXPECT_EQ(PermissionsOf(path), 0600u);
  EXPECT_EQ(PermissionsOf(folder), 0700u);
  EXPECT_EQ(PermissionsOf(temp.filePath(QStringLiteral("Corvane"))), 0700u);
  EXPECT_EQ(EntriesIn(folder), QStringList{QStringLiteral("registry.reg")});
}

TEST_F(LinuxRegistryFileTest, ReadFailuresNameTheFileAndTheReason) {
  ASSERT_TRUE(QDir().mkpath(path));  // a folder where the file should be
  ExpectFailureNaming([this] { file.Read(); }, path, "not a regular file");

  const QString blocker = temp.filePath(QStringLiteral("plain"));
  WriteFile(blocker, "x");
  const QString throughAFile = blocker + QStringLiteral("/registry.reg");
  ExpectFailureNaming([&] { LinuxRegistryFile(throughAFile).Read(); }, throughAFile, std::strerror(ENOTDIR));
}

TEST_F(LinuxRegistryFileTest, FailedRenameLeavesTheTargetAndNoTemporaryFile) {
  ASSERT_TRUE(QDir().mkpath(path + QStringLiteral("/inside")));  // rename cannot replace a folder
  ExpectFailureNaming([this] { file.Write("REGEDIT4\n"); }, path, std::strerror(EISDIR));
  EXPECT_EQ(EntriesIn(folder), QStringList{QStringLiteral("registry.reg")});
  EXPECT_EQ(EntriesIn(path), QStringList{QStringLiteral("inside")});
}

TEST_F(LinuxRegistryFileTest, WriteFailingHalfWayLeavesTheOldFileAndNoTemporaryFile) {
  file.Write("old content\n");
  const QByteArray large = QByteArray("\"Value\"=dword:00000001\n").repeated(1000);
  {
    const FileSizeLimit limit(100);
    ExpectFailureNaming([&] { file.Write(large); }, path, std::strerror(EFBIG));
  }
  EXPECT_EQ(FileBytes(path), QByteArray("old content\n"));
  EXPECT_EQ(EntriesIn(folder), QStringList{QStringLiteral("registry.reg")});
}

TEST_F(LinuxRegistryFileTest, UnwritableFolderFailsWithoutTouchingTheOldFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "running as root: folder permissions do not stop root's writes";
  file.Write("old content\n");
  ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0500), 0);
  ExpectFailureNaming([this] { file.Write("new\n"); }, path, std::strerror(EACCES));
  ::chmod(QFile::encodeName(folder).constData(), 0700);
  EXPECT_EQ(FileBytes(path), QByteArray("old content\n"));
  EXPECT_EQ(EntriesIn(folder), QStringList{QStringLiteral("registry.reg")});
}

TEST_F(LinuxRegistryFileTest, InAnExistingFolderASymlinkIsReplacedNotWrittenThrough) {
  ASSERT_TRUE(QDir().mkpath(folder));
  ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0750), 0);
  const QString elsewhere = temp.filePath(QStringLiteral("elsewhere.txt"));
  WriteFile(elsewhere, "precious\n");
  ASSERT_EQ(::symlink(QFile::encodeName(elsewhere).constData(), QFile::encodeName(path).constData()), 0);

  file.Write("REGEDIT4\n");

  EXPECT_FALSE(QFileInfo(path).isSymLink());
  EXPECT_EQ(FileBytes(path), QByteArray("REGEDIT4\n"));
  EXPECT_EQ(FileBytes(elsewhere), QByteArray("precious\n"));
  EXPECT_EQ(PermissionsOf(folder), 0750u) << "an existing folder keeps its permissions";
}

TEST_F(LinuxRegistryFileTest, SetAsideNeverOverwritesAnEarlierKeptFileNorADanglingSymlink) {
  file.Write("first\n");
  EXPECT_EQ(file.SetAside(), path + QStringLiteral(".bad"));
  EXPECT_EQ(file.Read(), std::nullopt);
  ASSERT_EQ(::symlink("/nonexistent/target", QFile::encodeName(path + QStringLiteral(".bad.1")).constData()), 0);
  file.Write("second\n");
  EXPECT_EQ(file.SetAside(), path + QStringLiteral(".bad.2"));

  EXPECT_EQ(FileBytes(path + QStringLiteral(".bad")), QByteArray("first\n"));
  EXPECT_TRUE(QFileInfo(path + QStringLiteral(".bad.1")).isSymLink());
  EXPECT_EQ(FileBytes(path + QStringLiteral(".bad.2")), QByteArray("second\n"));
  EXPECT_EQ(EntriesIn(folder).size(), 3);
}

}  // namespace
}  // namespace meterly::platform
