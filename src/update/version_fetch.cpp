#include "update/version_fetch.h"

#include "update/version_answer.h"
#include "update/version_check_errors.h"
#include "update/version_check_texts.h"

#include <QAuthenticator>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>

namespace meterly {

TVersionFetch::TVersionFetch(QNetworkAccessManager& network, const QString& url, int transferTimeoutMs,
                             ProxyLogin proxyLogin, QObject* parent)
    : QObject(parent), network_(network), request_(QUrl(url)), proxyLogin_(std::move(proxyLogin)) {
  // Always from the server itself, never from a cache on the way.
  request_.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
  request_.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
  request_.setRawHeader("Cache-Control", "no-cache");
  request_.setRawHeader("Pragma", "no-cache");
  stallTimer_.setSingleShot(true);
  stallTimer_.setInterval(transferTimeoutMs);
  connect(&stallTimer_, &QTimer::timeout, this, &TVersionFetch::TimedOut);
  connect(&network_, &QNetworkAccessManager::proxyAuthenticationRequired, this,
          &TVersionFetch::ProxyAuthenticationRequired);
}

TVersionFetch::~TVersionFetch() {
  if (reply_ == nullptr) return;
  ReleaseReply();
  reply_->abort();
  delete reply_;
}

void TVersionFetch::Start() {
  const QUrl url = request_.url();
  if (!url.isValid() || url.host().isEmpty()) {
    finished_ = true;
    failure_ = InternetErrorText(InternetError::InvalidUrl);
    Q_EMIT finished();
    return;
  }
  reply_ = network_.get(request_);
  connect(reply_, &QNetworkReply::readyRead, this, &TVersionFetch::ReadAvailable);
  connect(reply_, &QNetworkReply::metaDataChanged, &stallTimer_, qOverload<>(&QTimer::start));
  connect(reply_, &QNetworkReply::finished, this, &TVersionFetch::ReplyFinished);
  stallTimer_.start();
}

void TVersionFetch::ReadAvailable() {
  stallTimer_.start();
  if (AppendBody()) reply_->abort();
}

bool TVersionFetch::AppendBody() {
  body_ += reply_->read(kMaxVersionFileBytes + 1 - body_.size());
  tooLong_ = body_.size() > kMaxVersionFileBytes;
  return tooLong_;
}

void TVersionFetch::ReleaseReply() {
  disconnect(reply_, nullptr, this, nullptr);
  disconnect(reply_, nullptr, &stallTimer_, nullptr);
}

void TVersionFetch::TimedOut() {
  timedOut_ = true;
  if (reply_ != nullptr) reply_->abort();
}

void TVersionFetch::ProxyAuthenticationRequired(const QNetworkProxy& proxy, QAuthenticator* authenticator) {
  // The user's time at the login dialog is no stall of the transfer.
  stallTimer_.stop();
  if (!proxyLogin_ || !proxyLogin_(proxy, *authenticator)) loginDeclined_ = true;
  if (!finished_) stallTimer_.start();
}

void TVersionFetch::ReplyFinished() {
  stallTimer_.stop();
  try {
    version_ = Evaluate();
  } catch (const ECannotReadRemote& error) {
    failure_ = error.message();
  }
  finished_ = true;
  ReleaseReply();
  reply_->deleteLater();
  reply_ = nullptr;
  Q_EMIT finished();
}

QString TVersionFetch::Evaluate() {
  if (timedOut_) throw ECannotReadRemote(InternetErrorText(InternetError::Timeout));
  if (loginDeclined_) throw ECannotReadRemote(VersionCheckText::NoProxyLogin());
  if (tooLong_) throw ECannotReadRemote(VersionCheckText::NotAVersion());
  const QVariant status = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute);
  if (status.isValid()) {
    CheckHttpStatus(status.toInt(), reply_->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString());
  }
  if (reply_->error() != QNetworkReply::NoError) {
    throw ECannotReadRemote(NetworkFailureText(reply_->error(), reply_->errorString()));
  }
  if (AppendBody()) throw ECannotReadRemote(VersionCheckText::NotAVersion());
  return RemoteVersionFromBody(body_);
}

QString TVersionFetch::Result() const {
  if (!failure_.isEmpty()) throw ECannotReadRemote(failure_);
  return version_;
}

}  // namespace meterly
