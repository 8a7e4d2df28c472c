#include "app/InstallPaths.h"

#include "app/SettingsKeys.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
// The package's own folder under <prefix>/share.
const QLatin1String PackageFolder("marlune-datalogger");
} // namespace

QString InstallPaths::translationsDirectory()
{
    return dataFolder(SettingsKeys::TranslationsDir);
}

QString InstallPaths::helpDirectory()
{
    return dataFolder(QStringLiteral("Help"));
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
