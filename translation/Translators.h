#pragma once

#include <QString>

class QObject;
class QTranslator;

// Loads and installs the program's and Qt's translators. Asks nobody: when the stored choice
// does not load, the start-up cycle asks the user and hands the chosen catalogue back here.
class Translators
{
public:
    // Loads the stored language choice into translator and makes its language the default
    // locale. False when it does not load (none stored, missing, damaged).
    static bool loadStoredChoice(QTranslator *translator);
    // Loads the catalogue at path into translator and makes the stored language code the
    // default locale (the language dialog stores both before it hands the path over).
    static bool loadChoice(QTranslator *translator, const QString &path);
    // Installs translator when `loaded`, then Qt's own catalogue in the default locale's
    // language (also when the program's own did not load), as a child of owner.
    static void install(QObject *owner, QTranslator *translator, bool loaded,
                        const QString &translationsDir);

    // For the command line: the stored language when its catalogue loads, else the language
    // of the environment, else English; Qt's own texts in the same language. Reads the
    // settings and never writes them.
    static void installForCommandLine(QObject *owner, const QString &translationsDir);

private:
    static void installQtTranslator(QObject *owner, const QString &translationsDir,
                                    const QString &code);
};
