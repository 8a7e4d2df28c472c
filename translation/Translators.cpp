#include "translation/Translators.h"

#include "common/Settings.h"
#include "translation/TranslationCatalogue.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

void Translators::installQtTranslator(QObject *owner, const QString &translationsDir,
                                      const QString &code)
{
    // Qt's own texts (standard buttons, the command line's usage) in the language of `code`,
    // when its catalogue is there and well-formed.
    auto *qtTranslator = new QTranslator(owner);
    if (TranslationCatalogue::load(qtTranslator,
                                   QStringLiteral("%1/qt_%2.qm").arg(translationsDir, code)))
        QCoreApplication::installTranslator(qtTranslator);
}

bool Translators::loadStoredChoice(QTranslator *translator)
{
    return loadChoice(translator, Settings::value(Settings::Key::LanguageFilePath).toString());
}

bool Translators::loadChoice(QTranslator *translator, const QString &path)
{
    if (!TranslationCatalogue::load(translator, path))
        return false;
    QLocale::setDefault(QLocale(Settings::value(Settings::Key::LanguageCode).toString()));
    return true;
}

void Translators::install(QObject *owner, QTranslator *translator, bool loaded,
                          const QString &translationsDir)
{
    if (loaded)
        QCoreApplication::installTranslator(translator);
    // In the default locale's language, also when our own translation did not load.
    installQtTranslator(owner, translationsDir, QLocale().name().left(2));
}

void Translators::installForCommandLine(QObject *owner, const QString &translationsDir)
{
    auto *appTranslator = new QTranslator(owner);
    QString code;
    const QString storedPath = Settings::value(Settings::Key::LanguageFilePath).toString();
    if (TranslationCatalogue::load(appTranslator, storedPath)) {
        code = Settings::value(Settings::Key::LanguageCode).toString();
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
