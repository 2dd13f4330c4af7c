#include "platform/registry.h"

#include "platform/regedit_format.h"

#include <QCoreApplication>

#include <utility>

namespace meterly::platform {

namespace {

struct DamagedFileOutcome {
  QString problem;      // for the user
  QString saveRefusal;  // empty when the file was moved aside and saving is safe
};

// Keeps an unparsable file by moving it aside, so that saving the defaults cannot destroy it.
DamagedFileOutcome KeepDamagedFile(RegistryFile& file, const RegeditParseError& error) {
  const QString location = file.Location();
  const QString line = QString::number(error.line);
  try {
    const QString keptAs = file.SetAside();
    return {QCoreApplication::translate("Registry",
                                        "The settings file %1 could not be read (line %2: %3). It was kept as %4 "
                                        "and the default settings apply.")
                .arg(location, line, error.reason, keptAs),
            {}};
  } catch (const RegistryError& moveError) {
    return {QCoreApplication::translate("Registry",
                                        "The settings file %1 could not be read (line %2: %3) and could not be "
                                        "moved aside (%4). The default settings apply but will not be saved, so "
                                        "that the file is not overwritten.")
                .arg(location, line, error.reason, moveError.message()),
            QCoreApplication::translate("Registry",
                                        "The settings were not saved: the unreadable settings file %1 could not "
                                        "be moved aside and would have been overwritten.")
                .arg(location)};
  }
}

}  // namespace

void Registry::Load() {
  hive_ = RegistryHive();
  loadProblem_.clear();
  saveRefusal_.clear();
  std::optional<QByteArray> bytes;
  try {
    bytes = file_.Read();
  } catch (const RegistryError& error) {
    // The file is there but unreadable: writing the defaults over it would destroy it.
    saveRefusal_ =
        QCoreApplication::translate("Registry",
                                    "The settings were not saved, so that the unreadable settings file %1 is not "
                                    "overwritten.")
            .arg(file_.Location());
    throw;
  }
  if (!bytes) return;

  std::variant<RegistryHive, RegeditParseError> parsed = ParseRegedit(*bytes);
  if (RegistryHive* hive = std::get_if<RegistryHive>(&parsed)) {
    hive_ = std::move(*hive);
    return;
  }
  DamagedFileOutcome outcome = KeepDamagedFile(file_, std::get<RegeditParseError>(parsed));
  loadProblem_ = std::move(outcome.problem);
  saveRefusal_ = std::move(outcome.saveRefusal);
}

void Registry::Save() {
  if (!saveRefusal_.isEmpty()) throw RegistryError(saveRefusal_);
  file_.Write(FormatRegedit(hive_));
}

}  // namespace meterly::platform
