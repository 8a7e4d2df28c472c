#include "app/StartupCycle.h"

#include "language/Translators.h"
#include "mainwindow/MainWindow.h"

#include <QApplication>
#include <QMessageBox>
#include <QObject>

void StartupCycle::setApplicationIdentity()
{
    QCoreApplication::setOrganizationName(QStringLiteral("DRAVLIN"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("dravlin.example"));
    QCoreApplication::setApplicationName(QStringLiteral("DRAVLIN Solar Datalogger"));
    QCoreApplication::setApplicationVersion(QStringLiteral("3.1"));
}

bool StartupCycle::run(const QString &translationsDir)
{
    // Both translators are children of this owner and leave the application with it.
    QObject translatorOwner;
    if (!installTranslators(&translatorOwner, translationsDir)) {
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
