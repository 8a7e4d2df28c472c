#ifndef MARLUNE_TRANSLATORS_H
#define MARLUNE_TRANSLATORS_H

#include <QString>

class QObject;
class QTranslator;

// The folder of the translation catalogues, found from the executable's place
// (InstallPaths), whatever the working directory.
QString translationsDirectory();

// Creates the program's and Qt's translators as children of owner and installs
// those that loaded. Returns whether the program's own translation is installed.
bool installTranslators(QObject *owner, const QString &translationsDir);

// Loads the stored language choice into translator, asking the user with
// DialogLanguage when it does not load (a damaged catalogue does not load), and makes
// the chosen language the default locale. Returns false when no translation could be loaded.
bool loadApplicationTranslator(QTranslator *translator, const QString &translationsDir);

// For the command line, which asks nobody: the stored language when its catalogue loads,
// else the language of the environment, else English; Qt's own texts in the same language.
// Reads the settings and never writes them.
void installCommandLineTranslators(QObject *owner, const QString &translationsDir);

#endif
