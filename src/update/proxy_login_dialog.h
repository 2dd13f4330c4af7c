#pragma once

#include <QDialog>
#include <QString>

class QAuthenticator;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QNetworkProxy;

namespace meterly {

// Asks for the user name and password a proxy wants before it passes the request on.
class TProxyLoginDialog : public QDialog {
  Q_OBJECT

 public:
  TProxyLoginDialog(const QString& proxyName, const QString& realm, QWidget* owner);

  // Shows the dialog modally; on OK fills in the authenticator and answers true.
  static bool Ask(QWidget* owner, const QNetworkProxy& proxy, QAuthenticator& authenticator);

  QLabel* LabelPrompt;
  QLineEdit* EditUserName;
  QLineEdit* EditPassword;
  QDialogButtonBox* Buttons;
};

}  // namespace meterly
