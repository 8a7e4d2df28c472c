// The team archive against a real PostgreSQL server of the test's own: sending, listing,
// exporting and deleting through the program's command line, and the faults it survives.
#include "PostgresServer.h"

#include "archive/Archive.h"
#include "archive/ArchiveTeamState.h"
#include "gui/HistoryModel.h"
#include "gui/HistoryWindow.h"
#include "gui/ResultsWindow.h"
#include "gui/TeamArchiveStatus.h"
#include "gui/TeamHistoryModel.h"
#include "teamarchive/TeamAddress.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSet>
#include <QSettings>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStatusBar>
#include <QSysInfo>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include <memory>

namespace {

// The program as one engineer's laptop runs it: a HOME of its own, a password for libpq.
class Laptop
{
public:
    Laptop(const QString &root, const QString &name) : home(root + QLatin1Char('/') + name)
    {
        QDir().mkpath(home);
    }
    QString archive() const { return home + QStringLiteral("/archive.sqlite"); }

    // Starts the program with the password for libpq (PGPASSWORD).
    void start(const QStringList &arguments, const QString &password)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "PGPASSWORD",
                                 "DBUS_SESSION_BUS_ADDRESS"})
            environment.remove(QString::fromLatin1(name));
        environment.insert(QStringLiteral("HOME"), home);
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local"));
        environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        if (!password.isEmpty())
            environment.insert(QStringLiteral("PGPASSWORD"), password);
        process.setProcessEnvironment(environment);
        process.start(QCoreApplication::applicationDirPath() + "/marlune-datalogger", arguments);
    }
    // The exit status once it ends, -1 when it did not end within 60 s (killed).
    int finish()
    {
        if (!process.waitForFinished(60000)) {
            process.kill();
            process.waitForFinished();
            error = "<the program did not end within 60 s>";
            return -1;
        }
        output = process.readAllStandardOutput();
        error = process.readAllStandardError();
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }
    int run(const QStringList &arguments, const QString &password)
    {
        start(arguments, password);
        return finish();
    }

    // Keeps count downloads of distinct bytes (the tester's lines, one site each) in the
    // archive; their SHA-256 in hex.
    QSet<QString> store(int count, int bytes, const QString &tag)
    {
        QSet<QString> digests;
        Archive local;
        if (!local.open(archive()))
            return digests;
        // Filled without waiting for the disk at each download (the archive asks for that
        // on every commit): what is tested is the sending.
        for (const QString &name : QSqlDatabase::connectionNames()) {
            QSqlDatabase db = QSqlDatabase::database(name, false);
            if (db.driverName() == QLatin1String("QSQLITE") && db.databaseName() == archive())
                QSqlQuery(db).exec(QStringLiteral("PRAGMA synchronous=OFF"));
        }
        for (int i = 0; i < count; ++i) {
            ArchivedDownload download;
            download.started = QDateTime::currentDateTimeUtc().addSecs(-i);
            download.ended = download.started.addSecs(3);
            download.portName = QStringLiteral("ttyUSB0");
            download.devicePath = QStringLiteral("/dev/ttyUSB0");
            download.readTimeoutMs = 2000;
            QByteArray data = QStringLiteral("Site,Test,Result\r\n%1 site %2,Riso,PASS\r\n")
                                  .arg(tag)
                                  .arg(i)
                                  .toUtf8();
            while (data.size() < bytes)
                data += QByteArray("String,Voc 612.3 V,PASS\r\n");
            download.data = data;
            if (local.store(download))
                digests.insert(QString::fromLatin1(
                    QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex()));
        }
        return digests;
    }

    QString home;
    QProcess process;
    QByteArray output, error;
};

const QString Team = QStringLiteral("--team");
const QString Sync = QStringLiteral("--sync");

} // namespace

class TeamArchiveTest : public QObject
{
    Q_OBJECT

    PostgresServer server;
    QTemporaryDir work;
    int laptops = 0;

    std::unique_ptr<Laptop> laptop()
    {
        return std::make_unique<Laptop>(work.path(), QStringLiteral("laptop%1").arg(++laptops));
    }
    QString uri(const QString &user) const { return server.uri(user); }
    // The server's SHA-256 (hex) of the downloads whose bytes match it, by the owner's look.
    QSet<QString> onServer()
    {
        const QString text = server.value(QStringLiteral(
            "SELECT string_agg(encode(w.sha256, 'hex'), ' ') FROM datalogger.download w"
            " JOIN datalogger.download_data d USING (uuid) WHERE sha256(d.bytes) = w.sha256"));
        const QStringList digests = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        return QSet<QString>(digests.begin(), digests.end());
    }
    int count(const QString &where = QString())
    {
        return server.value(QStringLiteral("SELECT count(*) FROM datalogger.download ") + where)
            .toInt();
    }

private slots:
    void initTestCase();
    void sendsEachDownloadOnce();
    void refusals_data();
    void refusals();
    void serverStoppedMidSync();
    void twoLaptopsAtOnce();
    void whoMayDoWhat_data();
    void whoMayDoWhat();
    void windowSendsInBackground_data();
    void windowSendsInBackground();
};

void TeamArchiveTest::initTestCase()
{
    if (PostgresServer::binDir().isEmpty())
        QSKIP("PostgreSQL's server (Debian: postgresql-15) is not installed");
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL")))
        QSKIP("Qt SQL's PostgreSQL driver (Debian: libqt5sql5-psql) is not installed");
    QVERIFY(work.isValid());
    QVERIFY2(server.start(), qPrintable(server.error()));
    Laptop office(work.path(), QStringLiteral("office"));
    const QStringList init = {QStringLiteral("--team-init"), Team,
                              uri(QLatin1String(PostgresServer::owner))};
    // Twice is harmless.
    for (const char *words : {"is ready (version 1)", "is up to date"}) {
        const int status = office.run(init, QStringLiteral("owner-pw"));
        QVERIFY2(status == 0 && office.error.contains(words), office.error.constData());
    }
    QVERIFY2(server.sql(QStringLiteral(
                 "CREATE ROLE alice LOGIN PASSWORD 'alice-pw' IN ROLE datalogger_engineer;"
                 "CREATE ROLE bob LOGIN PASSWORD 'bob-pw' IN ROLE datalogger_engineer;"
                 "CREATE ROLE olga LOGIN PASSWORD 'olga-pw' IN ROLE datalogger_office;"
                 "CREATE ROLE mallory LOGIN PASSWORD 'mallory-pw';")),
             qPrintable(server.error()));
    QVERIFY2(server.sql(QStringLiteral("CREATE DATABASE empty"), QStringLiteral("postgres")),
             qPrintable(server.error()));
}

// 200 downloads arrive byte-identical; a second sync sends nothing; a download deleted on the
// laptop afterwards stays in the team archive; list and export show what was sent.
void TeamArchiveTest::sendsEachDownloadOnce()
{
    auto alice = laptop();
    const QSet<QString> digests = alice->store(200, 2000, QStringLiteral("once"));
    QCOMPARE(digests.size(), 200);
    const QStringList sync = {Sync, Team, uri(QStringLiteral("alice")), QStringLiteral("--archive"),
                              alice->archive()};
    QCOMPARE(alice->run(sync, QStringLiteral("alice-pw")), 0);
    QVERIFY2(alice->error.contains("200 new downloads"), alice->error.constData());
    QVERIFY(onServer().contains(digests));
    const QString arrivals = server.value(
        QStringLiteral("SELECT max(arrived) FROM datalogger.download WHERE engineer = 'alice'"));

    QCOMPARE(alice->run(sync, QStringLiteral("alice-pw")), 0);
    QVERIFY2(alice->error.contains("0 new downloads"), alice->error.constData());
    {
        Archive local;
        QVERIFY(local.open(alice->archive()));
        // The sites the team list shows are kept with the summary: sending reads them there.
        const DownloadSummary newest = local.list()->constFirst();
        QVERIFY(newest.sites && newest.sites->value(0) == QLatin1String("once site 0"));
        QVERIFY(local.remove(newest.id));
    }
    QCOMPARE(alice->run(sync, QStringLiteral("alice-pw")), 0);
    QCOMPARE(count(QStringLiteral("WHERE engineer = 'alice'")), 200);
    QCOMPARE(server.value(QStringLiteral(
                 "SELECT max(arrived) FROM datalogger.download WHERE engineer = 'alice'")),
             arrivals);

    QCOMPARE(alice->run({QStringLiteral("--list-downloads"), Team, uri(QStringLiteral("alice")),
                         QStringLiteral("--format"), QStringLiteral("json")},
                        QStringLiteral("alice-pw")),
             0);
    const QJsonArray listed = QJsonDocument::fromJson(alice->output).array();
    QSet<QString> listedDigests;
    qint64 firstId = 0;
    for (const QJsonValue &value : listed) {
        const QJsonObject object = value.toObject();
        if (object.value(QStringLiteral("engineer")).toString() != QLatin1String("alice"))
            continue;
        QVERIFY(!object.value(QStringLiteral("computer")).toString().isEmpty());
        listedDigests.insert(object.value(QStringLiteral("sha256")).toString());
        firstId = object.value(QStringLiteral("id")).toInt();
    }
    QCOMPARE(listedDigests, digests);

    const QString exported = alice->home + QStringLiteral("/exported.csv");
    QCOMPARE(alice->run({QStringLiteral("--export"), QString::number(firstId), Team,
                         uri(QStringLiteral("alice")), QStringLiteral("--output"), exported},
                        QStringLiteral("alice-pw")),
             0);
    QFile file(exported);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(digests.contains(QString::fromLatin1(
        QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex())));
}

// Each way the team archive can be unusable: --sync says why and how many wait, exit 8, and the
// downloads stay waiting.
void TeamArchiveTest::refusals_data()
{
    QTest::addColumn<QString>("uri");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QStringList>("before"); // the owner's statements, one at a time
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("words");

    const QString alice = server.uri(QStringLiteral("alice"));
    QTest::newRow("wrong password")
        << alice << "wrong" << QStringList() << QStringList() << 8 << "refused the login";
    QTest::newRow("user without rights")
        << server.uri(QStringLiteral("mallory")) << "mallory-pw" << QStringList() << QStringList()
        << 8 << "may not use the team archive";
    QTest::newRow("office user cannot send")
        << server.uri(QStringLiteral("olga")) << "olga-pw" << QStringList() << QStringList() << 8
        << "may not use the team archive";
    QString empty = alice;
    empty.replace(QStringLiteral("/team?"), QStringLiteral("/empty?"));
    QTest::newRow("server without the schema")
        << empty << "alice-pw" << QStringList() << QStringList() << 8 << "holds no team archive";
    QTest::newRow("schema newer than the program")
        << alice << "alice-pw"
        << QStringList{"UPDATE datalogger.team_archive SET schema_version = 99"}
        << QStringList{"UPDATE datalogger.team_archive SET schema_version = 1"} << 8
        << "made by a newer version";
    QTest::newRow("plain TCP server when sslmode=require")
        << alice << "alice-pw"
        << QStringList{"ALTER SYSTEM SET ssl = off", "SELECT pg_reload_conf()"}
        << QStringList{"ALTER SYSTEM RESET ssl", "SELECT pg_reload_conf()"} << 8
        << "No secure connection";
    QString closed = alice;
    closed.replace(QStringLiteral(":%1/").arg(server.port()), QStringLiteral(":1/"));
    QTest::newRow("nothing listens")
        << closed << "alice-pw" << QStringList() << QStringList() << 8 << "cannot be reached";
    QTest::newRow("verify-full with the server's certificate")
        << server.uri(QStringLiteral("alice"),
                      QStringLiteral("sslmode=verify-full&sslrootcert=") + server.certificate())
        << "alice-pw" << QStringList() << QStringList() << 0 << "3 new downloads";
}

void TeamArchiveTest::refusals()
{
    QFETCH(QString, uri);
    QFETCH(QString, password);
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    QFETCH(int, status);
    QFETCH(QString, words);

    auto engineer = laptop();
    QCOMPARE(engineer->store(3, 500, QString::fromLatin1(QTest::currentDataTag())).size(), 3);
    for (const QString &statement : qAsConst(before))
        QVERIFY2(server.sql(statement), qPrintable(server.error()));
    // A reload reaches new connections once the server has read its settings again.
    if (before.join(QString()).contains(QLatin1String("ssl")))
        QTRY_COMPARE_WITH_TIMEOUT(server.value(QStringLiteral("SHOW ssl")), QStringLiteral("off"),
                                  10000);
    const int got = engineer->run(
        {Sync, Team, uri, QStringLiteral("--archive"), engineer->archive()}, password);
    for (const QString &statement : qAsConst(after))
        QVERIFY2(server.sql(statement), qPrintable(server.error()));
    if (after.join(QString()).contains(QLatin1String("ssl")))
        QTRY_COMPARE_WITH_TIMEOUT(server.value(QStringLiteral("SHOW ssl")), QStringLiteral("on"),
                                  10000);
    QVERIFY2(engineer->error.contains(words.toUtf8()), engineer->error.constData());
    QCOMPARE(got, status);
    if (status != 0) {
        QVERIFY2(engineer->error.contains("3 downloads waiting."), engineer->error.constData());
        Archive local;
        QVERIFY(local.open(engineer->archive()));
        QCOMPARE(ArchiveTeamState(local).waiting(QString())->size(), 3);
    }
}

// The server stops in the middle of a sync: exit 8, what the team archive lists is whole, and
// the next sync sends the rest.
void TeamArchiveTest::serverStoppedMidSync()
{
    auto carol = laptop();
    QVERIFY(server.sql(QStringLiteral("CREATE ROLE carol LOGIN PASSWORD 'carol-pw'"
                                      " IN ROLE datalogger_engineer")));
    const QSet<QString> digests = carol->store(200, 25000, QStringLiteral("stopped"));
    // Slows the server's side so that the stop comes between the first transaction and the
    // last.
    QVERIFY2(server.sql(QStringLiteral(
                 "CREATE FUNCTION public.slowly() RETURNS trigger LANGUAGE plpgsql AS"
                 " $$ BEGIN PERFORM pg_sleep(0.02); RETURN NEW; END $$;"
                 "CREATE TRIGGER slowly BEFORE INSERT ON datalogger.download_data"
                 " FOR EACH ROW EXECUTE FUNCTION public.slowly()")),
             qPrintable(server.error()));
    const QStringList sync = {Sync, Team, uri(QStringLiteral("carol")), QStringLiteral("--archive"),
                              carol->archive()};
    carol->start(sync, QStringLiteral("carol-pw"));
    QTRY_VERIFY2_WITH_TIMEOUT(count(QStringLiteral("WHERE engineer = 'carol'")) > 0,
                              "the first downloads to arrive", 30000);
    QVERIFY2(server.stop(true), qPrintable(server.error()));
    QCOMPARE(carol->finish(), 8);
    QVERIFY2(carol->error.contains("cannot be reached") && carol->error.contains("waiting"),
             carol->error.constData());
    QVERIFY2(server.restart(), qPrintable(server.error()));
    const int arrived = count(QStringLiteral("WHERE engineer = 'carol'"));
    QVERIFY2(arrived > 0 && arrived < 200, qPrintable(QString::number(arrived)));
    // Nothing half-sent: every listed download has its bytes, and they match.
    QCOMPARE(count(QStringLiteral("w WHERE NOT EXISTS (SELECT FROM datalogger.download_data d"
                                  " WHERE d.uuid = w.uuid AND sha256(d.bytes) = w.sha256)")),
             0);
    QVERIFY(server.sql(QStringLiteral("DROP TRIGGER slowly ON datalogger.download_data")));
    QCOMPARE(carol->run(sync, QStringLiteral("carol-pw")), 0);
    QCOMPARE(count(QStringLiteral("WHERE engineer = 'carol'")), 200);
    QVERIFY(onServer().contains(digests));
}

// Two laptops sync at the same moment: each download arrives once, as its engineer's.
void TeamArchiveTest::twoLaptopsAtOnce()
{
    auto first = laptop(), second = laptop();
    QVERIFY(server.sql(QStringLiteral("CREATE ROLE dave LOGIN PASSWORD 'dave-pw'"
                                      " IN ROLE datalogger_engineer;"
                                      "CREATE ROLE erin LOGIN PASSWORD 'erin-pw'"
                                      " IN ROLE datalogger_engineer")));
    const QSet<QString> firstDigests = first->store(100, 3000, QStringLiteral("dave"));
    const QSet<QString> secondDigests = second->store(100, 3000, QStringLiteral("erin"));
    first->start(
        {Sync, Team, uri(QStringLiteral("dave")), QStringLiteral("--archive"), first->archive()},
        QStringLiteral("dave-pw"));
    second->start(
        {Sync, Team, uri(QStringLiteral("erin")), QStringLiteral("--archive"), second->archive()},
        QStringLiteral("erin-pw"));
    QCOMPARE(first->finish(), 0);
    QCOMPARE(second->finish(), 0);
    QCOMPARE(count(QStringLiteral("WHERE engineer = 'dave'")), 100);
    QCOMPARE(count(QStringLiteral("WHERE engineer = 'erin'")), 100);
    QVERIFY(onServer().contains(firstDigests + secondDigests));
}

// Row-level security and the same identity with other bytes: what each user may do.
void TeamArchiveTest::whoMayDoWhat_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("command"); // --delete, --list-downloads or "reuse identity"
    QTest::addColumn<QString>("ofWhom");  // whose download is meant
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("words");

    QTest::newRow("engineer deletes their own") << "frank"
                                                << "--delete"
                                                << "frank" << 0 << "deleted from the team archive";
    QTest::newRow("engineer cannot delete another's") << "grace"
                                                      << "--delete"
                                                      << "frank" << 8 << "only they";
    QTest::newRow("office cannot delete") << "olga"
                                          << "--delete"
                                          << "frank" << 8 << "may not use the team archive";
    QTest::newRow("no such download") << "grace"
                                      << "--delete"
                                      << "nobody" << 7 << "There is no download";
    QTest::newRow("office lists everyone's") << "olga"
                                             << "--list-downloads"
                                             << "frank" << 0 << "frank";
    QTest::newRow("same identity, other bytes: refused, kept") << "grace"
                                                               << "reuse identity"
                                                               << "frank" << 8 << "refused";
}

void TeamArchiveTest::whoMayDoWhat()
{
    QFETCH(QString, user);
    QFETCH(QString, command);
    QFETCH(QString, ofWhom);
    QFETCH(int, status);
    QFETCH(QString, words);

    for (const char *name : {"frank", "grace"})
        server.sql(QStringLiteral("CREATE ROLE %1 LOGIN PASSWORD '%1-pw'"
                                  " IN ROLE datalogger_engineer")
                       .arg(QLatin1String(name)));
    auto frank = laptop();
    frank->store(1, 400, QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(frank->run({Sync, Team, uri(QStringLiteral("frank")), QStringLiteral("--archive"),
                         frank->archive()},
                        QStringLiteral("frank-pw")),
             0);
    const QString id =
        ofWhom == QLatin1String("nobody")
            ? QStringLiteral("999999")
            : server.value(QStringLiteral("SELECT max(id) FROM datalogger.download"));
    const QString before = server.value(
        QStringLiteral("SELECT encode(sha256, 'hex') FROM datalogger.download WHERE id = 0%1")
            .arg(id));
    auto other = laptop();
    QStringList arguments = {command, id, Team, uri(user)};
    if (command == QLatin1String("--list-downloads"))
        arguments.removeAt(1);
    if (command == QLatin1String("reuse identity")) {
        // A laptop whose download carries frank's UUID with bytes of its own.
        other->store(1, 400, QStringLiteral("other bytes"));
        Archive local;
        QVERIFY(local.open(other->archive()));
        local.checkpoint();
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "reuse");
        db.setDatabaseName(other->archive());
        QVERIFY(db.open());
        QVERIFY(QSqlQuery(db).exec(
            QStringLiteral("UPDATE download SET uuid = '%1'")
                .arg(server.value(
                    QStringLiteral("SELECT uuid FROM datalogger.download WHERE id = %1")
                        .arg(id)))));
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase("reuse");
        arguments =
            QStringList{Sync, Team, uri(user), QStringLiteral("--archive"), other->archive()};
    }
    const int got = other->run(arguments, user + QStringLiteral("-pw"));
    QVERIFY2((other->error + other->output).contains(words.toUtf8()),
             (other->error + other->output).constData());
    QCOMPARE(got, status);
    if (command == QLatin1String("--list-downloads")) {
        // Each download's time under its heading.
        const QStringList lines = QString::fromUtf8(other->output).split('\n', Qt::SkipEmptyParts);
        const int date = lines.constFirst().indexOf(QLatin1String("Date and time"));
        for (const QString &line : lines.mid(1))
            QVERIFY2(line.mid(date, 2) == QLatin1String("20"), qPrintable(line));
    }
    if (command == QLatin1String("reuse identity")) {
        // The History's column says why.
        Archive local;
        QVERIFY(local.open(other->archive()));
        HistoryModel history;
        history.reload(&local);
        const QString shown = history.index(0, HistoryModel::TeamArchive).data().toString();
        QVERIFY2(shown.startsWith(QLatin1String("Refused: the team archive holds other bytes")),
                 qPrintable(shown));
    }
    const QString after = server.value(
        QStringLiteral("SELECT encode(sha256, 'hex') FROM datalogger.download WHERE id = 0%1")
            .arg(id));
    QCOMPARE(after.isEmpty(),
             before.isEmpty() || (command == QLatin1String("--delete") && status == 0));
    if (!after.isEmpty())
        QCOMPARE(after, before);
}

// The window's worker sends at start-up, in its own thread, and the status bar says how it
// went. The History's column then says which downloads the team archive has, and its view Team
// lists every engineer's with the counts this computer's list shows, or says why it cannot,
// without waiting for the server.
void TeamArchiveTest::windowSendsInBackground_data()
{
    QTest::addColumn<bool>("reachable");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("column"); // the History's "Team archive"
    QTest::newRow("server up") << true << "Sent to the team archive"
                               << "Sent";
    QTest::newRow("server down") << false << "Team archive unreachable: 2 download"
                                 << "Waiting";
}

void TeamArchiveTest::windowSendsInBackground()
{
    QFETCH(bool, reachable);
    QFETCH(QString, shown);
    QFETCH(QString, column);
    for (const char *suffix : {"", "-wal", "-shm"})
        QFile::remove(Archive::defaultPath() + QLatin1String(suffix));
    // A laptop whose HOME holds the program's own archive.
    Laptop here(QFileInfo(Archive::defaultPath()).path(), QString());
    QCOMPARE(here.store(2, 300, QString::fromLatin1(QTest::currentDataTag())).size(), 2);
    QSettings settings;
    TeamAddress address;
    address.host = QStringLiteral("127.0.0.1");
    address.port = reachable ? server.port() : 1;
    address.database = QStringLiteral("team");
    address.user = QStringLiteral("alice");
    address.save(settings);
    TeamAddress::setSendingEnabled(settings, true);
    settings.sync();
    qputenv("PGPASSWORD", "alice-pw");
    QStatusBar bar;
    TeamArchiveStatus status(&bar);
    QSignalSpy idle(&status, &TeamArchiveStatus::idle);
    QVERIFY2(idle.wait(30000), "the worker's first sync to end");
    // (The English plural is the catalogue's; the program loads it, this test does not.)
    QVERIFY2(status.text().startsWith(shown), qPrintable(status.text()));

    Archive local;
    QVERIFY(local.open(Archive::defaultPath()));
    HistoryWindow history(&local, QString());
    auto *mine = history.findChild<QTableView *>("downloads");
    QCOMPARE(mine->model()->index(1, HistoryModel::TeamArchive).data().toString(), column);
    history.findChild<QTabWidget *>("views")->setCurrentIndex(1);
    auto *line = history.findChild<QLabel *>("teamLine");
    QVERIFY2(line->text().startsWith("Reading the team archive"), qPrintable(line->text()));
    auto *team = history.findChild<QTableView *>("teamDownloads");
    if (!reachable) {
        QTRY_VERIFY2_WITH_TIMEOUT(line->text().contains("cannot be reached"),
                                  "the reader to say the server cannot be reached", 30000);
        QCOMPARE(team->model()->rowCount(), 0);
        return;
    }
    QTRY_VERIFY2_WITH_TIMEOUT(team->model()->rowCount() > 0, "the team's list", 30000);
    QVERIFY(line->isHidden());
    // This laptop's downloads among everyone's, by their sites.
    const auto cell = [](QTableView *view, int row, int column) {
        return view->model()->index(row, column).data().toString();
    };
    int found = -1;
    for (int row = 0; row < 2; ++row) {
        const QString site = QStringLiteral("%1 site %2").arg(QTest::currentDataTag()).arg(row);
        found = team->model()->rowCount() - 1;
        while (found >= 0 && !cell(team, found, TeamHistoryModel::Sites).startsWith(site))
            --found;
        QVERIFY2(found >= 0, qPrintable(site));
        QCOMPARE(cell(team, found, TeamHistoryModel::Engineer), QStringLiteral("alice"));
        QCOMPARE(cell(team, found, TeamHistoryModel::Computer), QSysInfo::machineHostName());
        QCOMPARE((QStringList{cell(team, found, TeamHistoryModel::Records),
                              cell(team, found, TeamHistoryModel::Pass),
                              cell(team, found, TeamHistoryModel::Fail)}),
                 (QStringList{cell(mine, row, HistoryModel::Records),
                              cell(mine, row, HistoryModel::Pass),
                              cell(mine, row, HistoryModel::Fail)}));
    }
    // Its bytes come from the server once it is selected; then Results shows them.
    team->selectRow(found);
    const QString expected = HistoryWindow::textOf(*local.data(local.list()->at(1).id));
    auto *text = history.findChild<QPlainTextEdit *>("downloadText");
    QTRY_VERIFY2_WITH_TIMEOUT(text->toPlainText() == expected, "the selected download's bytes",
                              30000);
    QVERIFY(!history.findChild<QPushButton *>("deleteBtn")->isEnabled());
    history.findChild<QPushButton *>("resultsBtn")->click();
    auto *results = history.findChild<ResultsWindow *>();
    QVERIFY(results && results->windowTitle().contains(QLatin1String("alice")));
}

QTEST_MAIN(TeamArchiveTest)
#include "tst_teamarchive.moc"
