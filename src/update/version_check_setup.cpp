#include "update/version_check_setup.h"

#include "core/settings_store.h"

namespace meterly {

namespace {

const QString kSection = QStringLiteral("AutoUpdate");
const QString kVersionPath = QStringLiteral("/products/meterly/version.txt");
const QString kDownloadPath = QStringLiteral("/products/meterly/?from=auto");

}  // namespace

VersionCheckSetup VersionCheckSetupForHost(const QString& host, const QString& fileVersion) {
  VersionCheckSetup setup;
  setup.FileVersion = fileVersion;
  const QString server = host.trimmed();
  if (server.isEmpty()) return setup;
  QString base = server.contains(QLatin1String("://")) ? server : QStringLiteral("http://") + server;
  while (base.endsWith(u'/')) base.chop(1);
  setup.VersionUrl = base + kVersionPath;
  setup.DownloadUrl = base + kDownloadPath;
  return setup;
}

VersionCheckSetup ReadVersionCheckSetup(const SettingsStore& store) {
  const QString host = store.ReadString(kSection, QStringLiteral("VersionHost"), QStringLiteral(METERLY_UPDATE_HOST));
  VersionCheckSetup setup = VersionCheckSetupForHost(host, QStringLiteral(METERLY_FILE_VERSION));
  const qint32 timeout =
      store.ReadInteger(kSection, QStringLiteral("TransferTimeout"), VersionCheckSetup::kDefaultTransferTimeoutMs);
  if (timeout > 0) setup.TransferTimeoutMs = timeout;
  return setup;
}

}  // namespace meterly
