#include "app/StartupCycle.h"

#include "gui/DialogLanguage.h"
#include "gui/MainWindow.h"
#include "translation/Translators.h"

#include <QApplication>
#include <QMessageBox>
#include <QObject>
#include <QTranslator>

void StartupCycle::setApplicationIdentity()
{
    QCoreApplication::setOrganizationName(QStringLiteral("DRAVLIN"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("dravlin.example"));
    QCoreApplication::setApplicationName(QStringLiteral("DRAVLIN Solar Datalogger"));
    // project(VERSION) in CMakeLists.txt, as in the Windows version resource and the packages.
    QCoreApplication::setApplicationVersion(QStringLiteral(ML_VERSION));
}

bool StartupCycle::run(const QString &translationsDir)
{
    // Both translators are children of this owner and leave the application with it.
    QObject translatorOwner;
    auto *translator = new QTranslator(&translatorOwner);
    // The stored choice, else the user's choice in the language dialog.
    bool loaded = Translators::loadStoredChoice(translator);
    if (!loaded) {
        DialogLanguage dialog(translationsDir);
        loaded = dialog.hasLanguages() && dialog.exec() == QDialog::Accepted &&
                 Translators::loadChoice(translator, dialog.filePath());
    }
    Translators::install(&translatorOwner, translator, loaded, translationsDir);
    if (!loaded) {
        // Deliberately untranslated: no translation could be loaded.
        QMessageBox warning;
        warning.setText(QStringLiteral("Failed to load translations, defaulting to English."));
        warning.setIcon(QMessageBox::Warning);
        warning.exec();
    }

    MainWindow window;
    window.show();
    QApplication::exec();
    return window.restartRequested;
}
