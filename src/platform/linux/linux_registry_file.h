#pragma once

#include "platform/registry.h"

#include <QString>

namespace meterly::platform {

class UserSession;

// Where the registry store keeps its file: registry.reg in the user's configuration folder.
QString RegistryFilePath(UserSession& session);

// The registry store's file on a Linux file system. Writes go to a fresh temporary file in
// the same folder that is then renamed over the old one, so a crash leaves the old or the
// new file, never a mix. A symlink in the file's place is replaced, not written through.
class LinuxRegistryFile : public RegistryFile {
 public:
  explicit LinuxRegistryFile(QString path);

  std::optional<QByteArray> Read() override;
  void Write(const QByteArray& bytes) override;
  QString SetAside() override;  // "<path>.bad", else "<path>.bad.1", ".bad.2", ...
  QString Location() const override { return path_; }

 private:
  QString path_;
};

}  // namespace meterly::platform
