#pragma once

#include <QByteArray>
#include <QNetworkReply>
#include <QString>

namespace meterly {

// How the server's answer to the version request is read.

// More than this is no version file (a login page of a captive portal, say); reading stops there.
constexpr qsizetype kMaxVersionFileBytes = 256;

// The version in the body of a successful answer, without surrounding white space. Raises
// ECannotReadRemote when the body is empty, too long or not dotted numbers such as 1.2.3.
QString RemoteVersionFromBody(const QByteArray& body);

// Raises ECannotReadRemote for an HTTP status outside 200...299: an error page is no version.
void CheckHttpStatus(int status, const QString& reason);

// The user's text for a failed request: the internet error text it corresponds to, else the
// network library's own description.
QString NetworkFailureText(QNetworkReply::NetworkError error, const QString& description);

}  // namespace meterly
