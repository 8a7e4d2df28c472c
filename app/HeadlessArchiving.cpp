#include "app/HeadlessArchiving.h"

#include "app/ArchiveCommands.h"
#include "app/ErrorStream.h"

#include <QFileInfo>

HeadlessArchiving::HeadlessArchiving(const QString &archivePath, const QString &portName,
                                     const QString &devicePath, int readTimeoutMs)
    : archivePath(archivePath), archiver(archivePath)
{
    archiver.begin(portName, devicePath, readTimeoutMs);
}

bool HeadlessArchiving::check()
{
    const bool usable = archiver.archive() != nullptr;
    ErrorStream::say(archiver.takeNotice());
    if (usable || !archiver.refused())
        return true;
    ErrorStream::say(archiver.problem());
    return false;
}

void HeadlessArchiving::keep(const QByteArray &data, DownloadEnding ending)
{
    if (data.isEmpty() || archiver.storedId())
        return;
    const bool stored = archiver.keep(data, ending).has_value();
    ErrorStream::say(archiver.takeNotice());
    if (!stored)
        ErrorStream::say(archiver.problem());
}

void HeadlessArchiving::interrupted(const QByteArray &data)
{
    keep(data, DownloadEnding::Interrupted);
    archiver.settle(data);
    if (const std::optional<qint64> id = archiver.storedId())
        ErrorStream::say(tr("What came is kept in the archive as download %1.",
                            "%1 is the number of the download")
                             .arg(*id));
}

void HeadlessArchiving::saved(const QByteArray &data, const QString &output, bool european)
{
    if (output != QLatin1String("-") &&
        !archiver.saved(QFileInfo(output).absoluteFilePath(), european))
        ErrorStream::say(tr("The archive could not record this save: %1", "%1 is the reason")
                             .arg(archiver.problem()));
    archiver.settle(data);
}

void HeadlessArchiving::notWritten(const QByteArray &data, const QString &output,
                                   const std::optional<bool> &european)
{
    archiver.settle(data);
    const std::optional<qint64> id = archiver.storedId();
    if (!id)
        return;
    ErrorStream::say(tr("The data is kept in the archive as download %1. To write it:",
                        "%1 is the number of the download; the command follows on the next line")
                         .arg(*id));
    ErrorStream::say(QStringLiteral("  ") +
                     ArchiveCommands::exportCommand(*id, output, european, archivePath));
}
