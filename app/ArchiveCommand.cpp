#include "app/ArchiveCommand.h"

#include "app/DownloadCommand.h"
#include "app/OptionNames.h"

#include <QCommandLineParser>

using namespace OptionNames;

namespace {

QString optionOf(ArchiveCommand::Kind kind)
{
    return kind == ArchiveCommand::Kind::List     ? ListDownloadsOption
           : kind == ArchiveCommand::Kind::Export ? ExportOption
                                                  : DeleteOption;
}

QStringList takenBy(ArchiveCommand::Kind kind)
{
    if (kind == ArchiveCommand::Kind::List)
        return {FormatOption, ArchiveOption};
    if (kind == ArchiveCommand::Kind::Export)
        return {OutputOption, EuropeanOption, NoEuropeanOption, ArchiveOption};
    return {ArchiveOption};
}

} // namespace

ArchiveCommand::ArchiveCommand(Kind kind) : Command(optionOf(kind), takenBy(kind)), kind(kind)
{
}

bool ArchiveCommand::isOneOf(const QString &name)
{
    return name == ListDownloadsOption || name == ExportOption || name == DeleteOption;
}

QString ArchiveCommand::refusal(const QString &name, bool command) const
{
    if (isOneOf(name))
        return tr("--list-downloads, --export and --delete go one at a time.");
    if (name == DesignOption)
        return DownloadCommand::loneRefusal(name);
    return Command::refusal(name, command);
}

bool ArchiveCommand::read(const QCommandLineParser &parser, QString *error)
{
    ArchiveCommands::Options read;
    read.command = kind;
    if (kind == Kind::Export || kind == Kind::Delete) {
        bool number = false;
        read.id = parser.value(option()).toLongLong(&number);
        if (!number || read.id <= 0) {
            *error = tr("--%1 needs the number of a download as --list-downloads shows it, not "
                        "'%2'.",
                        "%1 is an option's name, %2 the value as the user typed it")
                         .arg(option(), parser.value(option()));
            return false;
        }
    }
    if (kind == Kind::Export) {
        read.output = parser.value(OutputOption);
        if (read.output.isEmpty()) {
            *error = tr("--export needs --output.");
            return false;
        }
        if (parser.isSet(EuropeanOption) && parser.isSet(NoEuropeanOption)) {
            *error = tr("--european and --no-european exclude each other.");
            return false;
        }
        if (parser.isSet(EuropeanOption) || parser.isSet(NoEuropeanOption))
            read.european = parser.isSet(EuropeanOption);
    }
    if (parser.isSet(FormatOption)) {
        const QString format = parser.value(FormatOption);
        if (format != QLatin1String("json") && format != QLatin1String("text")) {
            *error =
                tr("--format is text or json, not '%1'.", "%1 is the value as the user typed it")
                    .arg(format);
            return false;
        }
        read.json = format == QLatin1String("json");
    }
    if (parser.isSet(ArchiveOption)) {
        read.archivePath = parser.value(ArchiveOption);
        if (read.archivePath.isEmpty()) {
            *error = tr("--archive needs a file.");
            return false;
        }
    }
    with = read;
    return true;
}
