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
DamagedFileOutcome keepDamagedFile(RegistryFile& file, const RegeditParseError& error) {
  const QString location = file.location();
  const QString line = QString::number(error.line);
  try {
    const QString keptAs = file.setAside();
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

void Registry::load() {
  hive_ = RegistryHive();
  loadProblem_.clear();
  saveRefusal_.clear();
  std::optional<QByteArray> bytes;
  try {
    bytes = file_.read();
  } catch (const RegistryError& error) {
    // The file is there but unreadable: writing the defaults over it would destroy it.
    saveRefusal_ =
        QCoreApplication::translate("Registry",
                                    "The settings were not saved, so that the unreadable settings file %1 is not "
                                    "overwritten.")
            .arg(file_.location());
    throw;
  }
  if (!bytes) return;

  std::variant<RegistryHive, RegeditParseError> parsed = parseRegedit(*bytes);
  if (RegistryHive* hive = std::get_if<RegistryHive>(&parsed)) {
    hive_ = std::move(*hive);
    return;
  }
  DamagedFileOutcome outcome = keepDamagedFile(file_, std::get<RegeditParseError>(parsed));
  loadProblem_ = std::move(outcome.problem);
  saveRefusal_ = std::move(outcome.saveRefusal);
}

void Registry::save() {
  if (!saveRefusal_.isEmpty()) throw RegistryError(saveRefusal_);
  file_.write(formatRegedit(hive_));
}

}  // namespace meterly::platform
