#include "reports/export_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace meterly {

namespace {

// Unbuffered, a short write (a full disk, a size limit) shows in write()'s count: through the
// buffer it would surface in the commit's flush, which takes part of the bytes for success.
constexpr QIODevice::OpenMode kWriteMode = QIODevice::WriteOnly | QIODevice::Unbuffered;

[[noreturn]] void Fail(const QString& fileName, const QString& reason) {
  throw EExportError(QCoreApplication::translate("ExportFile", "Cannot write \"%1\": %2").arg(fileName, reason));
}

void WriteDirectly(const QString& fileName, const QByteArray& bytes) {
  QFile file(fileName);
  if (!file.open(kWriteMode)) Fail(fileName, file.errorString());
  if (file.write(bytes) != bytes.size()) Fail(fileName, file.errorString());
  file.close();
  if (file.error() != QFileDevice::NoError) Fail(fileName, file.errorString());
}

}  // namespace

void WriteExportFile(const QString& fileName, const QByteArray& bytes) {
  const QFileInfo target(fileName);
  // Replacing a device such as /dev/null by a renamed temporary file would destroy it.
  if (target.exists() && !target.isFile() && !target.isDir()) {
    WriteDirectly(fileName, bytes);
    return;
  }
  QSaveFile file(fileName);
  if (!file.open(kWriteMode)) Fail(fileName, file.errorString());
  if (file.write(bytes) != bytes.size()) {
    const QString reason = file.errorString();
    file.cancelWriting();
    Fail(fileName, reason);
  }
  if (!file.commit()) Fail(fileName, file.errorString());
}

}  // namespace meterly
