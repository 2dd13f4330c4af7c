#pragma once

#include <QDateTime>
#include <QString>

namespace meterly {

// One dial-up session: tracked by the dial-up logger while its connection is up, logged when
// it has finished (the last three fields are the logger's own and are not stored).
struct TRasItem {
  QString Name;               // the dial-up entry's name
  QDateTime Since;            // local start time
  quint32 Duration = 0;       // seconds
  qint64 DataIn = 0;          // bytes received during the session
  qint64 DataOut = 0;         // bytes sent during the session
  quint64 Handle = 0;         // the connection the system gave
  quint64 LastBytesSent = 0;  // the connection's counters at the last poll
  quint64 LastBytesReceived = 0;
};

}  // namespace meterly
