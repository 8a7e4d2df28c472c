#pragma once

#include "results/ResultsSummary.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <cstdio>

class QCommandLineParser;

// --summary FILE [--format text|json]: the summary and the completeness warnings of a saved
// .csv/.txt file on the standard output, and the same summary on the error stream after
// --download. The exit status tells whether the data looks whole.
class SummaryCommand
{
    Q_DECLARE_TR_FUNCTIONS(SummaryCommand)

public:
    struct Options
    {
        QString file;
        bool json = false;
    };

    // Exit statuses.
    enum Status {
        Complete = 0,
        Unreadable = 2, // the file could not be read
        Incomplete = 6, // read (or saved), but the data may be incomplete
    };

    // Adds --summary to a command line (--format is the command line's own).
    static void addOptions(QCommandLineParser &parser);
    // Whether the command line asks for a summary.
    static bool isAsked(const QCommandLineParser &parser);
    // What it asks for; error says why it is refused, empty when it is not.
    static Options read(const QCommandLineParser &parser, QString *error);

    // The summary of data as received or saved.
    static ResultsSummary of(const QByteArray &received);
    // The summary line, then each warning on its own line.
    static QString text(const ResultsSummary &summary);
    // ResultsSummary::toJson(), compact, with a line end.
    static QByteArray json(const ResultsSummary &summary);
    static int statusOf(const ResultsSummary &summary);

    // --summary: prints the file's summary on the standard output (the reason it could not be
    // read on the error stream); the exit status.
    static int run(const Options &options);
    // After a download is saved: its summary on the stream (the warnings only when quiet); the
    // exit status.
    static int report(const QByteArray &received, std::FILE *stream, bool quiet);
};
