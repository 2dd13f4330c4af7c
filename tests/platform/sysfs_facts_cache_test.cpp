#include "platform/linux/sysfs_facts_cache.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace meterly::platform {
namespace {

// A stand-in for /sys/class/net whose entries the test changes behind the cache's back.
class SysfsFactsCacheTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(root.isValid()); }

  void add(const QString& relativePath) { ASSERT_TRUE(QDir(root.path()).mkpath(relativePath)); }
  void remove(const QString& relativePath) { ASSERT_TRUE(QDir(root.path() + '/' + relativePath).removeRecursively()); }

  // One full pass, as rows() makes it, asking about the given links.
  SysfsLinkFacts sweep(int index, const QByteArray& name) {
    cache.startSweep();
    const SysfsLinkFacts facts = cache.factsFor(index, name);
    cache.finishSweep();
    return facts;
  }

  QTemporaryDir root;
  SysfsFactsCache cache{QFile::encodeName(root.path())};
};

TEST_F(SysfsFactsCacheTest, AsksInTwoSweepsThenKeepsTheAnswer) {
  add(QStringLiteral("wlan0/device"));
  EXPECT_FALSE(sweep(3, "wlan0").isWireless) << "first sight, before the wireless stack added its entry";

  add(QStringLiteral("wlan0/phy80211"));
  cache.startSweep();
  EXPECT_TRUE(cache.factsFor(3, "wlan0").isWireless) << "the next sweep asks again";
  EXPECT_TRUE(cache.factsFor(3, "wlan0").isWireless);
  cache.finishSweep();

  remove(QStringLiteral("wlan0"));
  const SysfsLinkFacts kept = sweep(3, "wlan0");
  EXPECT_TRUE(kept.listed && kept.hasDevice && kept.isWireless) << "asked twice: not asked again";
}

TEST_F(SysfsFactsCacheTest, RenamedLinkIsAskedAnew) {
  add(QStringLiteral("eth0/device"));
  add(QStringLiteral("veth0"));
  sweep(4, "eth0");
  EXPECT_TRUE(sweep(4, "eth0").hasDevice);
  const SysfsLinkFacts renamed = sweep(4, "veth0");
  EXPECT_TRUE(renamed.listed);
  EXPECT_FALSE(renamed.hasDevice);
}

TEST_F(SysfsFactsCacheTest, LinkMissingFromASweepIsForgotten) {
  add(QStringLiteral("eth1/device"));
  sweep(5, "eth1");
  sweep(5, "eth1");
  sweep(6, "other");  // index 5 is gone
  remove(QStringLiteral("eth1/device"));
  EXPECT_FALSE(sweep(5, "eth1").hasDevice) << "a new link under an old index and name";
}

}  // namespace
}  // namespace meterly::platform
