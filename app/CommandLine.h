#pragma once

#include "app/ArchiveCommands.h"
#include "app/HeadlessDownload.h"
#include "app/ReportCommand.h"
#include "app/SummaryCommand.h"
#include "app/TeamCommands.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The program's command line: what a list of arguments (the program's path first)
// asks for. Qt's own options (-platform, -style, ...) are accepted and left to the
// application object. Parsing needs no application object; the texts do.
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    enum class Action {
        RunWindow,   // no options of ours: open the window
        ShowHelp,    // print helpText(), exit 0
        ShowVersion, // print versionText(), exit 0
        UsageError,  // print errorText() and helpText() to the error stream, exit 2
        Download,    // download without a window, as downloadOptions() say
        Archive,     // --list-downloads, --export or --delete, as archiveOptions() say
        ListPorts,   // print the serial ports, as listPortsAsJson() says
        Summary,     // print a saved file's summary, as summaryOptions() say
        Report,      // write a commissioning report, as reportOptions() say
        Team,        // the team archive, as teamOptions() say
    };

    // The exit status after a usage error.
    static constexpr int UsageErrorStatus = 2;

    explicit CommandLine(const QStringList &arguments);

    Action action() const { return act; }
    // What --download is to do.
    HeadlessDownload::Options downloadOptions() const { return downloadWith; }
    // What the archive command is to do.
    ArchiveCommands::Options archiveOptions() const { return archiveWith; }
    // Whether --list-ports is to print JSON rather than lines of text.
    bool listPortsAsJson() const { return portsAsJson; }
    SummaryCommand::Options summaryOptions() const { return summaryWith; }
    ReportCommand::Options reportOptions() const { return reportWith; }
    TeamCommands::Options teamOptions() const { return teamWith; }
    // Why the arguments were refused, one line.
    QString errorText() const { return error; }
    // Usage, description, options and where the user guide lies, in the language of
    // the installed translators.
    QString helpText() const;
    // The program's name and version, one line.
    static QString versionText();

    // Whether the window can reach a display, judged cheaply before anything is loaded: a
    // platform named by -platform or QT_QPA_PLATFORM that needs none (offscreen, minimal, the
    // frame buffer...) counts; else DISPLAY (X11) or WAYLAND_DISPLAY must be set. The
    // environment's values are given, so the rule can be checked on its own.
    static bool displayReachable(const QStringList &arguments, const QString &platform,
                                 const QString &display, const QString &waylandDisplay);
    // The line for --list-ports when the system reports no serial port.
    static QString noPortsText();
    // The one line for a window without a display, pointing to --download.
    static QString noDisplayText();

private:
    QCommandLineParser parser;
    Action act = Action::RunWindow;
    QString error;
    HeadlessDownload::Options downloadWith;
    ArchiveCommands::Options archiveWith;
    bool portsAsJson = false;
    SummaryCommand::Options summaryWith;
    ReportCommand::Options reportWith;
    TeamCommands::Options teamWith;

    void readDownloadOptions();
    bool readListOptions();
};
