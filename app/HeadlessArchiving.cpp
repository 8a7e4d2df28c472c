#include "app/HeadlessArchiving.h"

#include "app/ArchiveCommands.h"
#include "app/ErrorStream.h"

#include <QFileInfo>

HeadlessArchiving::HeadlessArchiving(bool archive, const QString &archivePath,
                                     const QString &output, const std::optional<bool> &european)
    : archivePath(archivePath), output(output), european(european),
      workflow(*this, archive, archivePath)
{
}

void HeadlessArchiving::begin(const QString &portName, const QString &devicePath, int readTimeoutMs)
{
    workflow.begin(portName, devicePath, readTimeoutMs);
}

bool HeadlessArchiving::check()
{
    DownloadArchiver *archiver = workflow.archiver();
    if (!archiver)
        return true;
    const bool usable = archiver->archive() != nullptr;
    ErrorStream::say(archiver->takeNotice());
    if (usable || !archiver->refused())
        return true;
    ErrorStream::say(archiver->problem());
    return false;
}

::SaveStep::Outcome HeadlessArchiving::end(const QByteArray &data, DownloadEnding ending,
                                           const SaveStep &save)
{
    saveStep = save;
    outcome.reset();
    workflow.end(data, ending, true);
    return outcome.value_or(::SaveStep::Outcome());
}

void HeadlessArchiving::interrupted(const QByteArray &data)
{
    outcome.reset();
    workflow.end(data, DownloadEnding::Interrupted, false);
}

void HeadlessArchiving::kept(bool stored)
{
    DownloadArchiver *archiver = workflow.archiver();
    ErrorStream::say(archiver->takeNotice());
    if (!stored)
        ErrorStream::say(archiver->problem());
}

void HeadlessArchiving::save(const QByteArray &data)
{
    outcome = saveStep(data);
    // The standard output is no file to record.
    if (outcome->saved() && output != QLatin1String("-") &&
        !workflow.saved(QFileInfo(output).absoluteFilePath(), outcome->european))
        ErrorStream::say(tr("The archive could not record this save: %1", "%1 is the reason")
                             .arg(workflow.archiver()->problem()));
}

void HeadlessArchiving::settled()
{
    DownloadArchiver *archiver = workflow.archiver();
    const std::optional<qint64> id = archiver ? archiver->storedId() : std::nullopt;
    if (!id || (outcome && outcome->saved()))
        return;
    if (!outcome) {
        ErrorStream::say(tr("What came is kept in the archive as download %1.",
                            "%1 is the number of the download")
                             .arg(*id));
        return;
    }
    ErrorStream::say(tr("The data is kept in the archive as download %1. To write it:",
                        "%1 is the number of the download; the command follows on the next line")
                         .arg(*id));
    ErrorStream::say(QStringLiteral("  ") +
                     ArchiveCommands::exportCommand(*id, output, european, archivePath));
}
