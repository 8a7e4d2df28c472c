#include "app/CommandLine.h"
#include "app/ConsoleAttach.h"
#include "app/ErrorStream.h"
#include "app/ReportCommand.h"
#include "app/StartupCycle.h"
#include "app/TeamCommands.h"
#include "common/InstallPaths.h"
#include "translation/Translators.h"

#include <QApplication>
#include <QFileInfo>
#include <QLoggingCategory>

#include <cstdio>
#include <cstdlib>

namespace {

// The window: start-up cycles until one ends without a restart request.
int runWindow(int &argc, char **argv)
{
    QApplication app(argc, argv);
    StartupCycle::setApplicationIdentity();
    // Ties the windows to the installed desktop entry (Wayland, task bars).
    QGuiApplication::setDesktopFileName(QStringLiteral(ML_APP_ID));

    // A language change in the window asks for a new cycle in this same process.
    while (StartupCycle::run(InstallPaths::translationsDirectory())) {
    }
    return 0;
}

// Help, version, usage errors, the port list, the download without a window and the word
// that there is no display: no display needed. The texts are in the stored language, else in
// the language of the environment.
int runCommandLine(int &argc, char **argv, bool noDisplay)
{
    // On Windows the window's program has no console: the messages go to its caller's.
    ConsoleAttach::toParentConsole();
    QCoreApplication app(argc, argv);
    StartupCycle::setApplicationIdentity();
    QObject translators;
    Translators::installForCommandLine(&translators, InstallPaths::translationsDirectory());

    if (noDisplay) {
        ErrorStream::say(CommandLine::noDisplayText());
        return 1;
    }
    const CommandLine commandLine(QCoreApplication::arguments());
    switch (commandLine.action()) {
    case CommandLine::Action::ShowHelp:
        std::fputs(qPrintable(commandLine.helpText()), stdout);
        return 0;
    case CommandLine::Action::ShowVersion:
        std::fputs(qPrintable(CommandLine::versionText() + QLatin1Char('\n')), stdout);
        return 0;
    case CommandLine::Action::ListPorts:
        return ListPortsCommand::run(commandLine.listPortsAsJson());
    case CommandLine::Action::Download:
        // The standard error stream is the user's here: the debug log, the serial layer's
        // diagnostics included, stays out of it unless asked for.
        if (!commandLine.downloadOptions().verbose)
            QLoggingCategory::setFilterRules(
                QStringLiteral("*.debug=false\n*.info=false\ndefault.warning=false"));
        return HeadlessDownload(commandLine.downloadOptions()).run();
    case CommandLine::Action::Archive:
        return ArchiveCommands::run(commandLine.archiveOptions());
    case CommandLine::Action::Summary:
        return SummaryCommand::run(commandLine.summaryOptions());
    case CommandLine::Action::Team:
        return TeamCommands::run(commandLine.teamOptions());
    case CommandLine::Action::Report: // runReport()
    case CommandLine::Action::UsageError:
    case CommandLine::Action::RunWindow:
        break;
    }
    ErrorStream::write(QStringLiteral("%1: %2\n\n%3")
                           .arg(QFileInfo(QCoreApplication::applicationFilePath()).fileName(),
                                commandLine.errorText(), commandLine.helpText()));
    return CommandLine::UsageErrorStatus;
}

// --report: the PDF needs a QGuiApplication (fonts, QTextDocument, QPdfWriter). Elsewhere it is
// drawn on the offscreen platform, so no display is needed; Windows always has its own platform,
// and only that one knows the system's fonts (offscreen there has none, and the PDF would hold
// no text).
int runReport(int &argc, char **argv)
{
    ConsoleAttach::toParentConsole();
#ifndef Q_OS_WIN
    qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    // The error stream is the user's: Qt's notes about the platform stay out of it.
    QLoggingCategory::setFilterRules(
        QStringLiteral("*.debug=false\n*.info=false\ndefault.warning=false"));
    QGuiApplication app(argc, argv);
    StartupCycle::setApplicationIdentity();
    QObject translators;
    Translators::installForCommandLine(&translators, InstallPaths::translationsDirectory());
    const CommandLine commandLine(QCoreApplication::arguments());
    if (commandLine.action() == CommandLine::Action::Team)
        return TeamCommands::run(commandLine.teamOptions());
    return ReportCommand::run(commandLine.reportOptions());
}

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
QString environment(const char *name)
{
    return QString::fromLocal8Bit(std::getenv(name));
}
#endif

} // namespace

int main(int argc, char *argv[])
{
    // The arguments are read before any application object exists: the window's needs a
    // display, help and version must not. They are read again once translators are in.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const CommandLine early(arguments);
    const CommandLine::Action action = early.action();
    if (action == CommandLine::Action::Report ||
        (action == CommandLine::Action::Team &&
         TeamCommands::needsGuiApplication(early.teamOptions())))
        return runReport(argc, argv);
    if (action != CommandLine::Action::RunWindow)
        return runCommandLine(argc, argv, false);
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // Without a display the window's application object would abort: say so instead.
    if (!CommandLine::displayReachable(arguments, environment("QT_QPA_PLATFORM"),
                                       environment("DISPLAY"), environment("WAYLAND_DISPLAY")))
        return runCommandLine(argc, argv, true);
#endif
    return runWindow(argc, argv);
}
