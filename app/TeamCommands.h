#pragma once

#include "app/ArchiveCommands.h"
#include "app/ReportCommand.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class QCommandLineParser;
class TeamAddress;

// The team archive from the command line: --sync, --team-init, and --list-downloads, --export,
// --report and --delete with --team. --team URL names the server by a libpq connection URI;
// --team alone (or no --team with --sync and --team-init) uses the Team archive settings and
// the keyring's password.
class TeamCommands
{
    Q_DECLARE_TR_FUNCTIONS(TeamCommands)

public:
    enum class Command { None, Sync, Init, List, Export, Report, Delete };
    struct Options
    {
        Command command = Command::None;
        QString uri; // empty: the settings
        ArchiveCommands::Options
            archive;                   // --list-downloads, --export, --delete; --sync's --archive
        ReportCommand::Options report; // --report
    };

    // Exit statuses beside the archive commands' (0 done, 1 local archive unusable, 2 usage,
    // 5 not written, 7 no such download).
    enum Status { TeamUnusable = 8 };

    static void addOptions(QCommandLineParser &parser);
    // The arguments with a bare --team (no URI after it) given an empty value, which
    // QCommandLineParser then reads as "the settings".
    static QStringList withTeamValue(const QStringList &arguments);
    // Whether the command needs a QGuiApplication (the report's PDF).
    static bool needsGuiApplication(const Options &options)
    {
        return options.command == Command::Report;
    }

    static int run(const Options &options);
};
