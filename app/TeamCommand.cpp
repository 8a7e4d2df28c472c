#include "app/TeamCommand.h"

#include "app/OptionNames.h"
#include "teamarchive/TeamAddress.h"

#include <QCommandLineParser>

using namespace OptionNames;

namespace {

// The commands that go with --team, one at a time.
const QStringList TeamFamily = {SyncOption,          TeamInitOption, ReportOption,
                                ListDownloadsOption, ExportOption,   DeleteOption};

} // namespace

TeamCommand::TeamCommand(Kind kind)
    : Command(kind == Kind::Sync ? SyncOption : TeamInitOption,
              kind == Kind::Sync ? QStringList{TeamOption, ArchiveOption}
                                 : QStringList{TeamOption}),
      kind(kind)
{
}

TeamCommand::TeamCommand(ReportCommand &local)
    : Command(local.option(), local.takenOptions() << TeamOption), report(&local)
{
}

TeamCommand::TeamCommand(ArchiveCommand &local)
    : Command(local.option(), local.takenOptions() << TeamOption), archive(&local)
{
}

QString TeamCommand::loneText()
{
    return tr("--team goes with one of --sync, --team-init, --list-downloads, --export, "
              "--report or --delete.");
}

bool TeamCommand::isAsked(const QCommandLineParser &parser) const
{
    return kind ? Command::isAsked(parser) : parser.isSet(TeamOption) && Command::isAsked(parser);
}

QString TeamCommand::refusal(const QString &name, bool command) const
{
    // Two archive commands are refused as without --team.
    if (TeamFamily.contains(name) && !(archive && ArchiveCommand::isOneOf(name)))
        return loneText();
    if (report)
        return report->refusal(name, command);
    if (archive)
        return archive->refusal(name, command);
    return Command::refusal(name, command);
}

bool TeamCommand::read(const QCommandLineParser &parser, QString *error)
{
    TeamCommands::Options read;
    read.uri = parser.value(TeamOption);
    if (!read.uri.isEmpty()) {
        TeamAddress::fromUri(read.uri, error);
        if (!error->isEmpty())
            return false;
    }
    if (kind) {
        read.command =
            *kind == Kind::Sync ? TeamCommands::Command::Sync : TeamCommands::Command::Init;
        read.archive.archivePath = parser.value(ArchiveOption);
    } else if (report) {
        if (!report->read(parser, error))
            return false;
        read.report = report->options();
        if (!ReportCommand::isArchiveId(read.report.source)) {
            *error = tr("--report with --team needs the number of a download as --list-downloads "
                        "--team shows it.");
            return false;
        }
        read.command = TeamCommands::Command::Report;
    } else {
        if (!archive->read(parser, error))
            return false;
        read.archive = archive->options();
        read.command = read.archive.command == ArchiveCommands::Command::List
                           ? TeamCommands::Command::List
                       : read.archive.command == ArchiveCommands::Command::Export
                           ? TeamCommands::Command::Export
                           : TeamCommands::Command::Delete;
    }
    with = read;
    return true;
}
