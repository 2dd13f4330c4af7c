#pragma once

#include <QString>

namespace meterly {

// What the version check says to the user.
namespace VersionCheckText {

inline const QString Checking = QStringLiteral("检查更新 ...");
inline const QString NoNewVersion = QStringLiteral("无新版本");
inline const QString UpdateFoundCaption = QStringLiteral("Update Found");
inline const QString DownloadButton = QStringLiteral("现在下载(&D)");
inline const QString LocalFailure = QStringLiteral("Unable to read local version information: ");
inline const QString RemoteFailure = QStringLiteral("Unable to read remote version information: ");
inline const QString UnexpectedFailure = QStringLiteral("Unexpected exception occurred: ");
inline const QString NoProxyLogin = QStringLiteral("No proxy user name and password specified");
inline const QString EmptyVersionFile = QStringLiteral("The version file on the server is empty.");
inline const QString NotAVersion = QStringLiteral("The server's answer is not a version number.");

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
