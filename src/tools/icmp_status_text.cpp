#include "tools/icmp_status_text.h"

#include <QCoreApplication>

#include <map>

namespace meterly {

QString IcmpStatusText(quint32 status) {
  static const std::map<quint32, const char*> kTexts = {
      {0, QT_TRANSLATE_NOOP("IcmpStatusText", "Success")},
      {11001, QT_TRANSLATE_NOOP("IcmpStatusText", "Buffer too small")},
      {11002, QT_TRANSLATE_NOOP("IcmpStatusText", "Destination network is unreachable")},
      {11003, QT_TRANSLATE_NOOP("IcmpStatusText", "Destination host is unreachable")},
      {11004, QT_TRANSLATE_NOOP("IcmpStatusText", "Destination protocol is unreachable")},
      {11005, QT_TRANSLATE_NOOP("IcmpStatusText", "Destination IP port is unreachable")},
      {11006, QT_TRANSLATE_NOOP("IcmpStatusText", "Insufficient system resources")},
      {11007, QT_TRANSLATE_NOOP("IcmpStatusText", "Invalid option specified")},
      {11008, QT_TRANSLATE_NOOP("IcmpStatusText", "Hardware error")},
      {11009, QT_TRANSLATE_NOOP("IcmpStatusText", "Transmission size too large")},
      {11010, QT_TRANSLATE_NOOP("IcmpStatusText", "Request timed out")},
      {11011, QT_TRANSLATE_NOOP("IcmpStatusText", "Invalid request")},
      {11012, QT_TRANSLATE_NOOP("IcmpStatusText", "Invalid route")},
      {11013, QT_TRANSLATE_NOOP("IcmpStatusText", "Time To Live expired in transit")},
      {11014, QT_TRANSLATE_NOOP("IcmpStatusText", "Time To Live expired after reaching host")},
      {11015, QT_TRANSLATE_NOOP("IcmpStatusText", "Parameter problem")},
      {11016, QT_TRANSLATE_NOOP("IcmpStatusText", "Host overloaded")},
      {11017, QT_TRANSLATE_NOOP("IcmpStatusText", "Try something a little less huge")},
      {11018, QT_TRANSLATE_NOOP("IcmpStatusText", "IP address not found/invalid format")},
      {11019, QT_TRANSLATE_NOOP("IcmpStatusText", "IP address has been deleted")},
      {11020, QT_TRANSLATE_NOOP("IcmpStatusText", "Specific MTU change")},
      {11021, QT_TRANSLATE_NOOP("IcmpStatusText", "MTU got changed by someone, somewhere")},
      {11022, QT_TRANSLATE_NOOP("IcmpStatusText", "Stack, he has gone bye-bye")},
      {11050, QT_TRANSLATE_NOOP("IcmpStatusText", "General failure")},
      {11255, QT_TRANSLATE_NOOP("IcmpStatusText", "Message queued but not yet sent")},
  };
  const auto found = kTexts.find(status);
  if (found == kTexts.end())
    return QCoreApplication::translate("IcmpStatusText", "Unknown ICMP error code %1").arg(status);
  return QCoreApplication::translate("IcmpStatusText", found->second);
}

}  // namespace meterly
