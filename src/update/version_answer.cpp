#include "update/version_answer.h"

#include "update/version_check_errors.h"
#include "update/version_check_texts.h"
#include "update/version_number.h"

#include <map>

namespace meterly {

QString RemoteVersionFromBody(const QByteArray& body) {
  if (body.size() > kMaxVersionFileBytes) throw ECannotReadRemote(VersionCheckText::NotAVersion());
  const QString text = QString::fromUtf8(body).trimmed();
  if (text.isEmpty()) throw ECannotReadRemote(VersionCheckText::EmptyVersionFile());
  if (!VersionNumber::Parse(text)) throw ECannotReadRemote(VersionCheckText::NotAVersion());
  return text;
}

void CheckHttpStatus(int status, const QString& reason) {
  if (status < 200 || status > 299) throw ECannotReadRemote(VersionCheckText::HttpStatusFailure(status, reason));
}

QString NetworkFailureText(QNetworkReply::NetworkError error, const QString& description) {
  using E = QNetworkReply::NetworkError;
  static const std::map<E, int> codes = {
      {E::ConnectionRefusedError, InternetError::CannotConnect},
      {E::RemoteHostClosedError, InternetError::ConnectionAborted},
      {E::HostNotFoundError, InternetError::NameNotResolved},
      {E::TimeoutError, InternetError::Timeout},
      {E::OperationCanceledError, InternetError::OperationCancelled},
      {E::TemporaryNetworkFailureError, InternetError::CannotConnect},
      {E::NetworkSessionFailedError, InternetError::CannotConnect},
      {E::TooManyRedirectsError, InternetError::RedirectFailed},
      {E::InsecureRedirectError, InternetError::RedirectFailed},
      {E::ProxyConnectionRefusedError, InternetError::CannotConnect},
      {E::ProxyConnectionClosedError, InternetError::ConnectionAborted},
      {E::ProxyNotFoundError, InternetError::NameNotResolved},
      {E::ProxyTimeoutError, InternetError::Timeout},
      {E::ProxyAuthenticationRequiredError, InternetError::InvalidProxyRequest},
      {E::ProtocolUnknownError, InternetError::UnrecognizedScheme},
      {E::ProtocolFailure, InternetError::InvalidServerResponse},
  };
  const auto found = codes.find(error);
  return found == codes.end() ? description : InternetErrorText(found->second);
}

}  // namespace meterly
