#ifndef MARLUNE_SETTINGSKEYS_H
#define MARLUNE_SETTINGSKEYS_H

#include <QString>

// The keys of the user's settings store, built once before main() runs.
namespace SettingsKeys {

// Group of the language choice; its keys are "<group>/FilePath" and "<group>/Iso639Code".
extern const QString DialogLanguageGroup;
extern const QString ConvertData;
extern const QString PortName;
extern const QString ReadTimeout;
extern const QString LastSavedFilePath;
extern const QString MainWindowGeometry;
extern const QString MainWindowState;
// Not a key: the name of the translations folder beside the executable.
extern const QString TranslationsDir;

QString languageFilePathKey();
QString languageCodeKey();

} // namespace SettingsKeys

#endif
