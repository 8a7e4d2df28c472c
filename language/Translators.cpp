#include "language/Translators.h"

#include "app/InstallPaths.h"
#include "app/SettingsKeys.h"
#include "language/DialogLanguage.h"
#include "language/TranslationCatalogue.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

QString translationsDirectory()
{
    return InstallPaths::translationsDirectory();
}

namespace {

// Qt's own texts (standard buttons, the command line's usage) in the language of `code`,
// when its catalogue is there and well-formed.
void installQtTranslator(QObject *owner, const QString &translationsDir, const QString &code)
{
    auto *qtTranslator = new QTranslator(owner);
    if (TranslationCatalogue::load(qtTranslator,
                                   QStringLiteral("%1/qt_%2.qm").arg(translationsDir, code)))
        QCoreApplication::installTranslator(qtTranslator);
}

} // namespace

bool loadApplicationTranslator(QTranslator *translator, const QString &translationsDir)
{
    const QString storedPath = QSettings().value(SettingsKeys::languageFilePathKey()).toString();
    if (!TranslationCatalogue::load(translator, storedPath)) {
        DialogLanguage dialog(translationsDir);
        if (!dialog.hasLanguages())
            return false;
        if (dialog.exec() != QDialog::Accepted)
            return false;
        if (!TranslationCatalogue::load(translator, dialog.filePath()))
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

    // In the default locale's language, also when our own translation did not load.
    installQtTranslator(owner, translationsDir, QLocale().name().left(2));
    return loaded;
}

void installCommandLineTranslators(QObject *owner, const QString &translationsDir)
{
    auto *appTranslator = new QTranslator(owner);
    QString code;
    const QString storedPath = QSettings().value(SettingsKeys::languageFilePathKey()).toString();
    if (TranslationCatalogue::load(appTranslator, storedPath)) {
        code = QSettings().value(SettingsKeys::languageCodeKey()).toString();
    } else {
        for (const QString &language : QLocale::system().uiLanguages()) {
            const QString candidate = QLocale(language).name().left(2);
            const QString file =
                QStringLiteral("%1/DravlinDataLogger_%2.qm").arg(translationsDir, candidate);
            if (TranslationCatalogue::load(appTranslator, file)) {
                code = candidate;
                break;
            }
        }
    }
    if (code.isEmpty())
        return;
    QCoreApplication::installTranslator(appTranslator);
    QLocale::setDefault(QLocale(code));
    installQtTranslator(owner, translationsDir, code);
}
