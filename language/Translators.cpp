#include "language/Translators.h"

#include "app/InstallPaths.h"
#include "app/SettingsKeys.h"
#include "language/DialogLanguage.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

QString translationsDirectory()
{
    return InstallPaths::translationsDirectory();
}

bool loadApplicationTranslator(QTranslator *translator, const QString &translationsDir)
{
    const QString storedPath = QSettings().value(SettingsKeys::languageFilePathKey()).toString();
    if (!translator->load(storedPath)) {
        DialogLanguage dialog(translationsDir);
        if (!dialog.hasLanguages())
            return false;
        if (dialog.exec() != QDialog::Accepted)
            return false;
        if (!translator->load(dialog.filePath()))
            return false;
    }
    const QString code = QSettings().value(SettingsKeys::languageCodeKey()).toString();
    QLocale::setDefault(QLocale(code));
    return true;
}

bool installTranslators(QObject *owner, const QString &translationsDir)
{
    auto *appTranslator = new QTranslator(owner);
    const bool loaded = loadApplicationTranslator(appTranslator, translationsDir);
    if (loaded)
        QCoreApplication::installTranslator(appTranslator);

    // Qt's own texts (standard buttons and the like) in the default locale's language.
    auto *qtTranslator = new QTranslator(owner);
    const QString qtFile =
        QStringLiteral("%1/qt_%2.qm").arg(translationsDir, QLocale().name().left(2));
    if (qtTranslator->load(qtFile))
        QCoreApplication::installTranslator(qtTranslator);
    return loaded;
}
