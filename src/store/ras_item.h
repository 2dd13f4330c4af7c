#pragma once

#include <QDateTime>
#include <QString>

namespace meterly {

// One finished dial-up session, as the dial-up logger records it.
struct TRasItem {
  QString Name;          // the dial-up entry's name
  QDateTime Since;       // local start time
  quint32 Duration = 0;  // seconds
  qint64 DataIn = 0;     // bytes received during the session
  qint64 DataOut = 0;    // bytes sent during the session
};

}  // namespace meterly
