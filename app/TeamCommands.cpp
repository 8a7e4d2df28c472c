#include "app/TeamCommands.h"

#include "app/ErrorStream.h"
#include "app/OptionNames.h"
#include "app/SummaryCommand.h"
#include "app/TextTable.h"
#include "archive/Archive.h"
#include "download/SaveStep.h"
#include "teamarchive/TeamConnection.h"
#include "teamarchive/TeamDownloads.h"
#include "teamarchive/TeamPassword.h"
#include "teamarchive/TeamSchema.h"
#include "teamarchive/TeamSender.h"

#include <QCommandLineParser>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QLoggingCategory>
#include <QSettings>

#include <cstdio>

using namespace OptionNames;

namespace {

bool print(const QByteArray &text)
{
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    return std::fflush(stdout) == 0 && !std::ferror(stdout);
}

QString hex(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex());
}

QString count(const std::optional<int> &value)
{
    return value ? QString::number(*value) : QString();
}

QString listText(const QVector<TeamDownload> &downloads)
{
    TextTable table({TeamCommands::tr("ID"), TeamCommands::tr("Date and time"),
                     TeamCommands::tr("Engineer"), TeamCommands::tr("Computer"),
                     TeamCommands::tr("Records"), TeamCommands::tr("PASS"),
                     TeamCommands::tr("FAIL"), TeamCommands::tr("Site")},
                    {0, 4, 5, 6});
    for (const TeamDownload &download : downloads)
        table.addRow(
            {QString::number(download.id),
             download.started.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
             download.engineer, download.computer, count(download.recordCount),
             count(download.passCount), count(download.failCount),
             download.sites.join(QStringLiteral(", "))});
    return table.text();
}

QByteArray listJson(const QVector<TeamDownload> &downloads)
{
    QJsonArray array;
    const auto iso = [](const QDateTime &utc) { return utc.toString(Qt::ISODateWithMs); };
    const auto number = [](const std::optional<int> &value) {
        return value ? QJsonValue(*value) : QJsonValue();
    };
    for (const TeamDownload &download : downloads) {
        QJsonObject object;
        object.insert(QStringLiteral("id"), download.id);
        object.insert(QStringLiteral("uuid"), download.uuid);
        object.insert(QStringLiteral("engineer"), download.engineer);
        object.insert(QStringLiteral("computer"), download.computer);
        object.insert(QStringLiteral("localId"), download.localId);
        object.insert(QStringLiteral("started"), iso(download.started));
        object.insert(QStringLiteral("ended"), iso(download.ended));
        object.insert(QStringLiteral("sent"), iso(download.sent));
        object.insert(QStringLiteral("arrived"), iso(download.arrived));
        object.insert(QStringLiteral("port"), download.portName);
        object.insert(QStringLiteral("bytes"), download.byteCount);
        object.insert(QStringLiteral("lines"), download.lineCount);
        object.insert(QStringLiteral("records"), number(download.recordCount));
        object.insert(QStringLiteral("pass"), number(download.passCount));
        object.insert(QStringLiteral("fail"), number(download.failCount));
        object.insert(QStringLiteral("sites"), QJsonArray::fromStringList(download.sites));
        object.insert(QStringLiteral("sha256"), hex(download.sha256));
        array.append(object);
    }
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

TeamAddress addressOf(const TeamCommands::Options &options)
{
    // A URI carries its password or leaves it to libpq (PGPASSWORD, ~/.pgpass, PGSERVICE); the
    // settings' address takes the keyring's.
    QString error;
    if (!options.uri.isEmpty())
        return TeamAddress::fromUri(options.uri, &error);
    return TeamPassword::withPassword(TeamAddress::fromSettings(QSettings()));
}

int sync(const TeamCommands::Options &options)
{
    // Only an archive that is there is sent from: none is created, and none is moved aside.
    Archive archive;
    const bool opened =
        archive.open(options.archive.archivePath.isEmpty() ? Archive::defaultPath()
                                                           : options.archive.archivePath,
                     Archive::Mode::Change);
    if (!opened) {
        ErrorStream::say(archive.errorString());
        return ArchiveCommands::ArchiveUnusable;
    }
    TeamConnection connection(addressOf(options));
    const auto unusable = [&](const QString &why, int waiting) {
        ErrorStream::say(
            TeamCommands::tr("%1 %n download(s) waiting.", "%1 is why; the number follows", waiting)
                .arg(why));
        return int(TeamCommands::TeamUnusable);
    };
    if (!connection.open())
        return unusable(connection.problemText(), TeamSender::waitingCount(archive, QString()));
    const TeamSender::Outcome outcome =
        TeamSender::send(archive, connection, TeamSender::computerName());
    if (outcome.localFailed) {
        ErrorStream::say(outcome.text);
        return ArchiveCommands::ArchiveUnusable;
    }
    if (!outcome.complete() && outcome.waiting > 0)
        return unusable(outcome.text, outcome.waiting);
    ErrorStream::say(TeamCommands::tr("Sent to the team archive %1: %n new download(s).",
                                      "%1 is user@server:port/database", outcome.sent)
                         .arg(connection.address().shown()));
    if (!outcome.complete()) {
        ErrorStream::say(outcome.text);
        return TeamCommands::TeamUnusable;
    }
    return ArchiveCommands::Done;
}

int initialize(const TeamCommands::Options &options)
{
    TeamConnection connection(addressOf(options));
    int from = 0;
    if (!connection.connect() || !TeamSchema::initialize(connection, &from)) {
        ErrorStream::say(connection.problemText());
        return TeamCommands::TeamUnusable;
    }
    if (from == TeamSchema::version)
        ErrorStream::say(TeamCommands::tr("The team archive %1 is up to date (version %2).")
                             .arg(connection.address().shown())
                             .arg(TeamSchema::version));
    else
        ErrorStream::say(TeamCommands::tr("The team archive %1 is ready (version %2). Grant its "
                                          "users a role: GRANT %3 TO user; or GRANT %4 TO user;",
                                          "%3 and %4 are roles")
                             .arg(connection.address().shown())
                             .arg(TeamSchema::version)
                             .arg(QLatin1String(TeamSchema::engineerRole),
                                  QLatin1String(TeamSchema::officeRole)));
    return ArchiveCommands::Done;
}

} // namespace

void TeamCommands::addOptions(QCommandLineParser &parser)
{
    parser.addOption(QCommandLineOption(
        TeamOption,
        tr("With --list-downloads, --export, --report or --delete: the team archive instead of "
           "this computer's; URL is a connection URI such as "
           "postgresql://user@server:5432/database?sslmode=require (without it: the Team archive "
           "settings)."),
        tr("URL", "value name of --team")));
    parser.addOption(QCommandLineOption(
        SyncOption, tr("Sends every download of the archive that the team archive lacks.")));
    parser.addOption(QCommandLineOption(
        TeamInitOption, tr("Creates the team archive on the server or brings it up to date "
                           "(needs the database owner's rights).")));
}

QStringList TeamCommands::withTeamValue(const QStringList &arguments)
{
    QStringList result;
    const QString bare = QStringLiteral("--") + TeamOption;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        const bool valueFollows =
            i + 1 < arguments.size() && !arguments.at(i + 1).startsWith(QLatin1Char('-'));
        if (i > 0 && argument == bare && !valueFollows)
            result << bare + QLatin1Char('=');
        else
            result << argument;
    }
    return result;
}

int TeamCommands::run(const Options &options)
{
    // The error stream is the user's: the driver's notes stay out of it.
    QLoggingCategory::setFilterRules(
        QStringLiteral("*.debug=false\n*.info=false\ndefault.warning=false"));
    if (options.command == Command::Sync)
        return sync(options);
    if (options.command == Command::Init)
        return initialize(options);

    TeamConnection connection(addressOf(options));
    if (!connection.open()) {
        ErrorStream::say(connection.problemText());
        return TeamUnusable;
    }
    TeamDownloads downloads(connection);
    if (options.command == Command::List) {
        const auto all = downloads.list();
        if (!all) {
            ErrorStream::say(connection.problemText());
            return TeamUnusable;
        }
        return print(options.archive.json ? listJson(*all) : listText(*all).toLocal8Bit())
                   ? int(ArchiveCommands::Done)
                   : int(ArchiveCommands::NotWritten);
    }
    bool notFound = false;
    const QString id = options.command == Command::Report ? options.report.source
                                                          : QString::number(options.archive.id);
    const std::optional<TeamDownload> download = downloads.find(id, &notFound);
    if (!download) {
        ErrorStream::say(connection.problemText());
        return notFound ? int(ArchiveCommands::NoSuchDownload) : int(TeamUnusable);
    }
    if (options.command == Command::Delete) {
        if (!downloads.remove(*download)) {
            ErrorStream::say(connection.problemText());
            return TeamUnusable;
        }
        ErrorStream::say(tr("Download %1 deleted from the team archive.").arg(download->id));
        return ArchiveCommands::Done;
    }
    const std::optional<QByteArray> data = downloads.data(*download);
    if (!data) {
        ErrorStream::say(connection.problemText());
        return TeamUnusable;
    }
    if (options.command == Command::Report) {
        std::optional<SiteDesign> design;
        if (!options.report.design.isEmpty()) {
            QString error;
            design = SummaryCommand::readDesign(options.report.design, &error);
            if (!design) {
                ErrorStream::say(error);
                return ReportCommand::Unreadable;
            }
        }
        return ReportCommand::write(
            options.report, design, *data,
            ReportTrace::of(*data, download->ended.isValid() ? download->ended : download->started,
                            download->id));
    }
    const bool european = options.archive.european.value_or(false);
    const SaveStep::Outcome outcome =
        options.archive.output == QLatin1String("-")
            ? SaveStep::toStandardOutput(*data, european)
            : SaveStep::toFile(*data, options.archive.output, european);
    if (outcome.europeanRefused)
        ErrorStream::say(SaveStep::europeanRefusedText(options.archive.output));
    ErrorStream::say(outcome.headline);
    ErrorStream::say(outcome.reason);
    return outcome.saved() ? int(ArchiveCommands::Done) : int(ArchiveCommands::NotWritten);
}
