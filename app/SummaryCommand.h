#pragma once

#include "app/Command.h"
#include "checks/DesignChecks.h"
#include "checks/SiteDesign.h"
#include "results/ResultsSummary.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <cstdio>
#include <optional>

class QCommandLineParser;

// --summary FILE [--design DESIGN.json] [--format text|json]: the summary and the completeness
// warnings of a saved .csv/.txt file on the standard output, with the design checks' failures
// when a design is given, and the same summary on the error stream after --download. The exit
// status tells whether the data looks whole.
class SummaryCommand : public Command
{
    Q_DECLARE_TR_FUNCTIONS(SummaryCommand)

public:
    struct Options
    {
        QString file;
        QString design; // the design file; empty: no design checks
        bool json = false;
    };

    // Exit statuses.
    enum Status {
        Complete = 0,
        Unreadable = 2, // the file or the design file could not be read
        Incomplete = 6, // read (or saved), but the data may be incomplete
    };

    SummaryCommand();
    Options options() const { return with; }
    QString refusal(const QString &name, bool command) const override;
    bool read(const QCommandLineParser &parser, QString *error) override;
    CommandAction action() const override { return CommandAction::Summary; }

    // Adds --summary and --design to a command line (--format is the command line's own).
    static void addOptions(QCommandLineParser &parser);

    // The design in the file, or nothing with the reason (the file's name, then the system's
    // reason or the member and line the file gets wrong) in *error.
    static std::optional<SiteDesign> readDesign(const QString &path, QString *error);

    // The summary of data as received or saved.
    static ResultsSummary of(const QByteArray &received);
    // The summary line, then each warning on its own line.
    static QString text(const ResultsSummary &summary);
    // The same followed by "N FAIL by the tester · M more by the design checks" and each
    // failure of the checks, "row R, STRING: check: reason" (rows counted from 1 after the
    // header).
    static QString text(const ResultsSummary &summary, const DesignChecks &checks);
    // ResultsSummary::toJson(), compact, with a line end; with the checks, their toJson() as
    // its member "design".
    static QByteArray json(const ResultsSummary &summary, const DesignChecks *checks = nullptr);

    static int statusOf(const ResultsSummary &summary);

    // --summary: prints the file's summary on the standard output (the reason it could not be
    // read on the error stream); the exit status.
    static int run(const Options &options);
    // After a download is saved: its summary on the stream (the warnings only when quiet); the
    // exit status.
    static int report(const QByteArray &received, std::FILE *stream, bool quiet);

private:
    Options with;
};
