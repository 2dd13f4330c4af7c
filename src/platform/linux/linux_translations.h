#pragma once

#include <QStringList>

class QCoreApplication;
class QTranslator;

namespace meterly::platform {

// Where the program's meterly_<language>.qm files may be, for a program in programFolder: the
// installed share/meterly/translations beside its bin folder, then the build tree's translations
// folder (programs are built into <build>/src/<folder>).
QStringList TranslationFolders(const QString& programFolder);

// Installs the translation for the desktop's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) into
// the application, and Qt's own where present (standard buttons, dialogs). A language without a
// translation keeps the texts as written. Call once, after the application object exists.
void InstallTranslations(QCoreApplication& application);

// While one lives, the translations InstallTranslations installed are set aside: what is built
// then speaks the texts as written (output that scripts read is the same in every language).
class TranslationsSetAside {
 public:
  TranslationsSetAside();
  ~TranslationsSetAside();
  TranslationsSetAside(const TranslationsSetAside&) = delete;
  TranslationsSetAside& operator=(const TranslationsSetAside&) = delete;

 private:
  QList<QTranslator*> translators_;
};

}  // namespace meterly::platform
