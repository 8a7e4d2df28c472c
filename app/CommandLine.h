#pragma once

#include "app/ArchiveCommand.h"
#include "app/Command.h"
#include "app/DownloadCommand.h"
#include "app/ListPortsCommand.h"
#include "app/ReportCommand.h"
#include "app/SummaryCommand.h"
#include "app/TeamCommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVector>

// The program's command line: what a list of arguments (the program's path first)
// asks for. Qt's own options (-platform, -style, ...) are accepted and left to the
// application object. Parsing needs no application object; the texts do.
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    using Action = CommandAction;

    // The exit status after a usage error.
    static constexpr int UsageErrorStatus = 2;

    explicit CommandLine(const QStringList &arguments);
    CommandLine(const CommandLine &) = delete;
    CommandLine &operator=(const CommandLine &) = delete;

    Action action() const { return act; }
    // What --download is to do.
    HeadlessDownload::Options downloadOptions() const { return download.options(); }
    // What the archive command is to do.
    ArchiveCommands::Options archiveOptions() const;
    // Whether --list-ports is to print JSON rather than lines of text.
    bool listPortsAsJson() const { return listPorts.json(); }
    SummaryCommand::Options summaryOptions() const { return summary.options(); }
    ReportCommand::Options reportOptions() const { return report.options(); }
    TeamCommands::Options teamOptions() const;
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
    // The one line for a window without a display, pointing to --download.
    static QString noDisplayText();

private:
    QCommandLineParser parser;
    Action act = Action::RunWindow;
    QString error;
    DownloadCommand download;
    ListPortsCommand listPorts;
    SummaryCommand summary;
    ReportCommand report;
    ArchiveCommand list{ArchiveCommand::Kind::List};
    ArchiveCommand exportOne{ArchiveCommand::Kind::Export};
    ArchiveCommand remove{ArchiveCommand::Kind::Delete};
    TeamCommand sync{TeamCommand::Kind::Sync};
    TeamCommand teamInit{TeamCommand::Kind::Init};
    TeamCommand teamReport{report};
    TeamCommand teamList{list};
    TeamCommand teamExport{exportOne};
    TeamCommand teamRemove{remove};
    // The commands, the first one asked for wins.
    const QVector<Command *> commands = {
        &sync,    &teamInit, &teamReport, &teamList, &teamExport, &teamRemove, &report,
        &summary, &list,     &exportOne,  &remove,   &listPorts,  &download};
    Command *chosen = nullptr;

    // The first option of ours the arguments set that command (none: the window) does not take,
    // or an empty string.
    QString refused(const Command *command) const;
};
