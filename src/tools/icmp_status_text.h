#pragma once

#include <QString>

namespace meterly {

// The text of an echo answer's status code: "Success", "Request timed out", ... and
// "Unknown ICMP error code %u" for a code not in the table.
QString IcmpStatusText(quint32 status);

}  // namespace meterly
