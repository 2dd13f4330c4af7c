#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace meterly::platform {

// The interface type (IfType) of a link from its hardware type (ARPHRD_*) and what stands
// behind it. Tunnels and Ethernet-type links without a physical device are 131, so that the
// traffic of virtual devices, which also crosses a physical one, is not counted twice.
quint32 IfTypeOf(unsigned hardwareType, bool hasPhysicalDevice, bool isWireless);

// What /sys/class/net/<name> tells about a link.
struct SysfsLinkFacts {
  bool listed = false;      // /sys/class/net/<name> exists
  bool hasDevice = false;   // .../device: a bus device (PCI, USB, SDIO...) stands behind it
  bool isWireless = false;  // .../wireless or .../phy80211
};

// Asks the sysfs of the caller's mount namespace. A name that could leave the folder ('/', ".",
// "..", NUL, empty) is answered as listed, without device, not wireless.
SysfsLinkFacts sysfsLinkFacts(const QByteArray& name, const QByteArray& classNetFolder = "/sys/class/net");

// Whether a physical device stands behind a link. A link with an rtnetlink kind (veth, bridge,
// tun, wireguard...) never has one. Otherwise sysfs decides; a link sysfs does not list (its
// sysfs shows another network namespace) and that has no kind is taken as physical, as a NIC
// moved into a namespace would be.
bool HasPhysicalDevice(const SysfsLinkFacts& sysfs, bool hasLinkKind);

}  // namespace meterly::platform
