#include "tools/icmp_status_text.h"

#include <map>

namespace meterly {

QString IcmpStatusText(quint32 status) {
  static const std::map<quint32, const char*> kTexts = {
      {0, "Success"},
      {11001, "Buffer too small"},
      {11002, "Destination network is unreachable"},
      {11003, "Destination host is unreachable"},
      {11004, "Destination protocol is unreachable"},
      {11005, "Destination IP port is unreachable"},
      {11006, "Insufficient system resources"},
      {11007, "Invalid option specified"},
      {11008, "Hardware error"},
      {11009, "Transmission size too large"},
      {11010, "Request timed out"},
      {11011, "Invalid request"},
      {11012, "Invalid route"},
      {11013, "Time To Live expired in transit"},
      {11014, "Time To Live expired after reaching host"},
      {11015, "Parameter problem"},
      {11016, "Host overloaded"},
      {11017, "Try something a little less huge"},
      {11018, "IP address not found/invalid format"},
      {11019, "IP address has been deleted"},
      {11020, "Specific MTU change"},
      {11021, "MTU got changed by someone, somewhere"},
      {11022, "Stack, he has gone bye-bye"},
      {11050, "General failure"},
      {11255, "Message queued but not yet sent"},
  };
  const auto found = kTexts.find(status);
  if (found == kTexts.end()) return QStringLiteral("Unknown ICMP error code %1").arg(status);
  return QString::fromLatin1(found->second);
}

}  // namespace meterly
