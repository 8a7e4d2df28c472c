#pragma once

#include "archive/DownloadSummary.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

class QCommandLineParser;

// The archive from the command line: --list-downloads, --export ID --output FILE and
// --delete ID, each on the archive named by --archive or the program's own. Messages go to
// the error stream, the list and an export to "-" to the standard output.
class ArchiveCommands
{
    Q_DECLARE_TR_FUNCTIONS(ArchiveCommands)

public:
    enum class Command { None, List, Export, Delete };
    struct Options
    {
        Command command = Command::None;
        qint64 id = 0;
        QString output;               // --export: a file name, or "-" for the standard output
        std::optional<bool> european; // --export: not given, written as received
        QString archivePath;          // empty: Archive::defaultPath()
        bool json = false;            // --list-downloads --format json
    };

    // Exit statuses beside those of --download (0 done, 2 usage, 5 not written).
    enum Status {
        Done = 0,
        ArchiveUnusable = 1,
        UsageError = 2,
        NotWritten = 5,
        NoSuchDownload = 7,
    };

    // The options of the archive: --list-downloads, --export, --delete, --archive and
    // --no-archive. --format, which --list-downloads reads, is the command line's own.
    static void addOptions(QCommandLineParser &parser);
    // Runs a command; its exit status.
    static int run(const Options &options);

    // The list as text: a header line, then one line per download.
    static QString listText(const QVector<DownloadSummary> &downloads);
    // The list as a JSON array of objects.
    static QByteArray listJson(const QVector<DownloadSummary> &downloads);
    // The command line that writes download id as output again.
    static QString exportCommand(qint64 id, const QString &output,
                                 const std::optional<bool> &european, const QString &archivePath);
};
