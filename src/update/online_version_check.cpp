#include "update/online_version_check.h"

#include "base/date_serial.h"
#include "core/auto_update_settings.h"
#include "platform/clock.h"
#include "ui/progress_window.h"
#include "update/auto_check_rule.h"
#include "update/proxy_login_dialog.h"
#include "update/update_found_dialog.h"
#include "update/version_check_errors.h"
#include "update/version_check_texts.h"
#include "update/version_fetch.h"
#include "update/version_number.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QScopedValueRollback>

namespace meterly {

namespace {

// The desktop's proxy settings for every request of this manager, without changing the
// application-wide proxy.
class SystemProxyFactory : public QNetworkProxyFactory {
 public:
  QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery& query) override { return systemProxyForQuery(query); }
};

// The wait was ended from outside (the application is quitting): no result, nothing to say.
struct ECheckAbandoned {};

QString ApplicationTitle() { return QCoreApplication::applicationName(); }

}  // namespace

TOnlineVersionCheck::TOnlineVersionCheck(AutoUpdateSettings& settings, platform::Shell& shell, platform::Clock& clock,
                                         VersionCheckSetup setup, QObject* parent)
    : QObject(parent), settings_(settings), shell_(shell), clock_(clock), setup_(std::move(setup)) {}

TOnlineVersionCheck::~TOnlineVersionCheck() = default;

void TOnlineVersionCheck::QueryAutoCheck(QWidget* owner) {
  if (!Enabled() || !settings_.QueryForAutoCheck) return;
  const QMessageBox::StandardButton answer =
      QMessageBox::question(owner, ApplicationTitle(), VersionCheckText::AutoCheckQuestion(ApplicationTitle()),
                            QMessageBox::Yes | QMessageBox::No);
  settings_.AutoCheckEnabled = answer == QMessageBox::Yes;
  settings_.QueryForAutoCheck = false;
}

void TOnlineVersionCheck::AutoCheck(QWidget* owner) {
  if (!Enabled() || !settings_.AutoCheckEnabled) return;
  if (!AutoCheckDue(settings_.LastAutoCheckDate, clock_.Now())) return;
  if (Check(owner, true)) settings_.LastAutoCheckDate = DateToDaySerial(clock_.Now().date());
}

bool TOnlineVersionCheck::Check(QWidget* owner, bool silent) {
  if (!Enabled() || running_) return false;
  QScopedValueRollback<bool> running(running_, true);
  bool done = false;
  try {
    const QString localVersion = LocalVersionText(setup_.FileVersion);
    const QString remoteVersion = FetchRemoteVersion(owner);
    done = true;
    const auto local = VersionNumber::Parse(localVersion);
    const auto remote = VersionNumber::Parse(remoteVersion);
    if (local && remote && *local < *remote) {
      ShowUpdateFound(owner, localVersion, remoteVersion);
    } else if (!silent) {
      QMessageBox box(QMessageBox::Information, ApplicationTitle(), VersionCheckText::NoNewVersion(), QMessageBox::Ok,
                      owner);
      box.exec();
    }
  } catch (const ECheckAbandoned&) {
  } catch (const ECannotReadLocal& error) {
    if (!silent) ShowFailure(owner, VersionCheckText::LocalFailure(error.message()));
  } catch (const ECannotReadRemote& error) {
    if (!silent) ShowFailure(owner, VersionCheckText::RemoteFailure(error.message()));
  } catch (const std::exception& error) {
    ShowFailure(owner, VersionCheckText::UnexpectedFailure(QString::fromUtf8(error.what())));
  }
  return done;
}

QString TOnlineVersionCheck::FetchRemoteVersion(QWidget* owner) {
  if (!network_) {
    network_ = std::make_unique<QNetworkAccessManager>();
    network_->setProxyFactory(new SystemProxyFactory);
  }
  TProgressWindow wait(owner);
  wait.SetText(VersionCheckText::Checking());
  TVersionFetch fetch(*network_, setup_.VersionUrl, setup_.TransferTimeoutMs,
                      [owner](const QNetworkProxy& proxy, QAuthenticator& authenticator) {
                        return TProxyLoginDialog::Ask(owner, proxy, authenticator);
                      });
  QEventLoop loop;
  connect(&fetch, &TVersionFetch::finished, &loop, &QEventLoop::quit);
  fetch.Start();
  if (!fetch.IsFinished()) loop.exec();
  if (!fetch.IsFinished()) throw ECheckAbandoned{};
  return fetch.Result();
}

void TOnlineVersionCheck::ShowUpdateFound(QWidget* owner, const QString& localVersion, const QString& remoteVersion) {
  TUpdateFoundDialog dialog(shell_, VersionCheckText::UpdateFound(ApplicationTitle(), localVersion, remoteVersion),
                            setup_.DownloadUrl, owner);
  dialog.exec();
}

void TOnlineVersionCheck::ShowFailure(QWidget* owner, const QString& text) {
  QMessageBox box(QMessageBox::Critical, QString(), text, QMessageBox::Ok, owner);
  box.exec();
}

}  // namespace meterly
