#include "common/InstallPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
// The package's own folder under <prefix>/share.
const QLatin1String PackageFolder("marlune-datalogger");
} // namespace

QString InstallPaths::translationsDirectory()
{
    return dataFolder(translationsFolderName());
}

QString InstallPaths::helpDirectory()
{
    return dataFolder(QStringLiteral("Help"));
}

QString InstallPaths::helpPage(const QString &languageCode)
{
    // The folder is added after the name is made: a folder's path may hold "%1" itself.
    const QString folder = helpDirectory() + QLatin1Char('/');
    for (const QString &code : {languageCode, QStringLiteral("en")}) {
        const QString page =
            folder + QStringLiteral("DravlinSolarDataLoggerHelp_%1.html").arg(code);
        if (QFileInfo(page).isFile())
            return page;
    }
    return QString();
}

QString InstallPaths::dataFolder(const QString &name)
{
    const QString executableDir = QCoreApplication::applicationDirPath();
    const QString beside = executableDir + QLatin1Char('/') + name;
    if (QFileInfo(beside).isDir())
        return beside;
    const QString installed = QDir::cleanPath(executableDir + QStringLiteral("/../share/") +
                                              PackageFolder + QLatin1Char('/') + name);
    if (QFileInfo(installed).isDir())
        return installed;
    // Neither is there: the place beside the executable, so a message names the
    // folder a build or a Windows copy should have.
    return beside;
}
