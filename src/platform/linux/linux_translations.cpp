#include "platform/linux/linux_translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace meterly::platform {
namespace {

// Installs the first file of the name for the locale found in the folders; false when none is.
bool InstallFirst(QCoreApplication& application, const QLocale& locale, const QString& name,
                  const QStringList& folders) {
  auto* translator = new QTranslator(&application);
  for (const QString& folder : folders) {
    if (translator->load(locale, name, QStringLiteral("_"), folder)) {
      QCoreApplication::installTranslator(translator);
      return true;
    }
  }
  delete translator;
  return false;
}

}  // namespace

QStringList TranslationFolders(const QString& programFolder) {
  const QDir program(programFolder);
  return {QDir::cleanPath(program.filePath(QStringLiteral("../share/meterly/translations"))),
          QDir::cleanPath(program.filePath(QStringLiteral("../../translations")))};
}

void InstallTranslations(QCoreApplication& application) {
  const QLocale locale = QLocale::system();
  // Qt's texts only beside ours: a language the program does not speak stays one language.
  if (!InstallFirst(application, locale, QStringLiteral("meterly"),
                    TranslationFolders(QCoreApplication::applicationDirPath()))) {
    return;
  }
  InstallFirst(application, locale, QStringLiteral("qtbase"), {QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
}

// InstallTranslations makes its translators children of the application: those are the ones.
TranslationsSetAside::TranslationsSetAside() {
  if (QCoreApplication::instance() == nullptr) return;
  translators_ = QCoreApplication::instance()->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly);
  for (QTranslator* translator : translators_) QCoreApplication::removeTranslator(translator);
}

TranslationsSetAside::~TranslationsSetAside() {
  for (QTranslator* translator : translators_) QCoreApplication::installTranslator(translator);
}

}  // namespace meterly::platform
