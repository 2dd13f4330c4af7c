#include "update/version_check_texts.h"

#include <QCoreApplication>

#include <map>

namespace meterly {

namespace VersionCheckText {

QString Checking() { return QCoreApplication::translate("VersionCheckText", "检查更新 ..."); }
QString NoNewVersion() { return QCoreApplication::translate("VersionCheckText", "无新版本"); }
QString UpdateFoundCaption() { return QCoreApplication::translate("VersionCheckText", "Update Found"); }
QString DownloadButton() { return QCoreApplication::translate("VersionCheckText", "现在下载(&D)"); }

QString LocalFailure(const QString& cause) {
  return QCoreApplication::translate("VersionCheckText", "Unable to read local version information: %1").arg(cause);
}

QString RemoteFailure(const QString& cause) {
  return QCoreApplication::translate("VersionCheckText", "Unable to read remote version information: %1").arg(cause);
}

QString UnexpectedFailure(const QString& cause) {
  return QCoreApplication::translate("VersionCheckText", "Unexpected exception occurred: %1").arg(cause);
}

QString NoProxyLogin() {
  return QCoreApplication::translate("VersionCheckText", "No proxy user name and password specified");
}

QString EmptyVersionFile() {
  return QCoreApplication::translate("VersionCheckText", "The version file on the server is empty.");
}

QString NotAVersion() {
  return QCoreApplication::translate("VersionCheckText", "The server's answer is not a version number.");
}

QString AutoCheckQuestion(const QString& applicationTitle) {
  return QCoreApplication::translate("VersionCheckText", "是否让 %1 自动检查新版本?").arg(applicationTitle);
}

QString UpdateFound(const QString& applicationTitle, const QString& localVersion, const QString& remoteVersion) {
  return QCoreApplication::translate("VersionCheckText", "新版本 %1 已可用!\n\n目前版本:%2\n新版本:%3")
      .arg(applicationTitle, localVersion, remoteVersion);
}

QString HttpStatusFailure(int status, const QString& reason) {
  const QString code = reason.isEmpty() ? QString::number(status) : QStringLiteral("%1 (%2)").arg(status).arg(reason);
  return QCoreApplication::translate("VersionCheckText", "The server answered with HTTP status %1.").arg(code);
}

}  // namespace VersionCheckText

namespace {

const std::map<int, const char*>& InternetErrorTexts() {
  static const std::map<int, const char*> texts = {
      {12001, QT_TRANSLATE_NOOP("InternetErrorText", "No more handles could be generated at this time.")},
      {12002, QT_TRANSLATE_NOOP("InternetErrorText", "The request has timed out.")},
      {12003, QT_TRANSLATE_NOOP("InternetErrorText", "An extended error was returned from the server.")},
      {12004, QT_TRANSLATE_NOOP("InternetErrorText", "An internal error has occurred.")},
      {12005, QT_TRANSLATE_NOOP("InternetErrorText", "The URL is invalid.")},
      {12006, QT_TRANSLATE_NOOP("InternetErrorText", "The URL scheme could not be recognized or is not supported.")},
      {12007, QT_TRANSLATE_NOOP("InternetErrorText", "The server name could not be resolved.")},
      {12008, QT_TRANSLATE_NOOP("InternetErrorText", "The requested protocol could not be located.")},
      {12009, QT_TRANSLATE_NOOP("InternetErrorText", "A request specified an invalid option value.")},
      {12010, QT_TRANSLATE_NOOP("InternetErrorText",
                                "The length of an option supplied is incorrect for the type of option specified.")},
      {12011, QT_TRANSLATE_NOOP("InternetErrorText", "The request option cannot be set, only queried.")},
      {12012, QT_TRANSLATE_NOOP("InternetErrorText", "The internet function support is being shut down or unloaded.")},
      {12013, QT_TRANSLATE_NOOP(
                  "InternetErrorText",
                  "The request to log on to the server could not be completed because the user name is incorrect.")},
      {12014, QT_TRANSLATE_NOOP(
                  "InternetErrorText",
                  "The request to log on to the server could not be completed because the password is incorrect.")},
      {12015, QT_TRANSLATE_NOOP("InternetErrorText", "The request to connect to and log on to the server failed.")},
      {12016, QT_TRANSLATE_NOOP("InternetErrorText", "The requested operation is invalid.")},
      {12017, QT_TRANSLATE_NOOP("InternetErrorText", "The operation was canceled before it completed.")},
      {12018, QT_TRANSLATE_NOOP("InternetErrorText", "The type of handle supplied is incorrect for this operation.")},
      {12019, QT_TRANSLATE_NOOP(
                  "InternetErrorText",
                  "The requested operation cannot be carried out because the handle is not in the correct state.")},
      {12020, QT_TRANSLATE_NOOP("InternetErrorText", "The request cannot be made through a proxy.")},
      {12021, QT_TRANSLATE_NOOP("InternetErrorText", "A required registry value could not be located.")},
      {12022,
       QT_TRANSLATE_NOOP("InternetErrorText",
                         "A required registry value was located but has an incorrect type or an invalid value.")},
      {12023, QT_TRANSLATE_NOOP("InternetErrorText", "Direct network access cannot be made at this time.")},
      {12024,
       QT_TRANSLATE_NOOP("InternetErrorText",
                         "An asynchronous request could not be made because a zero context value was supplied.")},
      {12025,
       QT_TRANSLATE_NOOP("InternetErrorText",
                         "An asynchronous request could not be made because a callback function has not been set.")},
      {12026, QT_TRANSLATE_NOOP("InternetErrorText",
                                "The operation could not be completed because one or more requests are pending.")},
      {12027, QT_TRANSLATE_NOOP("InternetErrorText", "The format of the request is invalid.")},
      {12028, QT_TRANSLATE_NOOP("InternetErrorText", "The requested item could not be located.")},
      {12029, QT_TRANSLATE_NOOP("InternetErrorText", "The attempt to connect to the server failed.")},
      {12030, QT_TRANSLATE_NOOP("InternetErrorText", "The connection with the server has been terminated.")},
      {12031, QT_TRANSLATE_NOOP("InternetErrorText", "The connection with the server has been reset.")},
      {12032, QT_TRANSLATE_NOOP("InternetErrorText", "The function needs to redo the request.")},
      {12033, QT_TRANSLATE_NOOP("InternetErrorText", "The request to the proxy was invalid.")},
      {12036, QT_TRANSLATE_NOOP("InternetErrorText", "The request failed because the handle already exists.")},
      {12037,
       QT_TRANSLATE_NOOP("InternetErrorText", "The date of the certificate received from the server is not valid.")},
      {12038, QT_TRANSLATE_NOOP("InternetErrorText",
                                "The host name in the certificate received from the server is incorrect.")},
      {12039, QT_TRANSLATE_NOOP("InternetErrorText",
                                "The connection moves from an insecure to a secure connection because of a redirect.")},
      {12040, QT_TRANSLATE_NOOP("InternetErrorText",
                                "The connection moves from a secure to an insecure connection because of a redirect.")},
      {12041, QT_TRANSLATE_NOOP("InternetErrorText", "The content is not entirely secure.")},
      {12042,
       QT_TRANSLATE_NOOP("InternetErrorText",
                         "The program is posting and changing several lines of text on a server that is not secure.")},
      {12043, QT_TRANSLATE_NOOP("InternetErrorText", "The program is posting data to a server that is not secure.")},
      {12110,
       QT_TRANSLATE_NOOP(
           "InternetErrorText",
           "The operation cannot be made on the file transfer session because another operation is in progress.")},
      {12111, QT_TRANSLATE_NOOP("InternetErrorText",
                                "The file transfer operation was not completed because the session was aborted.")},
      {12130, QT_TRANSLATE_NOOP("InternetErrorText",
                                "An error was detected while parsing data returned from the directory server.")},
      {12131, QT_TRANSLATE_NOOP("InternetErrorText", "The request must be made for a file locator.")},
      {12132,
       QT_TRANSLATE_NOOP("InternetErrorText", "An error was detected while receiving data from the directory server.")},
      {12133, QT_TRANSLATE_NOOP("InternetErrorText", "The end of the data has been reached.")},
      {12134, QT_TRANSLATE_NOOP("InternetErrorText", "The supplied locator is not valid.")},
      {12135, QT_TRANSLATE_NOOP("InternetErrorText", "The type of the locator is not correct for this operation.")},
      {12136, QT_TRANSLATE_NOOP("InternetErrorText",
                                "The requested operation can be made only against an extended directory server.")},
      {12137, QT_TRANSLATE_NOOP("InternetErrorText", "The requested attribute could not be located.")},
      {12138, QT_TRANSLATE_NOOP("InternetErrorText", "The locator type is unknown.")},
      {12150, QT_TRANSLATE_NOOP("InternetErrorText", "The requested header could not be located.")},
      {12151, QT_TRANSLATE_NOOP("InternetErrorText", "The server did not return any headers.")},
      {12152, QT_TRANSLATE_NOOP("InternetErrorText", "The server response could not be parsed.")},
      {12153, QT_TRANSLATE_NOOP("InternetErrorText", "The supplied header is invalid.")},
      {12154, QT_TRANSLATE_NOOP("InternetErrorText", "The request made to query the response headers is invalid.")},
      {12155, QT_TRANSLATE_NOOP("InternetErrorText", "The header could not be added because it already exists.")},
      {12156, QT_TRANSLATE_NOOP("InternetErrorText",
                                "The redirection failed because either the scheme changed or endless loop.")},
  };
  return texts;
}

}  // namespace

QString InternetErrorText(int code) {
  const auto& texts = InternetErrorTexts();
  const auto found = texts.find(code);
  if (found == texts.end()) return QCoreApplication::translate("InternetErrorText", "Unknown error: %1").arg(code);
  return QCoreApplication::translate("InternetErrorText", found->second);
}

}  // namespace meterly
