// The team archive against a real PostgreSQL server of the test's own: sending, listing,
// exporting and deleting through the program's command line, and the faults it survives.
#include "PostgresServer.h"
#include "ProgramRun.h"
#include "TestSupport.h"

#include "archive/Archive.h"
#include "archive/ArchiveTeamState.h"
#include "gui/HistoryModel.h"
#include "gui/HistoryWindow.h"
#include "gui/ResultsWindow.h"
#include "gui/TeamArchiveStatus.h"
#include "gui/TeamHistoryModel.h"
#include "teamarchive/TeamAddress.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

#include <memory>

namespace {

QString sha256(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

// The open connection of an Archive of this thread to path: for what the program never does.
QSqlDatabase connectionTo(const QString &path)
{
    for (const QString &name : QSqlDatabase::connectionNames()) {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        if (db.isOpen() && db.driverName() == "QSQLITE" && db.databaseName() == path)
            return db;
    }
    return QSqlDatabase();
}

// An engineer's laptop: an archive of its own, and the program run with libpq's PGPASSWORD.
class Laptop
{
public:
    explicit Laptop(const QString &archive) : archive(archive) {}

    void start(const QStringList &arguments, const QString &password)
    {
        qputenv("PGPASSWORD", password.toUtf8());
        program = std::make_unique<ProgramRun>(arguments, ProgramRun::inCLocale());
    }
    // The exit status once it ends, -1 when it did not end within 60 s (killed).
    int finish() { return program->wait(60000); }
    int run(const QStringList &arguments, const QString &password)
    {
        start(arguments, password);
        return finish();
    }
    const QByteArray &error() const { return program->error; }

    // Keeps count downloads of distinct bytes (the tester's lines, one site each) in the
    // archive; their SHA-256 in hex.
    QSet<QString> store(int count, int bytes, const QString &tag)
    {
        QSet<QString> digests;
        Archive local;
        if (!local.open(archive))
            return digests;
        // Filled without waiting for the disk at each download (the archive asks for that
        // on every commit): what is tested is the sending.
        QSqlQuery(connectionTo(archive)).exec("PRAGMA synchronous=OFF");
        const QDateTime now = QDateTime::currentDateTimeUtc();
        for (int i = 0; i < count; ++i) {
            QByteArray data =
                QString("Site,Test,Result\r\n%1 site %2,Riso,PASS\r\n").arg(tag).arg(i).toUtf8();
            while (data.size() < bytes)
                data += "String,Voc 612.3 V,PASS\r\n";
            if (local.store({now.addSecs(-i), now.addSecs(3 - i), "ttyUSB0", "/dev/ttyUSB0", 2000,
                             DownloadEnding::Silence, data}))
                digests.insert(sha256(data));
        }
        return digests;
    }

    const QString archive;
    std::unique_ptr<ProgramRun> program;
};

} // namespace

class TeamArchiveTest : public QObject
{
    Q_OBJECT

    PostgresServer server;
    QTemporaryDir work;
    int laptops = 0;

    std::unique_ptr<Laptop> laptop()
    {
        return std::make_unique<Laptop>(work.filePath(QString("laptop%1.sqlite").arg(++laptops)));
    }
    QStringList sync(const Laptop &from, const QString &user) const
    {
        return {"--sync", "--team", server.uri(user), "--archive", from.archive};
    }
    // The server's SHA-256 (hex) of the downloads whose bytes match it, by the owner's look.
    QSet<QString> onServer()
    {
        const QString text = server.value(
            "SELECT string_agg(encode(w.sha256, 'hex'), ' ') FROM datalogger.download w"
            " JOIN datalogger.download_data d USING (uuid) WHERE sha256(d.bytes) = w.sha256");
        const QStringList digests = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        return QSet<QString>(digests.begin(), digests.end());
    }
    int sentBy(const QString &engineer)
    {
        return server
            .value("SELECT count(*) FROM datalogger.download WHERE engineer = '" + engineer + "'")
            .toInt();
    }

private slots:
    void initTestCase();
    void sendsEachDownloadOnce();
    void commands_data();
    void commands();
    void windowSendsInBackground_data();
    void windowSendsInBackground();
};

void TeamArchiveTest::initTestCase()
{
    if (PostgresServer::binDir().isEmpty())
        QSKIP("PostgreSQL's server (Debian: postgresql-15) is not installed");
    if (!QSqlDatabase::isDriverAvailable("QPSQL"))
        QSKIP("Qt SQL's PostgreSQL driver (Debian: libqt5sql5-psql) is not installed");
    QVERIFY(work.isValid());
    QVERIFY2(server.start(), qPrintable(server.error()));
    Laptop office(QString{});
    // Twice is harmless.
    for (const char *words : {"is ready (version 1)", "is up to date"}) {
        const int status =
            office.run({"--team-init", "--team", server.uri(PostgresServer::owner)}, "owner-pw");
        QVERIFY2(status == 0 && office.error().contains(words), office.error().constData());
    }
    QString roles = "CREATE ROLE mallory LOGIN PASSWORD 'mallory-pw';";
    for (const QString name : {"alice", "dave", "frank", "grace", "olga"})
        roles += QString("CREATE ROLE %1 LOGIN PASSWORD '%1-pw' IN ROLE datalogger_%2;")
                     .arg(name, name == "olga" ? "office" : "engineer");
    QVERIFY2(server.sql(roles), qPrintable(server.error()));
    QVERIFY2(server.sql("CREATE DATABASE empty", "postgres"), qPrintable(server.error()));
}

// 200 downloads arrive byte-identical, in batches, each marked sent, each once as its
// engineer's. The server stops in the middle of the first sync: exit 8, what the team archive
// lists is whole, and the next sync, while another laptop sends at the same moment, sends the
// rest. A further sync sends nothing; a download deleted on the laptop afterwards stays in the
// team archive; list and export show what was sent.
void TeamArchiveTest::sendsEachDownloadOnce()
{
    auto alice = laptop(), dave = laptop();
    const QSet<QString> digests = alice->store(200, 25000, "once");
    const QSet<QString> daves = dave->store(100, 3000, "dave");
    // Slows the server's side so that the stop comes between the first transaction and the
    // last.
    QVERIFY2(server.sql("CREATE FUNCTION public.slowly() RETURNS trigger LANGUAGE plpgsql AS"
                        " $$ BEGIN PERFORM pg_sleep(0.02); RETURN NEW; END $$;"
                        "CREATE TRIGGER slowly BEFORE INSERT ON datalogger.download_data"
                        " FOR EACH ROW EXECUTE FUNCTION public.slowly()"),
             qPrintable(server.error()));
    alice->start(sync(*alice, "alice"), "alice-pw");
    QTRY_VERIFY2_WITH_TIMEOUT(sentBy("alice") > 0, "the first downloads to arrive", 30000);
    QVERIFY2(server.stop(), qPrintable(server.error()));
    QCOMPARE(alice->finish(), 8);
    QVERIFY2(alice->error().contains("cannot be reached") && alice->error().contains("waiting"),
             alice->error().constData());
    QVERIFY2(server.restart(), qPrintable(server.error()));
    const int sentFirst = sentBy("alice");
    QVERIFY2(sentFirst > 0 && sentFirst < 200, qPrintable(QString::number(sentFirst)));
    // Nothing half-sent: every listed download has its bytes, and they match.
    QCOMPARE(onServer().size(), server.value("SELECT count(*) FROM datalogger.download").toInt());
    QVERIFY(server.sql("DROP TRIGGER slowly ON datalogger.download_data"));

    dave->start(sync(*dave, "dave"), "dave-pw");
    QCOMPARE(alice->run(sync(*alice, "alice"), "alice-pw"), 0);
    const QByteArray rest = QByteArray::number(200 - sentFirst) + " new downloads";
    QVERIFY2(alice->error().contains(rest), alice->error().constData());
    QCOMPARE(dave->finish(), 0);
    QCOMPARE(sentBy("dave"), 100);
    QVERIFY(onServer().contains(digests + daves));
    const QString arrived = "SELECT max(arrived) FROM datalogger.download WHERE engineer = 'alice'";
    const QString arrivals = server.value(arrived);
    QCOMPARE(alice->run(sync(*alice, "alice"), "alice-pw"), 0);
    QVERIFY2(alice->error().contains("0 new downloads"), alice->error().constData());
    {
        Archive local;
        QVERIFY(local.open(alice->archive));
        QCOMPARE(ArchiveTeamState(local).waiting(QString())->size(), 0);
        // The sites the team list shows are kept with the summary: sending reads them there.
        const DownloadSummary newest = local.list()->constFirst();
        QVERIFY(newest.sites && newest.sites->value(0) == "once site 0");
        QVERIFY(local.remove(newest.id));
    }
    QCOMPARE(alice->run(sync(*alice, "alice"), "alice-pw"), 0);
    QCOMPARE(sentBy("alice"), 200);
    QCOMPARE(server.value(arrived), arrivals);

    const QString uri = server.uri("alice");
    QCOMPARE(alice->run({"--list-downloads", "--team", uri, "--format", "json"}, "alice-pw"), 0);
    QSet<QString> listed;
    QString firstId;
    for (const QJsonValue &value : QJsonDocument::fromJson(alice->program->output).array()) {
        if (value["engineer"].toString() != "alice")
            continue;
        listed.insert(value["sha256"].toString());
        firstId = QString::number(value["id"].toInt());
    }
    QCOMPARE(listed, digests);

    const QString exported = work.filePath("exported.csv");
    QCOMPARE(alice->run({"--export", firstId, "--team", uri, "--output", exported}, "alice-pw"), 0);
    QVERIFY(digests.contains(sha256(TestSupport::contents(exported))));
}

// Each way the team archive can be unusable, what each user may do (row-level security) and
// the same identity with other bytes: the command's exit status and what it says. A refused
// --sync says how many wait, and they stay waiting; frank's download, sent before, stays as it
// was unless he deletes it.
void TeamArchiveTest::commands_data()
{
    QTest::addColumn<QString>("uri"); // the user's password is theirs unless the URI has one
    // ID: frank's download; "reuse identity": a --sync whose download carries frank's UUID.
    QTest::addColumn<QString>("command");
    // The owner's statement while the command runs, %1 the value then, and after it.
    QTest::addColumn<QStringList>("change");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("words");
    // Who: a user or a URI.
    const auto row = [this](const char *tag, const QString &who, const char *command, int status,
                            const char *words, const QStringList &change = {}) {
        QTest::newRow(tag) << (who.contains("://") ? who : server.uri(who)) << QString(command)
                           << change << status << QString(words);
    };

    const QString alice = server.uri("alice");
    row("wrong password", server.uri("alice", "sslmode=require", "wrong"), "--sync", 8,
        "refused the login");
    row("user without rights", "mallory", "--sync", 8, "may not use the team archive");
    row("office user cannot send", "olga", "--sync", 8, "may not use the team archive");
    row("server without the schema", QString(alice).replace("/team?", "/empty?"), "--sync", 8,
        "holds no team archive");
    row("schema newer than the program", alice, "--sync", 8, "made by a newer version",
        {"UPDATE datalogger.team_archive SET schema_version = %1", "99", "1"});
    row("plain TCP server when sslmode=require", alice, "--sync", 8, "No secure connection",
        {"ALTER SYSTEM SET ssl = %1", "off", "on"});
    row("nothing listens", QString(alice).replace(QString(":%1/").arg(server.port()), ":1/"),
        "--sync", 8, "cannot be reached");
    row("verify-full with the server's certificate",
        server.uri("alice", "sslmode=verify-full&sslrootcert=" + server.certificate()), "--sync", 0,
        "3 new downloads");
    row("engineer deletes their own", "frank", "--delete ID", 0, "deleted from the team archive");
    row("engineer cannot delete another's", "grace", "--delete ID", 8, "only they");
    row("office cannot delete", "olga", "--delete ID", 8, "may not use the team archive");
    row("no such download", "grace", "--delete 999999", 7, "There is no download");
    row("office lists everyone's", "olga", "--list-downloads", 0, "frank");
    row("same identity, other bytes: refused, kept", "grace", "reuse identity", 8, "refused");
}

void TeamArchiveTest::commands()
{
    QFETCH(QString, uri);
    QFETCH(QString, command);
    QFETCH(QStringList, change);
    QFETCH(int, status);
    QFETCH(QString, words);

    auto frank = laptop(), engineer = laptop();
    frank->store(1, 400, QTest::currentDataTag());
    QCOMPARE(frank->run(sync(*frank, "frank"), "frank-pw"), 0);
    const QString id = server.value("SELECT max(id) FROM datalogger.download");
    const QString shaOfFranks =
        "SELECT encode(sha256, 'hex') FROM datalogger.download WHERE id = " + id;
    const QString before = server.value(shaOfFranks);
    const bool reuse = command == "reuse identity";
    QCOMPARE(engineer->store(reuse ? 1 : 3, 500, QTest::currentDataTag()).size(), reuse ? 1 : 3);
    Archive local;
    QVERIFY(local.open(engineer->archive));
    if (reuse) {
        const QString uuid = server.value("SELECT uuid FROM datalogger.download WHERE id = " + id);
        QVERIFY(QSqlQuery(connectionTo(engineer->archive))
                    .exec("UPDATE download SET uuid = '" + uuid + "'"));
        command = "--sync";
    }
    // A setting of the server's reaches it once it starts again.
    const auto set = [&](const QString &value) {
        return server.sql(change.constFirst().arg(value)) &&
               (!change.constFirst().contains("ssl") || (server.stop() && server.restart()));
    };
    if (!change.isEmpty())
        QVERIFY2(set(change.at(1)), qPrintable(server.error()));
    QStringList arguments = command.replace("ID", id).split(' ') + QStringList{"--team", uri};
    if (command == "--sync")
        arguments << "--archive" << engineer->archive;
    const int got = engineer->run(arguments, QUrl(uri).userName() + "-pw");
    if (!change.isEmpty())
        QVERIFY2(set(change.at(2)), qPrintable(server.error()));
    const QByteArray said = engineer->error() + engineer->program->output;
    QVERIFY2(said.contains(words.toUtf8()), said.constData());
    QCOMPARE(got, status);
    if (command == "--sync" && status != 0 && !reuse) {
        QVERIFY2(said.contains("3 downloads waiting."), said.constData());
        QCOMPARE(ArchiveTeamState(local).waiting(QString())->size(), 3);
    }
    if (command == "--list-downloads") {
        // Each download's time under its heading.
        const QStringList lines =
            QString::fromUtf8(engineer->program->output).split('\n', Qt::SkipEmptyParts);
        const int date = lines.constFirst().indexOf("Date and time");
        for (const QString &line : lines.mid(1))
            QVERIFY2(line.mid(date, 2) == "20", qPrintable(line));
    }
    if (reuse) {
        // The History's column says why.
        HistoryModel history;
        history.reload(&local);
        const QString shown = history.index(0, HistoryModel::TeamArchive).data().toString();
        QVERIFY2(shown.startsWith("Refused: the team archive holds other bytes"),
                 qPrintable(shown));
    }
    const bool deleted = command.startsWith("--delete") && status == 0;
    QCOMPARE(server.value(shaOfFranks), deleted ? QString() : before);
}

// The window's worker sends at start-up, in its own thread, and the status bar says how it
// went. The History's column then says which downloads the team archive has, and its view Team
// lists every engineer's with the counts this computer's list shows, or says why it cannot,
// without waiting for the server.
void TeamArchiveTest::windowSendsInBackground_data()
{
    QTest::addColumn<bool>("reachable");
    QTest::addColumn<QString>("shown");
    QTest::newRow("server up") << true << "Sent to the team archive";
    QTest::newRow("server down") << false << "Team archive unreachable: 2 download";
}

void TeamArchiveTest::windowSendsInBackground()
{
    QFETCH(bool, reachable);
    QFETCH(QString, shown);
    for (const char *suffix : {"", "-wal", "-shm"})
        QFile::remove(Archive::defaultPath() + QLatin1String(suffix));
    // A laptop whose archive is the program's own.
    Laptop here(Archive::defaultPath());
    QCOMPARE(here.store(2, 300, QTest::currentDataTag()).size(), 2);
    QSettings settings;
    QString error;
    TeamAddress address = TeamAddress::fromUri(server.uri("alice"), &error);
    address.port = reachable ? server.port() : 1;
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
    QCOMPARE(mine->model()->index(1, HistoryModel::TeamArchive).data().toString(),
             QString(reachable ? "Sent" : "Waiting"));
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
        const QString site = QString("%1 site %2").arg(QTest::currentDataTag()).arg(row);
        found = team->model()->rowCount() - 1;
        while (found >= 0 && !cell(team, found, TeamHistoryModel::Sites).startsWith(site))
            --found;
        QVERIFY2(found >= 0, qPrintable(site));
        QCOMPARE(cell(team, found, TeamHistoryModel::Engineer), QString("alice"));
        QCOMPARE(cell(team, found, TeamHistoryModel::Computer), QSysInfo::machineHostName());
        QCOMPARE(cell(team, found, TeamHistoryModel::Records),
                 cell(mine, row, HistoryModel::Records));
        QCOMPARE(cell(team, found, TeamHistoryModel::Pass), cell(mine, row, HistoryModel::Pass));
        QCOMPARE(cell(team, found, TeamHistoryModel::Fail), cell(mine, row, HistoryModel::Fail));
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
