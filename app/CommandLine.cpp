#include "app/CommandLine.h"

#include "app/OptionNames.h"
#include "common/InstallPaths.h"

#include <QFileInfo>
#include <QLocale>

#include <algorithm>

using namespace OptionNames;

namespace {

// Qt's application objects take these from the command line themselves; they are
// accepted here so that they reach the window's application object.
const char *const QtValueOptions[] = {
    "platform",     "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
    "qwindowtitle", "qwindowicon",        "session",       "style",  "stylesheet",
    "display",      "geometry",           "title",         "icon",
};
// X11's -sync is not among them: --sync is the team archive's.
const char *const QtFlagOptions[] = {"reverse", "widgetcount", "nograb", "dograb", "testability"};

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
    DownloadCommand::addOptions(parser);
    ListPortsCommand::addOptions(parser);
    SummaryCommand::addOptions(parser);
    ArchiveCommands::addOptions(parser);
    ReportCommand::addOptions(parser);
    TeamCommands::addOptions(parser);
    for (const char *name : QtValueOptions)
        addHiddenOption(parser, name, true);
    for (const char *name : QtFlagOptions)
        addHiddenOption(parser, name, false);

    if (!parser.parse(TeamCommands::withTeamValue(arguments))) {
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
    } else {
        for (Command *command : commands) {
            if (command->isAsked(parser)) {
                chosen = command;
                break;
            }
        }
        // Without a command, every option of ours is refused as the download's would be.
        const QString name = refused(chosen);
        if (!name.isEmpty()) {
            act = Action::UsageError;
            const auto isCommand = [this](const QString &option) {
                return std::any_of(commands.cbegin(), commands.cend(),
                                   [&](const Command *c) { return c->option() == option; });
            };
            error = (chosen ? chosen : &download)->refusal(name, isCommand(name));
        } else if (chosen) {
            act = chosen->read(parser, &error) ? chosen->action() : Action::UsageError;
        }
    }
}

QString CommandLine::refused(const Command *command) const
{
    // Another command's option first, then the others, each in the order typed.
    QStringList others, rest;
    for (const QString &name : parser.optionNames()) {
        if (command && command->takes(name))
            continue;
        bool commandOption = false, ours = false;
        for (const Command *c : commands) {
            commandOption = commandOption || c->option() == name;
            ours = ours || c->takes(name);
        }
        if (commandOption)
            others << name;
        else if (ours)
            rest << name;
    }
    others << rest;
    return others.isEmpty() ? QString() : others.constFirst();
}

ArchiveCommands::Options CommandLine::archiveOptions() const
{
    for (const ArchiveCommand *command : {&list, &exportOne, &remove})
        if (command == chosen)
            return command->options();
    return {};
}

TeamCommands::Options CommandLine::teamOptions() const
{
    for (const TeamCommand *command :
         {&sync, &teamInit, &teamReport, &teamList, &teamExport, &teamRemove})
        if (command == chosen)
            return command->options();
    return {};
}

QString CommandLine::helpText() const
{
    QString text = parser.helpText();
    text += QLatin1Char('\n') + tr("Exit status of --download, --summary and --report:") +
            QLatin1Char('\n');
    const QList<QPair<int, QString>> statuses = {
        {HeadlessDownload::Saved, tr("the results are saved")},
        {ArchiveCommands::ArchiveUnusable,
         tr("the archive is missing, refused (a file named with --archive that is not an "
            "archive of this program) or cannot be read")},
        {UsageErrorStatus, tr("the command line is wrong, or a file, the design file or the "
                              "archive could not be read")},
        {HeadlessDownload::PortNotOpened, tr("the port could not be opened")},
        {HeadlessDownload::LostBeforeData, tr("the line was lost before any data came")},
        {HeadlessDownload::LostBeforeData, tr("no data came within --start-timeout")},
        {HeadlessDownload::NotWritten, tr("the file (or the report) could not be written")},
        {HeadlessDownload::SavedIncomplete,
         tr("saved (or read), but the data may be incomplete: the line was lost before it fell "
            "silent, or the last record is cut or records are missing")},
        {ArchiveCommands::NoSuchDownload,
         tr("no such download in the archive (--export, --delete, --report)")},
        {TeamCommands::TeamUnusable,
         tr("the team archive cannot be reached or refuses (the downloads stay waiting)")},
        {HeadlessDownload::Interrupted + 1, tr("stopped with SIGHUP (the terminal or SSH session "
                                               "closed); nothing saved")},
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

bool CommandLine::displayReachable(const QStringList &arguments, const QString &platform,
                                   const QString &display, const QString &waylandDisplay)
{
    // -platform wins over the environment, as in Qt.
    QString named = platform;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if ((argument == QLatin1String("-platform") || argument == QLatin1String("--platform")) &&
            i + 1 < arguments.size())
            named = arguments.at(i + 1);
        else if (argument.startsWith(QLatin1String("-platform=")) ||
                 argument.startsWith(QLatin1String("--platform=")))
            named = argument.mid(argument.indexOf(QLatin1Char('=')) + 1);
    }
    // "xcb:opt=..." or a list "wayland;xcb": the platforms that need a display server.
    const QStringList names = named.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    bool needsX = names.isEmpty(), needsWayland = names.isEmpty();
    bool other = false;
    for (const QString &entry : names) {
        const QString name = entry.section(QLatin1Char(':'), 0, 0).trimmed();
        if (name == QLatin1String("xcb"))
            needsX = true;
        else if (name.startsWith(QLatin1String("wayland")))
            needsWayland = true;
        else
            other = true;
    }
    if (other)
        return true;
    return (needsX && !display.isEmpty()) || (needsWayland && !waylandDisplay.isEmpty());
}

QString CommandLine::noDisplayText()
{
    return tr("No display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set). "
              "To download without a window: %1 --download --port PORT --output FILE",
              "%1 is the program's name; PORT and FILE stand for values the user fills in")
        .arg(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
}

QString CommandLine::versionText()
{
    return QStringLiteral("Marlune DataLogger %1").arg(QCoreApplication::applicationVersion());
}
