#include "platform/linux/link_type.h"
#include "platform/interface_table.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <linux/if_arp.h>

namespace meterly::platform {
namespace {

struct TypeCase {
  const char* what;
  unsigned hardwareType;
  bool hasPhysicalDevice;
  bool isWireless;
  quint32 expected;
};

TEST(LinkTypeTest, MapsHardwareTypeAndDeviceToIfType) {
  const TypeCase cases[] = {
      {"loopback", ARPHRD_LOOPBACK, false, false, IfType::SoftwareLoopback},
      {"ppp", ARPHRD_PPP, false, false, IfType::Ppp},
      {"ppp on a modem", ARPHRD_PPP, true, false, IfType::Ppp},
      {"slip", ARPHRD_SLIP, false, false, IfType::Slip},
      {"firewire", ARPHRD_IEEE1394, true, false, IfType::Ieee1394},
      {"ipip", ARPHRD_TUNNEL, false, false, IfType::Tunnel},
      {"tun, wireguard", ARPHRD_NONE, false, false, IfType::Tunnel},
      {"veth, bridge, dummy", ARPHRD_ETHER, false, false, IfType::Tunnel},
      {"virtual device that looks wireless", ARPHRD_ETHER, false, true, IfType::Tunnel},
      {"wired nic", ARPHRD_ETHER, true, false, IfType::Ethernet},
      {"wireless nic", ARPHRD_ETHER, true, true, IfType::Wireless},
      {"infiniband", ARPHRD_INFINIBAND, true, false, IfType::Other},
      {"wireless monitor mode", ARPHRD_IEEE80211_RADIOTAP, true, true, IfType::Other},
  };
  for (const TypeCase& c : cases) {
    EXPECT_EQ(IfTypeOf(c.hardwareType, c.hasPhysicalDevice, c.isWireless), c.expected) << c.what;
  }
}

TEST(LinkTypeTest, KindAndSysfsDecideWhetherADeviceStandsBehind) {
  const SysfsLinkFacts unlisted{false, false, false};
  const SysfsLinkFacts virtualLink{true, false, false};
  const SysfsLinkFacts nic{true, true, false};
  EXPECT_FALSE(HasPhysicalDevice(nic, true)) << "a link with a kind is virtual whatever sysfs says";
  EXPECT_FALSE(HasPhysicalDevice(unlisted, true)) << "veth in a namespace our sysfs does not show";
  EXPECT_TRUE(HasPhysicalDevice(nic, false));
  EXPECT_FALSE(HasPhysicalDevice(virtualLink, false)) << "a device without kind and without bus device";
  EXPECT_TRUE(HasPhysicalDevice(unlisted, false)) << "a NIC moved into a namespace";
}

// A stand-in for /sys/class/net: <root>/net/<name>/{device,wireless,phy80211}.
class SysfsFactsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(root.isValid());
    ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("net")));
    // Entries one level up, which a name that escaped the folder would find.
    MakeEntry(QStringLiteral("device"));
    MakeEntry(QStringLiteral("wireless"));
  }

  void MakeEntry(const QString& relativePath) {
    ASSERT_TRUE(QDir(root.path()).mkpath(relativePath)) << relativePath.toStdString();
  }

  SysfsLinkFacts Facts(const QByteArray& name) {
    return sysfsLinkFacts(name, QFile::encodeName(root.path() + QStringLiteral("/net")));
  }

  QTemporaryDir root;
};

TEST_F(SysfsFactsTest, ReadsDeviceAndWirelessEntries) {
  // A wired device, phy80211 and a link without device: the cache test reads those.
  MakeEntry(QStringLiteral("net/wlan0/device"));
  MakeEntry(QStringLiteral("net/wlan0/wireless"));
  MakeEntry(QStringLiteral("net/usb0"));
  ASSERT_TRUE(QFile::link(root.path() + QStringLiteral("/no-such-bus-device"),
                          root.path() + QStringLiteral("/net/usb0/device")));

  const struct {
    const char* name;
    bool listed;
    bool hasDevice;
    bool isWireless;
  } rows[] = {
      {"wlan0", true, true, true},
      {"usb0", true, true, false},  // a device symlink whose target is gone
      {"veth7", false, false, false},
  };
  for (const auto& row : rows) {
    const SysfsLinkFacts f = Facts(row.name);
    EXPECT_EQ(f.listed, row.listed) << row.name;
    EXPECT_EQ(f.hasDevice, row.hasDevice) << row.name;
    EXPECT_EQ(f.isWireless, row.isWireless) << row.name;
  }
}

TEST_F(SysfsFactsTest, NamesThatWouldLeaveTheFolderHaveNoDevice) {
  MakeEntry(QStringLiteral("net/x/device"));
  const QByteArray oddNames[] = {"", ".", "..", "../net/x", "x/..", QByteArray("x\0y", 3)};
  for (const QByteArray& name : oddNames) {
    const SysfsLinkFacts f = Facts(name);
    EXPECT_TRUE(f.listed) << name.toStdString();
    EXPECT_FALSE(f.hasDevice) << name.toStdString();
    EXPECT_FALSE(f.isWireless) << name.toStdString();
  }
}

}  // namespace
}  // namespace meterly::platform
