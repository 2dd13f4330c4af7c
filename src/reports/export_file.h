#pragma once

#include <QByteArray>
#include <QString>

#include <stdexcept>

namespace meterly {

// A report file that could not be written; the message names the file and the reason.
class EExportError : public std::runtime_error {
 public:
  explicit EExportError(const QString& message) : std::runtime_error(message.toStdString()) {}
  QString message() const { return QString::fromStdString(what()); }
};

// Writes the bytes to the file. A regular file is replaced only once every byte is on disk:
// when anything fails, the old file stays as it was and no partial file is left. A device or
// a pipe is written directly. Raises EExportError.
void WriteExportFile(const QString& fileName, const QByteArray& bytes);

}  // namespace meterly
