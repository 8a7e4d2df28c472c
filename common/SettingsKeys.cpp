#include "common/SettingsKeys.h"

namespace SettingsKeys {

const QString DialogLanguageGroup = QStringLiteral("MlGui/DialogLanguage");
const QString ConvertData = QStringLiteral("ConvertData");
const QString PortName = QStringLiteral("Device/PortName");
const QString ReadTimeout = QStringLiteral("Device/ReadTimeout");
const QString LastSavedFilePath = QStringLiteral("Device/LastSavedFilePath");
const QString MainWindowGeometry = QStringLiteral("MainWindow/Geometry");
const QString MainWindowState = QStringLiteral("MainWindow/State");
const QString TranslationsDir = QStringLiteral("Translations");

QString languageFilePathKey()
{
    return QStringLiteral("%1/FilePath").arg(DialogLanguageGroup);
}

QString languageCodeKey()
{
    return QStringLiteral("%1/Iso639Code").arg(DialogLanguageGroup);
}

} // namespace SettingsKeys
