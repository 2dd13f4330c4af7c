#pragma once

#include <QByteArray>
#include <QNetworkRequest>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

class QAuthenticator;
class QNetworkAccessManager;
class QNetworkProxy;
class QNetworkReply;

namespace meterly {

// One request for the version file, without blocking: it reports `finished` once the version
// or the failure is known. A request that receives nothing for the transfer timeout fails;
// a proxy that asks for a login asks the user through `proxyLogin`.
class TVersionFetch : public QObject {
  Q_OBJECT

 public:
  // Fills in the user name and password for the proxy; false when the user declines.
  using ProxyLogin = std::function<bool(const QNetworkProxy& proxy, QAuthenticator& authenticator)>;

  TVersionFetch(QNetworkAccessManager& network, const QString& url, int transferTimeoutMs, ProxyLogin proxyLogin,
                QObject* parent = nullptr);
  ~TVersionFetch() override;

  void Start();
  bool IsFinished() const { return finished_; }

  // Once finished: the remote version, trimmed. Raises ECannotReadRemote with the failure.
  QString Result() const;

 Q_SIGNALS:
  void finished();

 private:
  void ReadAvailable();
  bool AppendBody();  // true when more came than a version file holds
  void ReleaseReply();
  void TimedOut();
  void ProxyAuthenticationRequired(const QNetworkProxy& proxy, QAuthenticator* authenticator);
  void ReplyFinished();
  QString Evaluate();

  QNetworkAccessManager& network_;
  QNetworkRequest request_;
  ProxyLogin proxyLogin_;
  QTimer stallTimer_;
  QNetworkReply* reply_ = nullptr;
  QByteArray body_;
  bool timedOut_ = false;
  bool loginDeclined_ = false;
  bool tooLong_ = false;
  bool finished_ = false;
  QString version_;
  QString failure_;
};

}  // namespace meterly
