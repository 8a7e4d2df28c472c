#pragma once

#include <QString>

// Where the program's data folders are, found from the executable's own place and
// never from the working directory. Each folder is taken from beside the executable
// when it is there (the build tree and Windows), else from
// <executable's folder>/../share/marlune-datalogger/ (an installed or extracted
// package, under any prefix).
class InstallPaths
{
public:
    // The name of the translations folder.
    static QString translationsFolderName() { return QStringLiteral("Translations"); }
    // The folder holding the program's translation catalogues and Qt's own.
    static QString translationsDirectory();
    // The folder holding the help pages.
    static QString helpDirectory();
    // The help page in the given language (a two-letter code), else the English one;
    // empty when neither is there.
    static QString helpPage(const QString &languageCode);

private:
    static QString dataFolder(const QString &name);
};
