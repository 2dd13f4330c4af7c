#include "platform/linux/link_type.h"

#include "platform/interface_table.h"

#include <linux/if_arp.h>
#include <sys/stat.h>

namespace meterly::platform {

namespace {

bool IsTunnel(unsigned hardwareType) {
  switch (hardwareType) {
    case ARPHRD_TUNNEL:
    case ARPHRD_TUNNEL6:
    case ARPHRD_SIT:
    case ARPHRD_IPGRE:
    case ARPHRD_IP6GRE:
    case ARPHRD_NONE:  // tun in IP mode, WireGuard
      return true;
    default:
      return false;
  }
}

bool IsSlip(unsigned hardwareType) {
  return hardwareType == ARPHRD_SLIP || hardwareType == ARPHRD_CSLIP || hardwareType == ARPHRD_SLIP6 ||
         hardwareType == ARPHRD_CSLIP6;
}

quint32 EthernetType(bool hasPhysicalDevice, bool isWireless) {
  if (!hasPhysicalDevice) return IfType::Tunnel;
  return isWireless ? IfType::Wireless : IfType::Ethernet;
}

bool Exists(const QByteArray& path) {
  struct stat status {};
  return ::lstat(path.constData(), &status) == 0;
}

bool CanLeaveFolder(const QByteArray& name) {
  return name.isEmpty() || name == "." || name == ".." || name.contains('/') || name.contains('\0');
}

}  // namespace

quint32 IfTypeOf(unsigned hardwareType, bool hasPhysicalDevice, bool isWireless) {
  if (hardwareType == ARPHRD_LOOPBACK) return IfType::SoftwareLoopback;
  if (hardwareType == ARPHRD_PPP) return IfType::Ppp;
  if (IsSlip(hardwareType)) return IfType::Slip;
  if (hardwareType == ARPHRD_IEEE1394) return IfType::Ieee1394;
  if (IsTunnel(hardwareType)) return IfType::Tunnel;
  if (hardwareType == ARPHRD_ETHER) return EthernetType(hasPhysicalDevice, isWireless);
  return IfType::Other;
}

SysfsLinkFacts sysfsLinkFacts(const QByteArray& name, const QByteArray& classNetFolder) {
  SysfsLinkFacts facts;
  if (CanLeaveFolder(name)) {
    facts.listed = true;
    return facts;
  }
  const QByteArray linkFolder = classNetFolder + '/' + name;
  facts.listed = Exists(linkFolder);
  if (!facts.listed) return facts;
  facts.hasDevice = Exists(linkFolder + "/device");
  facts.isWireless = Exists(linkFolder + "/wireless") || Exists(linkFolder + "/phy80211");
  return facts;
}

bool HasPhysicalDevice(const SysfsLinkFacts& sysfs, bool hasLinkKind) {
  if (hasLinkKind) return false;
  return sysfs.listed ? sysfs.hasDevice : true;
}

}  // namespace meterly::platform
