#include "app/ArchiveCommands.h"

#include "app/ErrorStream.h"
#include "app/OptionNames.h"
#include "app/TextTable.h"
#include "archive/Archive.h"
#include "archive/DownloadEndingText.h"
#include "download/SaveStep.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QRegularExpression>

#include <cstdio>

using namespace OptionNames;

namespace {

// An argument as a POSIX shell reads it back.
QString quoted(const QString &argument)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_./:=+,@%-]+$"));
    if (plain.match(argument).hasMatch())
        return argument;
    QString text = argument;
    text.replace(QLatin1Char('\''), QLatin1String("'\\''"));
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}

// Local times for many rows. Converting by the system's zone rules costs more than the rest of
// a row, so the offset is looked up once per quarter hour: zones change their offset only at
// whole quarter hours.
class LocalTimes
{
public:
    QDateTime of(const QDateTime &utc)
    {
        const qint64 ms = utc.toMSecsSinceEpoch();
        const qint64 quarter = ms >= 0 ? ms / quarterMs : (ms + 1) / quarterMs - 1;
        auto known = offsets.constFind(quarter);
        if (known == offsets.constEnd())
            known = offsets.insert(quarter, utc.toLocalTime().offsetFromUtc());
        return QDateTime::fromMSecsSinceEpoch(ms, Qt::OffsetFromUTC, *known);
    }
    QString text(const QDateTime &utc)
    {
        return of(utc).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    }
    // ISO 8601 with the offset.
    QString iso(const QDateTime &utc) { return of(utc).toString(Qt::ISODate); }

private:
    static constexpr qint64 quarterMs = 15 * 60 * 1000;
    QHash<qint64, int> offsets;
};

} // namespace

void ArchiveCommands::addOptions(QCommandLineParser &parser)
{
    parser.addOption(QCommandLineOption(
        ListDownloadsOption, tr("Lists the downloads kept in the archive, newest first.")));
    parser.addOption(QCommandLineOption(
        ExportOption,
        tr("Saves download ID of the archive as --output, as after a download (--european "
           "applies)."),
        tr("ID", "value name of --export")));
    parser.addOption(QCommandLineOption(DeleteOption, tr("Deletes download ID from the archive."),
                                        tr("ID", "value name of --delete")));
    parser.addOption(QCommandLineOption(
        ArchiveOption,
        tr("The archive to use instead of the program's own (%1).", "%1 is a file's path")
            .arg(QDir::toNativeSeparators(Archive::defaultPath())),
        tr("file", "value name of --archive")));
    parser.addOption(QCommandLineOption(
        NoArchiveOption, tr("Does not keep the download in the archive (with --download).")));
}

int ArchiveCommands::run(const Options &options)
{
    // Only --delete writes; nothing creates an archive, and none is moved aside.
    const QString path =
        options.archivePath.isEmpty() ? Archive::defaultPath() : options.archivePath;
    const QString shownPath = QDir::toNativeSeparators(path);
    Archive archive;
    if (!archive.open(path, options.command == Command::Delete ? Archive::Mode::Change
                                                               : Archive::Mode::Read)) {
        ErrorStream::say(archive.errorString());
        return ArchiveUnusable;
    }
    const auto unreadable = [&] {
        ErrorStream::say(
            tr("The archive %1 could not be read: %2", "%1 is the archive's path, %2 the reason")
                .arg(shownPath, archive.errorString()));
        return ArchiveUnusable;
    };
    const auto noSuchDownload = [&] {
        ErrorStream::say(tr("There is no download %1 in the archive %2.",
                            "%1 is the number of a download, %2 the archive's path")
                             .arg(options.id)
                             .arg(shownPath));
        return NoSuchDownload;
    };

    if (options.command == Command::List) {
        const std::optional<QVector<DownloadSummary>> downloads = archive.list();
        if (!downloads)
            return unreadable();
        const QByteArray text =
            options.json ? listJson(*downloads) : listText(*downloads).toLocal8Bit();
        std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
        std::fflush(stdout);
        return Done;
    }

    if (options.command == Command::Delete) {
        if (!archive.remove(options.id))
            return archive.notFound() ? noSuchDownload() : unreadable();
        ErrorStream::say(
            tr("Download %1 deleted from the archive.", "%1 is the number of a download")
                .arg(options.id));
        return Done;
    }

    // The bytes alone: a download whose bytes can be read is written even when other parts
    // of the archive cannot be.
    const std::optional<QByteArray> data = archive.data(options.id);
    if (!data)
        return archive.notFound() ? noSuchDownload() : unreadable();
    const bool european = options.european.value_or(false);
    if (options.output == QLatin1String("-")) {
        const SaveStep::Outcome outcome = SaveStep::toStandardOutput(*data, european);
        ErrorStream::say(outcome.headline);
        return outcome.saved() ? Done : NotWritten;
    }
    const SaveStep::Outcome outcome = SaveStep::toFile(*data, options.output, european);
    if (outcome.europeanRefused)
        ErrorStream::say(SaveStep::europeanRefusedText(options.output));
    ErrorStream::say(outcome.headline);
    ErrorStream::say(outcome.reason);
    if (!outcome.saved())
        return NotWritten;
    // The save is recorded by a connection that may write, where the archive may be written.
    Archive writer;
    if (!writer.open(path, Archive::Mode::Change) ||
        !writer.recordSave(options.id, QFileInfo(options.output).absoluteFilePath(),
                           outcome.european, QDateTime::currentDateTimeUtc()))
        ErrorStream::say(tr("The archive could not record this save: %1", "%1 is the reason")
                             .arg(writer.errorString()));
    writer.checkpoint();
    return Done;
}

QString ArchiveCommands::listText(const QVector<DownloadSummary> &downloads)
{
    const QLocale locale;
    LocalTimes times;
    // The numbers right-aligned, the last column free.
    TextTable table(
        {tr("ID"), tr("Date and time"), tr("Port"), tr("Bytes"), tr("Ended"), tr("Saved as")},
        {0, 3});
    for (const DownloadSummary &download : downloads) {
        table.addRow(
            {QString::number(download.id), times.text(download.started),
             download.portName.isEmpty() ? download.devicePath : download.portName,
             locale.toString(download.byteCount), DownloadEndingText::text(download.ending),
             download.lastSavedPath.isEmpty() ? tr("not saved")
                                              : QDir::toNativeSeparators(download.lastSavedPath)});
    }
    return table.text();
}

QByteArray ArchiveCommands::listJson(const QVector<DownloadSummary> &downloads)
{
    QJsonArray array;
    LocalTimes times;
    for (const DownloadSummary &download : downloads) {
        QJsonObject object;
        object.insert(QStringLiteral("id"), download.id);
        object.insert(QStringLiteral("started"), times.iso(download.started));
        object.insert(QStringLiteral("ended"), times.iso(download.ended));
        object.insert(QStringLiteral("port"), download.portName);
        object.insert(QStringLiteral("device"), download.devicePath);
        object.insert(QStringLiteral("bytes"), download.byteCount);
        object.insert(QStringLiteral("lines"), download.lineCount);
        object.insert(QStringLiteral("ending"), DownloadEndingText::name(download.ending));
        object.insert(QStringLiteral("lastSaved"), download.lastSavedPath.isEmpty()
                                                       ? QJsonValue()
                                                       : QJsonValue(download.lastSavedPath));
        const auto count = [](const std::optional<int> &value) {
            return value ? QJsonValue(*value) : QJsonValue();
        };
        object.insert(QStringLiteral("records"), count(download.recordCount));
        object.insert(QStringLiteral("pass"), count(download.passCount));
        object.insert(QStringLiteral("fail"), count(download.failCount));
        array.append(object);
    }
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

QString ArchiveCommands::exportCommand(qint64 id, const QString &output,
                                       const std::optional<bool> &european,
                                       const QString &archivePath)
{
    QStringList arguments = {QFileInfo(QCoreApplication::applicationFilePath()).fileName(),
                             QStringLiteral("--export"), QString::number(id),
                             QStringLiteral("--output"), quoted(output)};
    if (european)
        arguments << (*european ? QStringLiteral("--european") : QStringLiteral("--no-european"));
    if (!archivePath.isEmpty())
        arguments << QStringLiteral("--archive") << quoted(archivePath);
    return arguments.join(QLatin1Char(' '));
}
