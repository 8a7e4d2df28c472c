#pragma once

#include "app/ArchiveCommands.h"
#include "app/Command.h"

// --list-downloads, --export ID --output FILE or --delete ID on this computer's archive: one
// object per command, each taking its own options.
class ArchiveCommand : public Command
{
    Q_DECLARE_TR_FUNCTIONS(ArchiveCommand)

public:
    using Kind = ArchiveCommands::Command;
    explicit ArchiveCommand(Kind kind);
    ArchiveCommands::Options options() const { return with; }
    // Whether name asks for one of the archive's commands.
    static bool isOneOf(const QString &name);

    QString refusal(const QString &name, bool command) const override;
    bool read(const QCommandLineParser &parser, QString *error) override;
    CommandAction action() const override { return CommandAction::Archive; }

private:
    Kind kind;
    ArchiveCommands::Options with;
};
