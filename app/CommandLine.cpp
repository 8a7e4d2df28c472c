#include "app/CommandLine.h"

#include "app/InstallPaths.h"

#include <QFileInfo>
#include <QLocale>

namespace {

const QString HelpOption = QStringLiteral("help");
const QString VersionOption = QStringLiteral("version");

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

// The help page in the current default language, else the English one; empty when
// neither is installed.
QString userGuidePage()
{
    const QString pattern =
        InstallPaths::helpDirectory() + QStringLiteral("/DravlinSolarDataLoggerHelp_%1.html");
    for (const QString &code : {QLocale().name().left(2), QStringLiteral("en")}) {
        const QString page = pattern.arg(code);
        if (QFileInfo(page).isFile())
            return page;
    }
    return QString();
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
    }
}

QString CommandLine::helpText() const
{
    QString text = parser.helpText();
    const QString page = userGuidePage();
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
