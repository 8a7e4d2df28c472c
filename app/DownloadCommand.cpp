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

void DownloadCommand::addOptions(QCommandLineParser &parser)
{
    parser.addOption(QCommandLineOption(
        DownloadOption, tr("Downloads the tester's results without a window, as the Download "
                           "button does, and saves them as --output. Needs --port and --output.")));
    parser.addOption(QCommandLineOption(
        PortOption,
        tr("The tester's port: a name as the port list shows it (ttyUSB0, COM3) or a device "
           "path."),
        tr("port", "value name of --port")));
    parser.addOption(QCommandLineOption(
        OutputOption,
        tr("The file to save the results as, replaced if it exists; - for the standard output."),
        tr("file", "value name of --output")));
    const Settings::Definition &readTimeout = Settings::definition(Settings::Key::ReadTimeout);
    parser.addOption(QCommandLineOption(
        ReadTimeoutOption,
        tr("Milliseconds of silence that end the download (%1 to %2, default %3).",
           "%1 and %2 are the limits, %3 the default")
            .arg(readTimeout.minimum)
            .arg(readTimeout.maximum)
            .arg(readTimeout.fallback.toInt()),
        tr("ms", "value name of --read-timeout")));
    parser.addOption(QCommandLineOption(
        EuropeanOption, tr("Saves a .csv file in the European format: semicolons between fields "
                           "and decimal commas.")));
    parser.addOption(QCommandLineOption(
        NoEuropeanOption, tr("Saves the results as received (also without either option).")));
    parser.addOption(QCommandLineOption(
        StartTimeoutOption,
        tr("Gives up when no data has come this many seconds after the tester was asked for it "
           "(1 to %1; without it the download waits until it is stopped).",
           "%1 is the largest number of seconds")
            .arg(maxStartTimeout),
        tr("seconds", "value name of --start-timeout")));
    parser.addOption(
        QCommandLineOption(QuietOption, tr("Shows no progress, only what went wrong.")));
    parser.addOption(QCommandLineOption(
        VerboseOption, tr("Also shows the serial port's diagnostics on the error stream.")));
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
