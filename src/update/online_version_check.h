#pragma once

#include "update/version_check_setup.h"

#include <QObject>
#include <QString>

#include <memory>

class QNetworkAccessManager;
class QWidget;

namespace meterly {

struct AutoUpdateSettings;

namespace platform {
class Clock;
class Shell;
}  // namespace platform

// Compares the running program's version with the one published on the server and offers the
// download page of a newer one: on demand, and by itself every eight days once the user agreed.
// The switches it keeps are the settings' "AutoUpdate" section, saved with the settings.
//
// A check waits for the server in a local event loop behind the wait window: the program's
// timers go on, other windows are disabled, and a second check while one runs is refused.
class TOnlineVersionCheck : public QObject {
  Q_OBJECT

 public:
  TOnlineVersionCheck(AutoUpdateSettings& settings, platform::Shell& shell, platform::Clock& clock,
                      VersionCheckSetup setup, QObject* parent = nullptr);
  ~TOnlineVersionCheck() override;

  // False when no server is known: then nothing is asked or checked.
  bool Enabled() const { return setup_.Enabled(); }
  bool Running() const { return running_; }
  const VersionCheckSetup& Setup() const { return setup_; }

  // The first-start question, asked once: may the program check for new versions by itself?
  void QueryAutoCheck(QWidget* owner);

  // A silent check when automatic checks are on and the last one is eight days past.
  void AutoCheck(QWidget* owner);

  // Fetches the remote version and shows the update dialog when it is newer; unless silent,
  // also says when there is none or why the check failed. True when the remote version was read.
  bool Check(QWidget* owner, bool silent);

 private:
  QString FetchRemoteVersion(QWidget* owner);
  void ShowUpdateFound(QWidget* owner, const QString& localVersion, const QString& remoteVersion);
  static void ShowFailure(QWidget* owner, const QString& text);

  AutoUpdateSettings& settings_;
  platform::Shell& shell_;
  platform::Clock& clock_;
  const VersionCheckSetup setup_;
  std::unique_ptr<QNetworkAccessManager> network_;
  bool running_ = false;
};

}  // namespace meterly
