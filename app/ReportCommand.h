#pragma once

#include <QCoreApplication>
#include <QString>

class QCommandLineParser;

// --report SOURCE --output FILE.pdf --design DESIGN.json [--archive FILE]: the commissioning
// report of a download as a PDF, without a window. SOURCE is a download's id in the archive
// (digits) or a saved .csv/.txt file. It needs a QGuiApplication (the offscreen platform will do).
class ReportCommand
{
    Q_DECLARE_TR_FUNCTIONS(ReportCommand)

public:
    struct Options
    {
        QString source;
        QString output;
        QString design;
        QString archive; // empty: Archive::defaultPath()
    };

    // Exit statuses.
    enum Status {
        Written = 0,
        Unreadable = 2,     // the design file or the source could not be read
        NotWritten = 5,     // the PDF could not be written
        NoSuchDownload = 7, // the archive holds no download with that id
    };

    // Adds --report and --archive (--output is the command line's own, --design the summary's).
    static void addOptions(QCommandLineParser &parser);
    static bool isAsked(const QCommandLineParser &parser);
    // What it asks for; error says why it is refused, empty when it is not.
    static Options read(const QCommandLineParser &parser, QString *error);
    // Whether the source names a download in the archive rather than a file.
    static bool isArchiveId(const QString &source);

    // Writes the report; what went wrong on the error stream. The exit status.
    static int run(const Options &options);
};
