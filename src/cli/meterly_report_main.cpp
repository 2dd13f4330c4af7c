// meterly-report: the statistics window's reports on standard output, from the usage database
// opened for reading only.
#include "base/exception_message.h"
#include "cli/read_only_settings.h"
#include "cli/report_output.h"
#include "cli/report_request.h"
#include "platform/linux/linux_clock.h"
#include "platform/linux/linux_registry_file.h"
#include "platform/linux/linux_translations.h"
#include "platform/linux/linux_user_session.h"
#include "store/disk_db.h"
#include "store/usage_database_location.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <cstdio>
#include <memory>
#include <optional>

namespace {

using namespace meterly;

constexpr int kUsageStatus = 2;
constexpr int kDatabaseStatus = 1;
// The monitor writes once a minute, in a few milliseconds: a reader waits that long at most.
constexpr int kBusyTimeoutMs = 2000;

// The monitor's session: the same user and folders, but the .ini file beside the monitor's
// executable rather than this one's, so that both find the database at the same place.
class MonitorSession final : public platform::UserSession {
 public:
  explicit MonitorSession(platform::UserSession& session) : session_(session) {}
  QString UserName() override { return session_.UserName(); }
  QString ExecutablePath() override {
    return QFileInfo(session_.ExecutablePath()).absoluteDir().filePath(QStringLiteral("meterly"));
  }
  QString ConfigDir() override { return session_.ConfigDir(); }
  QString DataDir() override { return session_.DataDir(); }
  QString RuntimeDir() override { return session_.RuntimeDir(); }
  QString AllUsersDataDir() override { return session_.AllUsersDataDir(); }

 private:
  platform::UserSession& session_;
};

void Print(std::FILE* stream, const QString& text) {
  const QByteArray bytes = text.toUtf8();
  std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

int Fail(int status, const QString& message) {
  Print(stderr, QStringLiteral("meterly-report: ") + message + QLatin1Char('\n'));
  return status;
}

SettingsContext settingsContext(platform::Clock& clock) {
  SettingsContext context;
  context.localeFirstDayOfWeek = static_cast<int>(QLocale::system().firstDayOfWeek()) - 1;
  context.now = clock.Now();
  return context;
}

int run(const ReportRequest& request) {
  // Only the services a reader of the database needs: no devices, tray, sound or bus.
  platform::LinuxUserSession userSession;
  platform::LinuxClock clock;
  platform::LinuxRegistryFile settingsFile(platform::RegistryFilePath(userSession));
  platform::Registry registry(settingsFile);
  const Settings settings = ReadSettingsUnchanged(settingsFile, settingsContext(clock));
  MonitorSession session(userSession);
  const QString file = request.Database.isEmpty() ? FindUsageDatabaseLocation(session).FilePath() : request.Database;

  std::unique_ptr<TDiskDB> db;
  try {
    if (!QFileInfo::exists(file))
      throw SQLiteException(QCoreApplication::translate("ReportMain", "there is no such file"));
    db = std::make_unique<TDiskDB>(file, DiskDbServices{userSession, clock, registry}, settings, kBusyTimeoutMs,
                                   OpenMode::ReadOnly);
  } catch (...) {
    return Fail(kDatabaseStatus, QCoreApplication::translate("ReportMain", "cannot open the usage database %1: %2")
                                     .arg(file, ExceptionMessage(std::current_exception())));
  }
  QByteArray output;
  try {
    // Scripts read csv and json: their column titles and captions are the same in every language.
    std::optional<platform::TranslationsSetAside> untranslated;
    if (request.Format == ReportFormat::Csv || request.Format == ReportFormat::Json) untranslated.emplace();
    output = ReportOutput(*db, settings, request, QLocale::system());
  } catch (...) {
    return Fail(kDatabaseStatus, QCoreApplication::translate("ReportMain", "cannot read the usage database %1: %2")
                                     .arg(file, ExceptionMessage(std::current_exception())));
  }
  std::fwrite(output.constData(), 1, static_cast<std::size_t>(output.size()), stdout);
  if (std::fflush(stdout) != 0)
    return Fail(kDatabaseStatus, QCoreApplication::translate("ReportMain", "cannot write the report"));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  platform::InstallTranslations(application);
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
  ReportRequest request;
  try {
    request = ParseReportArguments(arguments);
  } catch (const ReportUsageError& error) {
    return Fail(kUsageStatus,
                QCoreApplication::translate("ReportMain", "%1\nTry 'meterly-report --help'.").arg(error.message()));
  }
  if (request.Help) {
    Print(stdout, ReportUsage());
    return 0;
  }
  if (request.Version) {
    Print(stdout, QStringLiteral("meterly-report " METERLY_VERSION "\n"));
    return 0;
  }
  return run(request);
}
