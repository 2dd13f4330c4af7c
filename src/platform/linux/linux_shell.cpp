#include "platform/linux/linux_shell.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>
#include <QUrl>

#include <memory>

namespace meterly::platform {

namespace {

std::optional<QString> ExistingAbsolutePath(const QString& path) {
  const QFileInfo info(path);
  if (path.isEmpty() || !info.exists()) return std::nullopt;
  return info.absoluteFilePath();
}

// A scheme of one letter would be a drive letter elsewhere; here it is no URL either.
bool IsRemoteUrl(const QUrl& url) { return url.isValid() && url.scheme().size() > 1 && !url.isLocalFile(); }

// Results are handed over from the event loop, never from inside the call that asked.
void Deliver(std::function<void(int)> done, int result) {
  QTimer::singleShot(0, QCoreApplication::instance(), [done = std::move(done), result] { done(result); });
}

bool IsExecutableFile(const QString& path) {
  const QFileInfo info(path);
  return info.isFile() && info.isExecutable();
}

}  // namespace

LinuxShell::LinuxShell(QString opener) : opener_(std::move(opener)) {}

std::optional<QString> LinuxShell::OpenerArgument(const QString& target) {
  if (const auto path = ExistingAbsolutePath(target)) return path;
  const QUrl url(target, QUrl::StrictMode);
  if (url.isLocalFile()) return ExistingAbsolutePath(url.toLocalFile());
  if (IsRemoteUrl(url)) return target;
  return std::nullopt;
}

int LinuxShell::ShellExecute(const QString& target) {
  const std::optional<QString> argument = OpenerArgument(target);
  if (!argument) return ShellResult::FileNotFound;
  // Started when the opener could be executed; what it does then is its own business.
  if (!QProcess::startDetached(opener_, {*argument})) return ShellResult::NoAssociation;
  return ShellResult::Started;
}

int LinuxShell::OpenerResult(int exitCode) {
  switch (exitCode) {
    case 0:
      return ShellResult::Started;
    case 2:
      return ShellResult::FileNotFound;
    default:
      return ShellResult::NoAssociation;
  }
}

void LinuxShell::OpenProgram(const QString& target, std::function<void(int result)> done) {
  const std::optional<QString> argument = OpenerArgument(target);
  if (!argument) return Deliver(std::move(done), ShellResult::FileNotFound);
  if (IsExecutableFile(*argument)) {
    // The program outlives this one; a file the system cannot execute fails here.
    const bool started = QProcess::startDetached(*argument, {});
    return Deliver(std::move(done), started ? ShellResult::Started : ShellResult::InvalidExecutable);
  }
  auto* opener = new QProcess(QCoreApplication::instance());
  auto shared = std::make_shared<std::function<void(int)>>(std::move(done));
  QObject::connect(opener, &QProcess::finished, opener, [opener, shared](int exitCode, QProcess::ExitStatus status) {
    (*shared)(status == QProcess::NormalExit ? OpenerResult(exitCode) : ShellResult::NoAssociation);
    opener->deleteLater();
  });
  QObject::connect(opener, &QProcess::errorOccurred, opener, [opener, shared](QProcess::ProcessError error) {
    if (error != QProcess::FailedToStart) return;
    (*shared)(ShellResult::NoAssociation);
    opener->deleteLater();
  });
  opener->setStandardInputFile(QProcess::nullDevice());
  opener->setStandardOutputFile(QProcess::nullDevice());
  opener->setStandardErrorFile(QProcess::nullDevice());
  opener->start(opener_, {*argument});
}

}  // namespace meterly::platform
