// Figures for the team archive on a PostgreSQL server of the bench's own (the tests' rig, TLS on
// the loopback):
//   - sending 1,000 downloads of 25 KB from the local archive, beside psql's \copy of the same
//     bytes (goal: at most twice psql's time);
//   - listing 10,000 team downloads as the History's view Team does, beside psql reading the
//     same rows (goal: at most 300 ms);
//   - the main window's start-up with the team archive set and its server down, beside without
//     a team archive (goal: no slower).
//   build/bin/team_bench [downloads, default 1000]
#include "BenchSupport.h"
#include "PostgresServer.h"

#include "archive/Archive.h"
#include "archive/DownloadArchiver.h"
#include "gui/MainWindow.h"
#include "gui/TeamHistoryModel.h"
#include "teamarchive/TeamConnection.h"
#include "teamarchive/TeamDownloads.h"
#include "teamarchive/TeamSchema.h"
#include "teamarchive/TeamSender.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUuid>

#include <cstdio>

using namespace BenchSupport;

namespace {

TeamAddress at(const QString &uri)
{
    QString error;
    return TeamAddress::fromUri(uri, &error);
}

int fail(const QString &what)
{
    std::fprintf(stderr, "team_bench: %s\n", qPrintable(what));
    return 1;
}

// psql as the engineer over the loopback with TLS, as the program connects; ms, -1 on failure.
double timedPsql(const PostgresServer &server, const QString &command, QByteArray *output = nullptr)
{
    QProcess psql;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PGPASSWORD"), QStringLiteral("alice-pw"));
    psql.setProcessEnvironment(environment);
    QElapsedTimer clock;
    clock.start();
    psql.start(QStringLiteral("psql"),
               {QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-At"),
                QStringLiteral("-v"), QStringLiteral("ON_ERROR_STOP=1"),
                server.uri(QStringLiteral("alice")), QStringLiteral("-c"), command});
    if (!psql.waitForFinished(120000) || psql.exitCode() != 0) {
        std::fprintf(stderr, "%s\n", psql.readAllStandardError().constData());
        return -1;
    }
    const double ms = clock.nsecsElapsed() / 1e6;
    if (output)
        *output = psql.readAllStandardOutput();
    return ms;
}

// The local archive's downloads all waiting again.
bool allWaiting(const QString &path)
{
    bool done = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "reset");
        db.setDatabaseName(path);
        done = db.open() && QSqlQuery(db).exec(QStringLiteral(
                                "UPDATE download SET team_archive = NULL, team_refused = NULL"));
    }
    QSqlDatabase::removeDatabase("reset");
    return done;
}

double timedWindow()
{
    QElapsedTimer clock;
    clock.start();
    MainWindow window;
    window.show();
    QCoreApplication::processEvents(); // laid out and drawn
    return clock.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir dir;
    useOwnFolders(dir, true);
    QApplication app(argc, argv);
    const int count = argc > 1 ? QByteArray(argv[1]).toInt() : 1000;
    const int listed = 10000;
    const int rounds = 3;

    PostgresServer server;
    if (!server.start())
        return fail(server.error());
    {
        TeamConnection owner(
            at(server.uri(QLatin1String(PostgresServer::owner), QStringLiteral("sslmode=require"),
                          QStringLiteral("owner-pw"))));
        int from = 0;
        if (!owner.connect() || !TeamSchema::initialize(owner, &from))
            return fail(owner.problemText());
    }
    if (!server.sql(QStringLiteral(
            "CREATE ROLE alice LOGIN PASSWORD 'alice-pw' IN ROLE datalogger_engineer;"
            "CREATE TABLE public.copied (uuid uuid PRIMARY KEY, sha256 bytea, bytes bytea);"
            "GRANT INSERT, SELECT ON public.copied TO alice")))
        return fail(server.error());

    // The downloads: Marsh Lane's rows of 25 KB, each turned a row further, so that no two are
    // alike; summarized as the window does when it keeps them.
    QByteArray marsh;
    marshLaneTable(400, 22, &marsh);
    QList<QByteArray> lines = marsh.split('\n');
    const QByteArray header = lines.takeFirst() + '\n';
    lines.removeAll(QByteArray());
    const QString archivePath = dir.filePath(QStringLiteral("local.sqlite"));
    QFile copyFile(dir.filePath(QStringLiteral("copy.csv")));
    if (!copyFile.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("the copy file"));
    qint64 totalBytes = 0;
    {
        Archive archive;
        if (!archive.open(archivePath))
            return fail(archive.errorString());
        for (int i = 0; i < count; ++i) {
            QByteArray data = header;
            for (int n = 0; data.size() + lines.at((i + n) % lines.size()).size() < 25000; ++n)
                data += lines.at((i + n) % lines.size()) + '\n';
            ArchivedDownload download;
            download.started = QDateTime::currentDateTimeUtc().addSecs(-i);
            download.ended = download.started.addSecs(20);
            download.portName = QStringLiteral("ttyUSB0");
            download.devicePath = QStringLiteral("/dev/ttyUSB0");
            download.readTimeoutMs = 2000;
            download.data = data;
            const std::optional<qint64> id = archive.store(download);
            if (!id || !DownloadArchiver::summarize(archive, *id, data))
                return fail(archive.errorString());
            totalBytes += data.size();
            copyFile.write(QUuid::createUuid().toString(QUuid::WithoutBraces).toLatin1() + ",\\x" +
                           QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex() +
                           ",\\x" + data.toHex() + '\n');
        }
        archive.checkpoint();
    }
    copyFile.close();

    QVector<double> copied, sent;
    for (int round = 0; round < rounds; ++round) {
        const double psql =
            timedPsql(server, QStringLiteral("\\copy public.copied FROM '%1' WITH (FORMAT csv)")
                                  .arg(copyFile.fileName()));
        if (psql < 0 || !server.sql(QStringLiteral("TRUNCATE public.copied")))
            return fail(QStringLiteral("psql's \\copy"));
        copied << psql;

        if (!allWaiting(archivePath) ||
            !server.sql(QStringLiteral("DELETE FROM datalogger.download")))
            return fail(QStringLiteral("starting again"));
        QElapsedTimer clock;
        clock.start();
        Archive archive;
        TeamConnection connection(
            at(server.uri(QStringLiteral("alice"), QStringLiteral("sslmode=require"),
                          QStringLiteral("alice-pw"))));
        if (!archive.open(archivePath) || !connection.open())
            return fail(connection.problemText());
        const TeamSender::Outcome outcome =
            TeamSender::send(archive, connection, QStringLiteral("bench"));
        sent << clock.nsecsElapsed() / 1e6;
        if (!outcome.complete() || outcome.sent != count)
            return fail(outcome.text);
    }

    // 10,000 downloads of several engineers, made on the server.
    if (!server.sql(
            QStringLiteral(
                "INSERT INTO datalogger.download (uuid, sha256, engineer, computer, local_id, "
                "started,"
                " ended, sent, port_name, device_path, read_timeout_ms, ending, byte_count,"
                " line_count, record_count, pass_count, fail_count, complete, sites)"
                " SELECT gen_random_uuid(), sha256(i::text::bytea), 'engineer' || (i % 9),"
                " 'laptop-' || (i % 7), i, now() - i * interval '1 minute',"
                " now() - i * interval '1 minute' + interval '20 s', now(), 'ttyUSB0', "
                "'/dev/ttyUSB0',"
                " 2000, 'silence', 25000, 330, 330, 320, 10, true, ARRAY['Marsh Lane ' || (i % 40)]"
                " FROM generate_series(1, %1) AS i")
                .arg(listed - count)))
        return fail(server.error());
    QVector<double> reference, firstShown, again;
    const QString columns = QStringLiteral(
        "SELECT id, uuid, engineer, computer, local_id, started, ended, sent, arrived, port_name,"
        " device_path, read_timeout_ms, ending, byte_count, line_count, record_count, pass_count,"
        " fail_count, complete, sites, sha256 FROM datalogger.download ORDER BY started DESC, id"
        " DESC");
    for (int round = 0; round < rounds; ++round) {
        QByteArray rows;
        reference << timedPsql(server, columns, &rows);
        if (rows.count('\n') != listed)
            return fail(QStringLiteral("psql listed %1 rows").arg(rows.count('\n')));
        QElapsedTimer clock;
        clock.start();
        TeamConnection connection(
            at(server.uri(QStringLiteral("alice"), QStringLiteral("sslmode=require"),
                          QStringLiteral("alice-pw"))));
        if (!connection.open())
            return fail(connection.problemText());
        const double connected = clock.nsecsElapsed() / 1e6;
        clock.restart();
        TeamHistoryModel model;
        const auto downloads = TeamDownloads(connection).list();
        if (!downloads || downloads->size() != listed)
            return fail(connection.problemText());
        model.setDownloads(*downloads);
        again << clock.nsecsElapsed() / 1e6;
        firstShown << connected + again.last();
    }

    // The window: without a team archive, and with one whose server is down.
    QVector<double> plain, down;
    if (!server.stop(false))
        return fail(server.error());
    for (int round = 0; round < 5; ++round) {
        {
            QSettings settings;
            settings.remove(QStringLiteral("TeamArchive"));
        }
        plain << timedWindow();
        {
            QSettings settings;
            TeamAddress address = at(server.uri(QStringLiteral("alice")));
            address.save(settings);
            TeamAddress::setSendingEnabled(settings, true);
        }
        down << timedWindow();
    }

    std::printf("Sending %d downloads (%.1f MB) over the loopback with TLS, median of %d runs:\n",
                count, totalBytes / 1e6, rounds);
    std::printf("  psql \\copy of the same bytes (reference):        %8.1f ms\n", median(copied));
    std::printf("  TeamSender::send (--sync's work):                 %8.1f ms (%.2f x psql; goal:"
                " at most 2)\n",
                median(sent), median(sent) / median(copied));
    std::printf("Listing %d team downloads, median of %d runs:\n", listed, rounds);
    std::printf("  psql reading the same rows (process, reference): %8.1f ms\n", median(reference));
    std::printf("  connect, read and fill the view Team:            %8.1f ms (goal: at most 300)\n",
                median(firstShown));
    std::printf("  read again and fill the view Team:               %8.1f ms\n", median(again));
    std::printf("The main window's start-up (built, shown, drawn), median of 5 runs:\n");
    std::printf("  without a team archive (reference):              %8.1f ms\n", median(plain));
    std::printf("  team archive set, its server down:               %8.1f ms (goal: no slower)\n",
                median(down));
    return 0;
}
