#include "update/version_check_texts.h"

#include <map>

namespace meterly {

namespace VersionCheckText {

QString AutoCheckQuestion(const QString& applicationTitle) {
  return QStringLiteral("是否让 %1 自动检查新版本?").arg(applicationTitle);
}

QString UpdateFound(const QString& applicationTitle, const QString& localVersion, const QString& remoteVersion) {
  return QStringLiteral("新版本 %1 已可用!").arg(applicationTitle) + QStringLiteral("\n\n目前版本:") + localVersion +
         QStringLiteral("\n新版本:") + remoteVersion;
}

QString HttpStatusFailure(int status, const QString& reason) {
  const QString code = reason.isEmpty() ? QString::number(status) : QStringLiteral("%1 (%2)").arg(status).arg(reason);
  return QStringLiteral("The server answered with HTTP status %1.").arg(code);
}

}  // namespace VersionCheckText

namespace {

const std::map<int, const char*>& InternetErrorTexts() {
  static const std::map<int, const char*> texts = {
      {12001, "No more handles could be generated at this time."},
      {12002, "The request has timed out."},
      {12003, "An extended error was returned from the server."},
      {12004, "An internal error has occurred."},
      {12005, "The URL is invalid."},
      {12006, "The URL scheme could not be recognized or is not supported."},
      {12007, "The server name could not be resolved."},
      {12008, "The requested protocol could not be located."},
      {12009, "A request specified an invalid option value."},
      {12010, "The length of an option supplied is incorrect for the type of option specified."},
      {12011, "The request option cannot be set, only queried."},
      {12012, "The internet function support is being shut down or unloaded."},
      {12013, "The request to log on to the server could not be completed because the user name is incorrect."},
      {12014, "The request to log on to the server could not be completed because the password is incorrect."},
      {12015, "The request to connect to and log on to the server failed."},
      {12016, "The requested operation is invalid."},
      {12017, "The operation was canceled before it completed."},
      {12018, "The type of handle supplied is incorrect for this operation."},
      {12019, "The requested operation cannot be carried out because the handle is not in the correct state."},
      {12020, "The request cannot be made through a proxy."},
      {12021, "A required registry value could not be located."},
      {12022, "A required registry value was located but has an incorrect type or an invalid value."},
      {12023, "Direct network access cannot be made at this time."},
      {12024, "An asynchronous request could not be made because a zero context value was supplied."},
      {12025, "An asynchronous request could not be made because a callback function has not been set."},
      {12026, "The operation could not be completed because one or more requests are pending."},
      {12027, "The format of the request is invalid."},
      {12028, "The requested item could not be located."},
      {12029, "The attempt to connect to the server failed."},
      {12030, "The connection with the server has been terminated."},
      {12031, "The connection with the server has been reset."},
      {12032, "The function needs to redo the request."},
      {12033, "The request to the proxy was invalid."},
      {12036, "The request failed because the handle already exists."},
      {12037, "The date of the certificate received from the server is not valid."},
      {12038, "The host name in the certificate received from the server is incorrect."},
      {12039, "The connection moves from an insecure to a secure connection because of a redirect."},
      {12040, "The connection moves from a secure to an insecure connection because of a redirect."},
      {12041, "The content is not entirely secure."},
      {12042, "The program is posting and changing several lines of text on a server that is not secure."},
      {12043, "The program is posting data to a server that is not secure."},
      {12110, "The operation cannot be made on the file transfer session because another operation is in progress."},
      {12111, "The file transfer operation was not completed because the session was aborted."},
      {12130, "An error was detected while parsing data returned from the directory server."},
      {12131, "The request must be made for a file locator."},
      {12132, "An error was detected while receiving data from the directory server."},
      {12133, "The end of the data has been reached."},
      {12134, "The supplied locator is not valid."},
      {12135, "The type of the locator is not correct for this operation."},
      {12136, "The requested operation can be made only against an extended directory server."},
      {12137, "The requested attribute could not be located."},
      {12138, "The locator type is unknown."},
      {12150, "The requested header could not be located."},
      {12151, "The server did not return any headers."},
      {12152, "The server response could not be parsed."},
      {12153, "The supplied header is invalid."},
      {12154, "The request made to query the response headers is invalid."},
      {12155, "The header could not be added because it already exists."},
      {12156, "The redirection failed because either the scheme changed or endless loop."},
  };
  return texts;
}

}  // namespace

QString InternetErrorText(int code) {
  const auto& texts = InternetErrorTexts();
  const auto found = texts.find(code);
  if (found == texts.end()) return QStringLiteral("Unknown error: %1").arg(code);
  return QString::fromUtf8(found->second);
}

}  // namespace meterly
