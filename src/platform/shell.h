#pragma once

#include <QString>

#include <functional>

namespace meterly::platform {

// Results of Shell::ShellExecute: a value above 32 is success, anything else an error code
// that ShellErrorText describes.
namespace ShellResult {
constexpr int Started = 42;
constexpr int FileNotFound = 2;
constexpr int InvalidExecutable = 11;
constexpr int NoAssociation = 31;
}  // namespace ShellResult

// Opens documents, programs and web pages the way the desktop would on a double click.
class Shell {
 public:
  virtual ~Shell() = default;

  // Opens a local path (absolute or relative to the working folder) or a URL with the
  // desktop's default handler, without waiting for it.
  virtual int ShellExecute(const QString& target) = 0;

  // Opens a program or document the user chose: an executable regular file is started directly
  // (no arguments), anything else goes to the desktop's handler as ShellExecute does. The
  // outcome, a ShellExecute result, reaches `done` later on the calling thread once it is known:
  // a handler that fails after it started is a failure too.
  virtual void OpenProgram(const QString& target, std::function<void(int result)> done) = 0;
};

}  // namespace meterly::platform
