#pragma once

#include <QString>

namespace meterly {

// What the version check says to the user.
namespace VersionCheckText {

QString Checking();
QString NoNewVersion();
QString UpdateFoundCaption();
QString DownloadButton();
// The reasons of a failed check, each followed by its cause.
QString LocalFailure(const QString& cause);
QString RemoteFailure(const QString& cause);
QString UnexpectedFailure(const QString& cause);
QString NoProxyLogin();
QString EmptyVersionFile();
QString NotAVersion();

// The first-start question: whether to let the program check for new versions by itself.
QString AutoCheckQuestion(const QString& applicationTitle);

// The update dialog's message.
QString UpdateFound(const QString& applicationTitle, const QString& localVersion, const QString& remoteVersion);

// A reply whose HTTP status is not a success, e.g. "The server answered with HTTP status 404 (Not Found)."
QString HttpStatusFailure(int status, const QString& reason);

}  // namespace VersionCheckText

// The usual description of an internet error code 12001...12156, "Unknown error: <code>" for
// any other code.
QString InternetErrorText(int code);

// Internet error codes the network failures map to.
namespace InternetError {
constexpr int Timeout = 12002;
constexpr int InvalidUrl = 12005;
constexpr int UnrecognizedScheme = 12006;
constexpr int NameNotResolved = 12007;
constexpr int OperationCancelled = 12017;
constexpr int CannotConnect = 12029;
constexpr int ConnectionAborted = 12030;
constexpr int ConnectionReset = 12031;
constexpr int InvalidProxyRequest = 12033;
constexpr int CertificateDateInvalid = 12037;
constexpr int CertificateNameInvalid = 12038;
constexpr int InvalidServerResponse = 12152;
constexpr int RedirectFailed = 12156;
}  // namespace InternetError

}  // namespace meterly
