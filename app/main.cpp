#include "app/CommandLine.h"
#include "app/InstallPaths.h"
#include "app/StartupCycle.h"

#include <QApplication>
#include <QFileInfo>
#include <QLocale>
#include <QTranslator>

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

// Help, version and usage errors: no window and no display. The texts follow the
// language of the environment (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), as on a terminal.
int runCommandLine(int &argc, char **argv)
{
    QCoreApplication app(argc, argv);
    StartupCycle::setApplicationIdentity();

    const QString translationsDir = InstallPaths::translationsDirectory();
    QTranslator own;
    if (own.load(QLocale::system(), QStringLiteral("DravlinDataLogger"), QStringLiteral("_"),
                 translationsDir)) {
        QCoreApplication::installTranslator(&own);
        QLocale::setDefault(QLocale(own.language()));
    }
    // Qt's own texts of the help (usage line, option errors).
    QTranslator qt;
    if (qt.load(QStringLiteral("qt_%1").arg(QLocale().name().left(2)), translationsDir))
        QCoreApplication::installTranslator(&qt);

    const CommandLine commandLine(QCoreApplication::arguments());
    switch (commandLine.action()) {
    case CommandLine::Action::ShowHelp:
        std::fputs(qPrintable(commandLine.helpText()), stdout);
        return 0;
    case CommandLine::Action::ShowVersion:
        std::fputs(qPrintable(CommandLine::versionText() + QLatin1Char('\n')), stdout);
        return 0;
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
