#include "app/CommandLine.h"
#include "app/StartupCycle.h"
#include "common/InstallPaths.h"
#include "translation/Translators.h"

#include <QApplication>
#include <QFileInfo>
#include <QLoggingCategory>

#include <cstdio>

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

// Help, version, usage errors and the download without a window: no display. The texts
// are in the stored language, else in the language of the environment.
int runCommandLine(int &argc, char **argv)
{
    QCoreApplication app(argc, argv);
    StartupCycle::setApplicationIdentity();
    QObject translators;
    Translators::installForCommandLine(&translators, InstallPaths::translationsDirectory());

    const CommandLine commandLine(QCoreApplication::arguments());
    switch (commandLine.action()) {
    case CommandLine::Action::ShowHelp:
        std::fputs(qPrintable(commandLine.helpText()), stdout);
        return 0;
    case CommandLine::Action::ShowVersion:
        std::fputs(qPrintable(CommandLine::versionText() + QLatin1Char('\n')), stdout);
        return 0;
    case CommandLine::Action::Download:
        // The standard error stream is the user's here: the debug log stays out of it.
        QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
        return HeadlessDownload(commandLine.downloadOptions()).run();
    case CommandLine::Action::Archive:
        return ArchiveCommands::run(commandLine.archiveOptions());
    case CommandLine::Action::UsageError:
    case CommandLine::Action::RunWindow:
        break;
    }
    std::fprintf(stderr, "%s: %s\n\n%s",
                 qPrintable(QFileInfo(QCoreApplication::applicationFilePath()).fileName()),
                 qPrintable(commandLine.errorText()), qPrintable(commandLine.helpText()));
    return CommandLine::UsageErrorStatus;
}

} // namespace

int main(int argc, char *argv[])
{
    // The arguments are read before any application object exists: the window's needs a
    // display, help and version must not. They are read again once translators are in.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (CommandLine(arguments).action() == CommandLine::Action::RunWindow)
        return runWindow(argc, argv);
    return runCommandLine(argc, argv);
}
