#include "platform/linux/linux_shell.h"

#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace meterly::platform {

namespace {

std::optional<QString> ExistingAbsolutePath(const QString& path) {
  const QFileInfo info(path);
  if (path.isEmpty() || !info.exists()) return std::nullopt;
  return info.absoluteFilePath();
}

// A scheme of one letter would be a drive letter elsewhere; here it is no URL either.
bool IsRemoteUrl(const QUrl& url) { return url.isValid() && url.scheme().size() > 1 && !url.isLocalFile(); }

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

}  // namespace meterly::platform
