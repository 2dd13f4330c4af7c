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

  void Add(const QString& relativePath) { ASSERT_TRUE(QDir(root.path()).mkpath(relativePath)); }
  void Remove(const QString& relativePath) { ASSERT_TRUE(QDir(root.path() + '/' + relativePath).removeRecursively()); }

  // One full pass, as rows() makes it, asking about the given links.
  SysfsLinkFacts Sweep(int index, const QByteArray& name) {
    cache.StartSweep();
    const SysfsLinkFacts facts = cache.FactsFor(index, name);
    cache.FinishSweep();
    return facts;
  }

  QTemporaryDir root;
  SysfsFactsCache cache{QFile::encodeName(root.path())};
};

TEST_F(SysfsFactsCacheTest, AsksInTwoSweepsThenKeepsTheAnswer) {
  Add(QStringLiteral("wlan0/device"));
  EXPECT_FALSE(Sweep(3, "wlan0").isWireless) << "first sight, before the wireless stack added its entry";

  Add(QStringLiteral("wlan0/phy80211"));
  cache.StartSweep();
  EXPECT_TRUE(cache.FactsFor(3, "wlan0").isWireless) << "the next sweep asks again";
  EXPECT_TRUE(cache.FactsFor(3, "wlan0").isWireless);
  cache.FinishSweep();

  Remove(QStringLiteral("wlan0"));
  const SysfsLinkFacts kept = Sweep(3, "wlan0");
  EXPECT_TRUE(kept.listed && kept.hasDevice && kept.isWireless) << "asked twice: not asked again";
}

TEST_F(SysfsFactsCacheTest, RenamedLinkIsAskedAnew) {
  Add(QStringLiteral("eth0/device"));
  Add(QStringLiteral("veth0"));
  Sweep(4, "eth0");
  EXPECT_TRUE(Sweep(4, "eth0").hasDevice);
  const SysfsLinkFacts renamed = Sweep(4, "veth0");
  EXPECT_TRUE(renamed.listed);
  EXPECT_FALSE(renamed.hasDevice);
}

TEST_F(SysfsFactsCacheTest, LinkMissingFromASweepIsForgotten) {
  Add(QStringLiteral("eth1/device"));
  Sweep(5, "eth1");
  Sweep(5, "eth1");
  Sweep(6, "other");  // index 5 is gone
  Remove(QStringLiteral("eth1/device"));
  EXPECT_FALSE(Sweep(5, "eth1").hasDevice) << "a new link under an old index and name";
}

}  // namespace
}  // namespace meterly::platform
