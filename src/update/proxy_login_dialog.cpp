#include "update/proxy_login_dialog.h"

#include "ui/progress_window.h"

#include <QAuthenticator>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkProxy>
#include <QVBoxLayout>

namespace meterly {

TProxyLoginDialog::TProxyLoginDialog(const QString& proxyName, const QString& realm, QWidget* owner)
    : QDialog(owner),
      LabelPrompt(new QLabel(this)),
      EditUserName(new QLineEdit(this)),
      EditPassword(new QLineEdit(this)),
      Buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)) {
  setObjectName(QStringLiteral("TProxyLoginDialog"));
  setWindowTitle(tr("Proxy login"));
  const QString where = realm.isEmpty() ? proxyName : QStringLiteral("%1 (%2)").arg(proxyName, realm);
  LabelPrompt->setText(tr("The proxy %1 needs a user name and password.").arg(where));
  LabelPrompt->setWordWrap(true);
  EditUserName->setObjectName(QStringLiteral("EditUserName"));
  EditPassword->setObjectName(QStringLiteral("EditPassword"));
  EditPassword->setEchoMode(QLineEdit::Password);

  auto* fields = new QFormLayout;
  fields->addRow(tr("User name:"), EditUserName);
  fields->addRow(tr("Password:"), EditPassword);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(LabelPrompt);
  layout->addLayout(fields);
  layout->addWidget(Buttons);
  connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  CentreOnOwner(*this, owner);
}

bool TProxyLoginDialog::Ask(QWidget* owner, const QNetworkProxy& proxy, QAuthenticator& authenticator) {
  const QString proxyName = QStringLiteral("%1:%2").arg(proxy.hostName()).arg(proxy.port());
  TProxyLoginDialog dialog(proxyName, authenticator.realm(), owner);
  dialog.EditUserName->setText(authenticator.user().isEmpty() ? proxy.user() : authenticator.user());
  if (dialog.exec() != QDialog::Accepted) return false;
  authenticator.setUser(dialog.EditUserName->text());
  authenticator.setPassword(dialog.EditPassword->text());
  return true;
}

}  // namespace meterly
