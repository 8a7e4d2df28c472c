#pragma once

#include "app/Command.h"
#include "checks/SiteDesign.h"
#include "report/ReportTrace.h"
#include "results/ResultTable.h"
#include "results/ResultsParser.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

class QCommandLineParser;

// --report SOURCE --output FILE.pdf [--design DESIGN.json] [--archive FILE]: the commissioning
// report of a download as a PDF, without a window. SOURCE is a download's id in the archive
// (digits) or a saved .csv/.txt file. Without --design the design kept in the archive for the
// data's site is used. It needs a QGuiApplication (the offscreen platform will do).
class ReportCommand : public Command
{
    Q_DECLARE_TR_FUNCTIONS(ReportCommand)

public:
    struct Options
    {
        QString source;
        QString output;
        QString design;  // empty: the design kept in the archive for the data's site
        QString archive; // empty: Archive::defaultPath()
    };

    // Exit statuses.
    enum Status {
        Written = 0,
        ArchiveUnusable = 1, // the archive is refused, missing or cannot be read
        Unreadable = 2,      // the design file or the source could not be read
        NotWritten = 5,      // the PDF could not be written
        NoSuchDownload = 7,  // the archive holds no download with that id
    };

    ReportCommand();
    Options options() const { return with; }
    QString refusal(const QString &name, bool command) const override;
    bool read(const QCommandLineParser &parser, QString *error) override;
    CommandAction action() const override { return CommandAction::Report; }

    // Adds --report (--output is the command line's own, --design the summary's, --archive the
    // archive commands').
    static void addOptions(QCommandLineParser &parser);
    // Whether the source names a download in the archive rather than a file.
    static bool isArchiveId(const QString &source);

    // The design the archive keeps for the one site of the table that has one; nothing with
    // the reason when no site or several have one, or it cannot be read.
    static std::optional<SiteDesign> keptDesign(const QString &archivePath,
                                                const ResultTable &table, QString *error);

    // Writes the report; what went wrong on the error stream. The exit status.
    static int run(const Options &options);
    // Writes the report of received (the source already read: the tester's bytes, or a
    // file's text as UTF-8); design as read from options.design, nothing for the one kept
    // in the archive.
    static int write(const Options &options, std::optional<SiteDesign> design,
                     const QByteArray &received, const ReportTrace &trace,
                     ResultsParser::Bytes form = ResultsParser::Bytes::Tester);

private:
    Options with;
};
