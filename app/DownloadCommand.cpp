#include "app/DownloadCommand.h"

#include "app/OptionNames.h"
#include "app/TeamCommand.h"
#include "common/Settings.h"

#include <QCommandLineParser>

#include <optional>

using namespace OptionNames;

DownloadCommand::DownloadCommand()
    : Command(DownloadOption,
              {PortOption, OutputOption, ReadTimeoutOption, StartTimeoutOption, EuropeanOption,
               NoEuropeanOption, QuietOption, VerboseOption, ArchiveOption, NoArchiveOption})
{
}

QString DownloadCommand::loneRefusal(const QString &name)
{
    if (name == DesignOption)
        return tr("--design goes with --summary or --report.");
    if (name == FormatOption)
        return tr("--format goes with --list-ports, --list-downloads or --summary.");
    if (name == TeamOption)
        return TeamCommand::loneText();
    return tr("The option '%1' needs --download.", "%1 is an option's name").arg(name);
}

QString DownloadCommand::refusal(const QString &name, bool) const
{
    return loneRefusal(name);
}

bool DownloadCommand::read(const QCommandLineParser &parser, QString *error)
{
    if (!parser.isSet(PortOption) || parser.value(PortOption).isEmpty()) {
        *error = tr("--download needs --port.");
        return false;
    }
    if (!parser.isSet(OutputOption) || parser.value(OutputOption).isEmpty()) {
        *error = tr("--download needs --output.");
        return false;
    }
    if (parser.isSet(EuropeanOption) && parser.isSet(NoEuropeanOption)) {
        *error = tr("--european and --no-european exclude each other.");
        return false;
    }
    HeadlessDownload::Options options;
    if (parser.isSet(ReadTimeoutOption)) {
        // A value the user typed is taken as typed or refused, never brought into range.
        const std::optional<int> timeout =
            Settings::typedNumber(Settings::Key::ReadTimeout, parser.value(ReadTimeoutOption));
        if (!timeout) {
            const Settings::Definition &range = Settings::definition(Settings::Key::ReadTimeout);
            *error = tr("--read-timeout needs a whole number of milliseconds from %1 to %2, not "
                        "'%3'.",
                        "%1 and %2 are the limits, %3 the value as the user typed it")
                         .arg(range.minimum)
                         .arg(range.maximum)
                         .arg(parser.value(ReadTimeoutOption));
            return false;
        }
        options.readTimeout = *timeout;
    }
    if (parser.isSet(StartTimeoutOption)) {
        const std::optional<int> timeout =
            Settings::typedNumberIn(parser.value(StartTimeoutOption), 1, maxStartTimeout);
        if (!timeout) {
            *error = tr("--start-timeout needs a whole number of seconds from 1 to %1, not '%2'.",
                        "%1 is the limit, %2 the value as the user typed it")
                         .arg(maxStartTimeout)
                         .arg(parser.value(StartTimeoutOption));
            return false;
        }
        options.startTimeout = *timeout;
    }
    options.port = parser.value(PortOption);
    options.output = parser.value(OutputOption);
    if (parser.isSet(EuropeanOption) || parser.isSet(NoEuropeanOption))
        options.european = parser.isSet(EuropeanOption);
    options.quiet = parser.isSet(QuietOption);
    options.verbose = parser.isSet(VerboseOption);
    options.archive = !parser.isSet(NoArchiveOption);
    options.archivePath = parser.value(ArchiveOption);
    with = options;
    return true;
}
