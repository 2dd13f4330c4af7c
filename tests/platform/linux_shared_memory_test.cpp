#include "platform/linux/linux_shared_memory.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <random>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace meterly::platform {
namespace {

constexpr int SectionSize = 255;

// Runs the action and expects a SharedMemoryError whose message contains every given part.
QString ExpectRefusal(const std::function<void()>& action, const QStringList& parts = {}) {
  try {
    action();
    ADD_FAILURE() << "no SharedMemoryError";
  } catch (const SharedMemoryError& error) {
    for (const QString& part : parts) EXPECT_TRUE(error.message().contains(part)) << error.what();
    return error.message();
  }
  return QString();
}

class LinuxSharedMemoryTest : public testing::Test {
 protected:
  void TearDown() override { ::shm_unlink(ObjectPath().constData()); }

  QByteArray ObjectPath() const { return memory.ObjectName(name).toUtf8(); }

  // Makes the object the way another program might have left it.
  void CreateObjectDirectly(mode_t mode, off_t size) {
    const mode_t savedMask = ::umask(0);
    const int fd = ::shm_open(ObjectPath().constData(), O_RDWR | O_CREAT | O_EXCL, mode);
    ::umask(savedMask);
    ASSERT_GE(fd, 0) << std::strerror(errno);
    EXPECT_EQ(::ftruncate(fd, size), 0);
    ::close(fd);
  }

  struct stat ObjectInfo() const {
    struct stat info {};
    const int fd = ::shm_open(ObjectPath().constData(), O_RDONLY, 0);
    EXPECT_GE(fd, 0) << "the object is gone: " << std::strerror(errno);
    if (fd >= 0) {
      EXPECT_EQ(::fstat(fd, &info), 0);
      ::close(fd);
    }
    return info;
  }

  LinuxSharedMemory memory;
  const QString name = QStringLiteral("MeterlySharedMemoryTest%1x%2")
                           .arg(::getpid())
                           .arg(std::random_device()(), 8, 16, QLatin1Char('0'));
};

TEST_F(LinuxSharedMemoryTest, NewSectionIsZeroedOwnerOnlyAndNamedAfterTheUser) {
  EXPECT_EQ(memory.ObjectName(name), QStringLiteral("/%1.%2").arg(name).arg(::geteuid()));

  const mode_t savedMask = ::umask(0277);  // a creation mode of its own would come out 0400
  const auto section = memory.Open(name, SectionSize);
  ::umask(savedMask);

  ASSERT_EQ(section->size(), SectionSize);
  for (int i = 0; i < SectionSize; ++i) ASSERT_EQ(section->data()[i], 0) << "byte " << i;
  const struct stat info = ObjectInfo();
  EXPECT_EQ(info.st_size, SectionSize);
  EXPECT_EQ(info.st_mode & 07777, 0600u);
  EXPECT_EQ(info.st_uid, ::geteuid());
}

// That a second opener shares the memory is shown by the viewers' reader tests and end to end.
TEST_F(LinuxSharedMemoryTest, ExistingObjectsAreSizedWhenEmptyAndClosedToOthers) {
  CreateObjectDirectly(0666, 0);
  const auto section = memory.Open(name, SectionSize);
  EXPECT_EQ(section->size(), SectionSize);
  const struct stat info = ObjectInfo();
  EXPECT_EQ(info.st_size, SectionSize);
  EXPECT_EQ(info.st_mode & 07777, 0600u);
}

TEST_F(LinuxSharedMemoryTest, RefusesAnObjectOfAnotherSize) {
  CreateObjectDirectly(0600, 4096);
  ExpectRefusal([&] { memory.Open(name, SectionSize); },
                {QString::fromUtf8(ObjectPath()), QStringLiteral("4096"), QStringLiteral("255")});
  EXPECT_EQ(ObjectInfo().st_size, 4096) << "another program's object must be left as it was";
}

TEST_F(LinuxSharedMemoryTest, RefusesAnObjectOfAnotherUser) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to give an object to another user";
  CreateObjectDirectly(0600, SectionSize);
  const int fd = ::shm_open(ObjectPath().constData(), O_RDWR, 0);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::fchown(fd, 65534, 65534), 0) << std::strerror(errno);
  ::close(fd);

  ExpectRefusal([&] { memory.Open(name, SectionSize); },
                {QString::fromUtf8(ObjectPath()), QStringLiteral("belongs to user 65534")});
}

TEST_F(LinuxSharedMemoryTest, FailuresNameTheObjectAndTheSystemsReason) {
  // A name beyond NAME_MAX: the C library answers EINVAL (glibc) or ENAMETOOLONG.
  const QString tooLong(300, QLatin1Char('x'));
  const QString message = ExpectRefusal([&] { memory.Open(tooLong, SectionSize); });
  EXPECT_TRUE(message.startsWith(QStringLiteral("Cannot create or open the shared memory section ") +
                                 memory.ObjectName(tooLong)))
      << message.toStdString();
  EXPECT_TRUE(message.endsWith(QString::fromLocal8Bit(std::strerror(EINVAL))) ||
              message.endsWith(QString::fromLocal8Bit(std::strerror(ENAMETOOLONG))))
      << message.toStdString();
  ExpectRefusal([&] { memory.Open(QStringLiteral("a/b"), SectionSize); }, {QStringLiteral("/a/b")});
  ExpectRefusal([&] { memory.Open(QString(), SectionSize); }, {QStringLiteral("Cannot name")});
}

}  // namespace
}  // namespace meterly::platform
