#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStringList>

// The program (marlune-datalogger beside the test) run as a child process, as a user's script
// runs it: no display, no platform plugin named, English texts.
class ProgramRun
{
public:
    struct Options
    {
        bool cLocale = false;      // LC_ALL=C.UTF-8
        bool noRuntimeDir = false; // XDG_RUNTIME_DIR unset
        // The standard output goes into this FIFO, whose only reader goes away once the program
        // runs.
        QString outputFifo;
    };
    // Numbers and dates as in the C locale, and without a runtime folder when asked.
    static Options inCLocale(bool withoutRuntimeDir = false)
    {
        return {true, withoutRuntimeDir, {}};
    }

    explicit ProgramRun(const QStringList &arguments, const Options &options);
    explicit ProgramRun(const QStringList &arguments) : ProgramRun(arguments, Options()) {}
    // The exit status, -1 when the program did not end in time (it is killed) or crashed.
    // Fills output and error.
    int wait(int timeoutMs = 30000);
    // Runs the program to its end: its exit status (as wait()), and what it printed.
    static int status(const QStringList &arguments, QByteArray *output = nullptr,
                      QByteArray *error = nullptr);

    QProcess process;
    QByteArray output, error;
};
