#include "app/CommandLine.h"

#include "common/InstallPaths.h"
#include "download/DownloadSession.h"

#include <QFileInfo>
#include <QLocale>

namespace {

const QString HelpOption = QStringLiteral("help");
const QString VersionOption = QStringLiteral("version");
const QString DownloadOption = QStringLiteral("download");
const QString PortOption = QStringLiteral("port");
const QString OutputOption = QStringLiteral("output");
const QString ReadTimeoutOption = QStringLiteral("read-timeout");
const QString EuropeanOption = QStringLiteral("european");
const QString NoEuropeanOption = QStringLiteral("no-european");
const QString QuietOption = QStringLiteral("quiet");

// Qt's application objects take these from the command line themselves; they are
// accepted here so that they reach the window's application object.
const char *const QtValueOptions[] = {
    "platform",     "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
    "qwindowtitle", "qwindowicon",        "session",       "style",  "stylesheet",
    "display",      "geometry",           "title",         "icon",
};
const char *const QtFlagOptions[] = {"reverse", "widgetcount", "nograb",
                                     "dograb",  "sync",        "testability"};

void addHiddenOption(QCommandLineParser &parser, const char *name, bool takesValue)
{
    QCommandLineOption option(QString::fromLatin1(name));
    if (takesValue)
        option.setValueName(QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
}

} // namespace

CommandLine::CommandLine(const QStringList &arguments)
{
    // "-platform offscreen" is one option with its value, as Qt reads it, not six
    // single-letter options.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        tr("Downloads the stored test results of a solar installation tester over a serial "
           "port and saves them as .csv or .txt files.") +
        QLatin1Char('\n') + tr("Without options it opens the program's window."));
    parser.addOption(
        QCommandLineOption({QStringLiteral("h"), HelpOption}, tr("Shows this help and exits.")));
    parser.addOption(QCommandLineOption({QStringLiteral("v"), VersionOption},
                                        tr("Shows the program's name and version and exits.")));
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
    parser.addOption(QCommandLineOption(
        ReadTimeoutOption,
        tr("Milliseconds of silence that end the download (%1 to %2, default %3).",
           "%1 and %2 are the limits, %3 the default")
            .arg(DownloadSession::minReadTimeout)
            .arg(DownloadSession::maxReadTimeout)
            .arg(DownloadSession::defaultReadTimeout),
        tr("ms", "value name of --read-timeout")));
    parser.addOption(QCommandLineOption(
        EuropeanOption, tr("Saves a .csv file in the European format: semicolons between fields "
                           "and decimal commas.")));
    parser.addOption(QCommandLineOption(
        NoEuropeanOption, tr("Saves the results as received (also without either option).")));
    parser.addOption(
        QCommandLineOption(QuietOption, tr("Shows no progress, only what went wrong.")));
    ArchiveCommands::addOptions(parser);
    for (const char *name : QtValueOptions)
        addHiddenOption(parser, name, true);
    for (const char *name : QtFlagOptions)
        addHiddenOption(parser, name, false);

    if (!parser.parse(arguments)) {
        act = Action::UsageError;
        error = parser.errorText();
    } else if (parser.isSet(HelpOption)) {
        act = Action::ShowHelp;
    } else if (parser.isSet(VersionOption)) {
        act = Action::ShowVersion;
    } else if (!parser.positionalArguments().isEmpty()) {
        act = Action::UsageError;
        error = tr("Unexpected argument '%1'.", "%1 is the argument as the user typed it")
                    .arg(parser.positionalArguments().constFirst());
    } else if (ArchiveCommands::requested(parser) != ArchiveCommands::Command::None) {
        act = ArchiveCommands::read(parser, &archiveWith, &error) ? Action::Archive
                                                                  : Action::UsageError;
    } else {
        readDownloadOptions();
    }
}

void CommandLine::readDownloadOptions()
{
    const bool download = parser.isSet(DownloadOption);
    for (const QString &name : QStringList{PortOption, OutputOption, ReadTimeoutOption,
                                           EuropeanOption, NoEuropeanOption, QuietOption} +
                                   ArchiveCommands::optionNames()) {
        if (!download && parser.isSet(name)) {
            act = Action::UsageError;
            error =
                name == QLatin1String("format")
                    ? tr("--format needs --list-downloads.")
                    : tr("The option '%1' needs --download.", "%1 is an option's name").arg(name);
            return;
        }
    }
    if (!download)
        return;
    act = Action::UsageError;
    if (!parser.isSet(PortOption) || parser.value(PortOption).isEmpty()) {
        error = tr("--download needs --port.");
        return;
    }
    if (!parser.isSet(OutputOption) || parser.value(OutputOption).isEmpty()) {
        error = tr("--download needs --output.");
        return;
    }
    if (parser.isSet(EuropeanOption) && parser.isSet(NoEuropeanOption)) {
        error = tr("--european and --no-european exclude each other.");
        return;
    }
    HeadlessDownload::Options options;
    if (parser.isSet(ReadTimeoutOption)) {
        const std::optional<int> timeout =
            DownloadSession::readTimeoutFrom(parser.value(ReadTimeoutOption));
        if (!timeout) {
            error = tr("--read-timeout needs a whole number of milliseconds, not '%1'.",
                       "%1 is the value as the user typed it")
                        .arg(parser.value(ReadTimeoutOption));
            return;
        }
        options.readTimeout = *timeout;
    }
    options.port = parser.value(PortOption);
    options.output = parser.value(OutputOption);
    if (parser.isSet(EuropeanOption) || parser.isSet(NoEuropeanOption))
        options.european = parser.isSet(EuropeanOption);
    options.quiet = parser.isSet(QuietOption);
    options.archive = ArchiveCommands::archiveForDownload(parser, &options.archivePath);
    downloadWith = options;
    act = Action::Download;
}

QString CommandLine::helpText() const
{
    QString text = parser.helpText();
    text += QLatin1Char('\n') + tr("Exit status of --download:") + QLatin1Char('\n');
    const QList<QPair<int, QString>> statuses = {
        {HeadlessDownload::Saved, tr("the results are saved")},
        {ArchiveCommands::ArchiveUnusable,
         tr("the archive cannot be used (--list-downloads, --export, --delete)")},
        {UsageErrorStatus, tr("the command line is wrong")},
        {HeadlessDownload::PortNotOpened, tr("the port could not be opened")},
        {HeadlessDownload::LostBeforeData, tr("the line was lost before any data came")},
        {HeadlessDownload::NotWritten, tr("the file could not be written")},
        {ArchiveCommands::NoSuchDownload,
         tr("no such download in the archive (--export, --delete)")},
        {HeadlessDownload::Interrupted + 2, tr("interrupted with Ctrl+C (SIGINT)")},
        {HeadlessDownload::Interrupted + 15, tr("stopped with SIGTERM")},
    };
    for (const auto &status : statuses)
        text += QStringLiteral("  %1  %2\n").arg(status.first, 3).arg(status.second);
    const QString page = InstallPaths::helpPage(QLocale().name().left(2));
    if (!page.isEmpty())
        text += QLatin1Char('\n') +
                tr("User guide: %1", "%1 is the path of the help page").arg(page) +
                QLatin1Char('\n');
    return text;
}

QString CommandLine::versionText()
{
    return QStringLiteral("Marlune DataLogger %1").arg(QCoreApplication::applicationVersion());
}
