#pragma once

#include "app/ArchiveCommand.h"
#include "app/Command.h"
#include "app/ReportCommand.h"
#include "app/TeamCommands.h"

// The team archive's commands: --sync, --team-init, and the --team forms of --report,
// --list-downloads, --export and --delete, which take what the command on this computer's archive
// takes and --team.
class TeamCommand : public Command
{
    Q_DECLARE_TR_FUNCTIONS(TeamCommand)

public:
    enum class Kind { Sync, Init };
    explicit TeamCommand(Kind kind);
    // The --team form of a command on this computer's archive.
    explicit TeamCommand(ReportCommand &local);
    explicit TeamCommand(ArchiveCommand &local);
    TeamCommands::Options options() const { return with; }
    // Why --team is refused without one of the commands that take it.
    static QString loneText();

    bool isAsked(const QCommandLineParser &parser) const override;
    QString refusal(const QString &name, bool command) const override;
    bool read(const QCommandLineParser &parser, QString *error) override;
    CommandAction action() const override { return CommandAction::Team; }

private:
    std::optional<Kind> kind;
    ReportCommand *report = nullptr;
    ArchiveCommand *archive = nullptr;
    TeamCommands::Options with;
};
