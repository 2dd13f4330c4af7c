#pragma once

#include <QString>

namespace meterly {

class SettingsStore;

// Where the version check looks and how long it waits.
struct VersionCheckSetup {
  static constexpr int kDefaultTransferTimeoutMs = 30000;

  QString VersionUrl;                                 // empty: no server is known, so nothing is ever checked
  QString DownloadUrl;                                // the page offered when a newer version is found
  QString FileVersion;                                // the running program's "major.minor.release.build"
  int TransferTimeoutMs = kDefaultTransferTimeoutMs;  // a request with no data for this long fails

  bool Enabled() const { return !VersionUrl.isEmpty(); }
};

// The addresses on a server given as "host", "host:port" or "scheme://host[:port]" (plain
// HTTP when no scheme is given); an empty host gives a setup that is not enabled.
VersionCheckSetup VersionCheckSetupForHost(const QString& host, const QString& fileVersion);

// The setup of this build: the server compiled in and the program's own version. The
// "AutoUpdate" section of the settings may name another server ("VersionHost", empty turns the
// check off) and another transfer timeout in milliseconds ("TransferTimeout"); neither is
// ever written by the program.
VersionCheckSetup ReadVersionCheckSetup(const SettingsStore& store);

}  // namespace meterly
