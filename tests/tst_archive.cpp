// The archive: bytes out as they went in, the program's own damaged archive moved aside, a file
// the user named left exactly as it was unless it is an archive, and a full disk, another
// writer or a killed program never cost an earlier download. Copies of this test (--child) are
// the other programs.
#include "ArchiveFiles.h"
#include "SmallFileSystem.h"
#include "TestSupport.h"
#include "archive/Archive.h"
#include "archive/ArchiveTeamState.h"

#include <QtTest>

#include <climits>
#include <csignal>
#include <cstdio>
#include <optional>
#ifdef Q_OS_UNIX
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace TestSupport;

namespace {

const QString notArchived = QStringLiteral("This download was not archived: ");

// What a download stored under this port name holds: TAG<n> from a writer, big<n> large.
QByteArray dataOf(const QString &port, int bigSize)
{
    const bool big = port.startsWith(QLatin1String("big"));
    const int number = port.mid(big ? 3 : 1).toInt();
    return big ? randomBytes(bigSize, 1000 + number) : port.toLatin1() + randomBytes(4000, number);
}

// This test started again as one of the other programs below.
void startChild(QProcess &process, const QStringList &arguments)
{
    process.start(QCoreApplication::applicationFilePath(),
                  QStringList{QStringLiteral("--child")} + arguments);
}

// An archive of an earlier version: what later versions added taken out again.
bool makeOlder(const QString &path, int version)
{
    RawConnection raw(path);
    QStringList statements = {QStringLiteral("DROP TRIGGER download_uuid"),
                              QStringLiteral("DROP INDEX download_by_uuid"),
                              QStringLiteral("ALTER TABLE download DROP COLUMN uuid"),
                              QStringLiteral("ALTER TABLE download DROP COLUMN team_archive"),
                              QStringLiteral("ALTER TABLE download DROP COLUMN team_refused")};
    if (version < 2)
        statements << QStringLiteral("DROP TABLE design");
    statements << QStringLiteral("PRAGMA user_version=%1").arg(version);
    for (const QString &statement : statements) {
        if (!raw.exec(statement))
            return false;
    }
    return true;
}

// The other programs, each writing what it did on standard output:
//   write PATH COUNT TAG  stores COUNT downloads TAG0, TAG1, ... (says nothing when all went in)
//   hold PATH MS          takes the file for writing a while
//   store PATH SIZE       stores large downloads big0, big1, ... until it is killed
//   store PATH SIZE LIMIT one large download under a file-size limit of LIMIT bytes
int childMain(const QStringList &args)
{
    const QString mode = args.value(0);
    const QString path = args.value(1);
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    if (mode == QLatin1String("hold")) {
        RawConnection raw(path);
        if (!raw.exec(QStringLiteral("BEGIN IMMEDIATE")))
            return 1;
        std::printf("held\n");
        QThread::msleep(args.value(2).toULong());
        return raw.exec(QStringLiteral("ROLLBACK")) ? 0 : 1;
    }
    const bool writes = mode == QLatin1String("write");
    const bool limited = !writes && args.size() > 3;
#ifdef Q_OS_UNIX
    std::signal(SIGXFSZ, SIG_IGN);
    const rlim_t limit = args.value(3).toULongLong();
    const rlimit fileSize = {limit, limit};
    if (limited && ::setrlimit(RLIMIT_FSIZE, &fileSize) != 0)
        return 2;
#endif
    Archive archive;
    if (!archive.open(path)) {
        std::printf("%s\n", qPrintable(archive.errorString()));
        return 1;
    }
    // A writer that found the other's new archive damaged would say so here.
    std::printf("%s", qPrintable(archive.takeNotice()));
    const int count = writes ? args.value(2).toInt() : limited ? 1 : INT_MAX;
    for (int i = 0; i < count; ++i) {
        const QString port =
            writes ? args.value(3) + QString::number(i) : QStringLiteral("big%1").arg(i);
        if (!archive.store(downloadOf(dataOf(port, args.value(2).toInt()), port))) {
            std::printf("%s\n", qPrintable(archive.errorString()));
            return 1;
        }
        if (!writes)
            std::printf("stored %d\n", i);
    }
    return 0;
}

} // namespace

class TestArchive : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<qint64>("lines");

        // CR LF is one end, LF CR two, a lone CR at the end one.
        QTest::newRow("line ends of every kind")
            << QByteArray("a\r\nb\nc\rd\r\r\ne\n\nf\n\rg\r") << qint64(10);
        QTest::newRow("no end, bit 7 set") << QByteArray("abc\xc1\xac\x8d\x8a") << qint64(0);
        QTest::newRow("one NUL byte") << QByteArray(1, '\0') << qint64(0);
        QTest::newRow("nothing") << QByteArray() << qint64(0);
        // Every byte value, many times over.
        const QByteArray large = randomBytes(3 * 1024 * 1024, 1);
        QTest::newRow("3 MiB of random bytes") << large << ArchivedDownload::lineCountOf(large);
    }

    // Store into a new folder, read back from a fresh connection.
    void roundTrip()
    {
        QFETCH(QByteArray, data);
        QFETCH(qint64, lines);
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("new"));
        const QString path = folder + QStringLiteral("/archive.sqlite");

        ArchivedDownload download =
            downloadOf(data, QStringLiteral("COM3"), 0, DownloadEnding::Cancelled);
        // Given in local time: read back as the same moment in UTC.
        download.started = QDateTime(QDate(2024, 3, 31), QTime(1, 59, 58, 123), Qt::LocalTime);
        download.ended = download.started.addSecs(3600);
        download.devicePath = QStringLiteral("\\\\.\\COM3");
        download.readTimeoutMs = 60000;
        std::optional<qint64> id;
        {
            Archive archive;
            QVERIFY2(archive.open(path), qPrintable(archive.errorString()));
            QCOMPARE(archive.notice(), QString());
            id = archive.store(download);
            QVERIFY2(id, qPrintable(archive.errorString()));
#ifdef Q_OS_UNIX
            // The user's alone, the log of the write-ahead journal too (it holds the same data).
            const auto owner =
                QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser;
            QCOMPARE(QFile::permissions(path), owner);
            QCOMPARE(QFile::permissions(path + QStringLiteral("-wal")), owner);
            QCOMPARE(QFile::permissions(folder), owner | QFile::ExeOwner | QFile::ExeUser);
#endif
        }

        Archive archive;
        QVERIFY2(archive.open(path), qPrintable(archive.errorString()));
        QCOMPARE(archive.data(*id), std::optional<QByteArray>(data));
        const auto summary = archive.summary(*id);
        QVERIFY(summary);
        QCOMPARE(summary->started, download.started.toUTC());
        QCOMPARE(summary->started.timeSpec(), Qt::UTC);
        QCOMPARE(summary->ended, download.ended.toUTC());
        QCOMPARE(summary->devicePath, download.devicePath);
        QVERIFY(summary->readTimeoutMs == 60000 && summary->ending == DownloadEnding::Cancelled);
        QCOMPARE(summary->byteCount, qint64(data.size()));
        QCOMPARE(summary->lineCount, lines);
    }

    // An archive of the first version gains the designs' table and keeps its downloads. Listed
    // newest first, each with its last save and its results' summary; a design is kept per site
    // name, replaced, and found only by its name; deleting a download takes its saves and bytes
    // with it, not the designs. (A new archive's designs: tst_reportcommand.)
    void savesDesignsAndOrder()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("archive.sqlite"));
        const QByteArray first = "Record,Site\r\n1,Marsh Lane\r\n";
        qint64 kept = 0;
        {
            Archive archive;
            QVERIFY(archive.open(path));
            kept = *archive.store(downloadOf(first, QStringLiteral("e"), 500));
        }
        QVERIFY(makeOlder(path, 1));
        Archive archive;
        QVERIFY2(archive.open(path), qPrintable(archive.errorString()));
        QVERIFY(archive.notice().isEmpty());
        QCOMPARE(*archive.data(kept), first);
        const qint64 middle = *archive.store(downloadOf("middle", QStringLiteral("b"), 2000));
        const qint64 newest = *archive.store(downloadOf("newest", QStringLiteral("c"), 3000));
        const qint64 oldest = *archive.store(downloadOf("oldest", QStringLiteral("a"), 1000));
        const qint64 lost =
            *archive.store(downloadOf("lost", QStringLiteral("d"), 1500, DownloadEnding::LineLost));
        // A download kept before the team archive gets its identity, and one stored now too.
        ArchiveTeamState team(archive);
        QCOMPARE(QUuid(*team.uuid(kept)).version(), QUuid::Random);
        QCOMPARE(QUuid(*team.uuid(newest)).version(), QUuid::Random);
        QVERIFY(*team.uuid(kept) != *team.uuid(newest));

        const QDateTime t = QDateTime::fromMSecsSinceEpoch(1700000000000, Qt::UTC);
        // Recorded out of order: the last save is the latest in time.
        QVERIFY(archive.recordSave(middle, QStringLiteral("/x/second.csv"), true, t.addSecs(60)));
        QVERIFY(archive.recordSave(middle, QStringLiteral("/x/first.txt"), false, t));
        QVERIFY(archive.recordSave(middle, QStringLiteral("/x/third.csv"), false, t.addSecs(120)));
        QVERIFY(archive.recordSave(newest, QStringLiteral("/x/n.csv"), false, t));
        QVERIFY(!archive.recordSave(9999, QStringLiteral("/x/none.csv"), false, t));
        QVERIFY(archive.setSummary(middle, 120, 118, 2, true));
        QVERIFY(!archive.setSummary(9999, 1, 1, 0, true));

        const QVector<DownloadSummary> list = *archive.list();
        QCOMPARE(list.size(), 5);
        QVERIFY(list[0].id == newest && list[1].id == middle && list[2].id == lost &&
                list[3].id == oldest && list[4].id == kept);
        QCOMPARE(list[0].lastSavedPath, QStringLiteral("/x/n.csv"));
        QCOMPARE(list[1].lastSavedPath, QStringLiteral("/x/third.csv"));
        QVERIFY(list[1].lastSavedAt == t.addSecs(120) && list[1].saveCount == 3);
        QVERIFY(list[1].recordCount == 120 && list[1].passCount == 118 && list[1].failCount == 2);
        QCOMPARE(list[1].complete, std::optional<bool>(true));
        QCOMPARE(list[2].ending, DownloadEnding::LineLost);
        QVERIFY(list[3].lastSavedPath.isEmpty() && !list[3].recordCount);
        const QVector<ArchivedSave> saves = archive.saves(middle);
        QVERIFY(saves.size() == 3 && saves[0].path == QStringLiteral("/x/first.txt"));
        QVERIFY(saves[1].path == QStringLiteral("/x/second.csv") && saves[1].european);

        const QString site = QStringLiteral("Marsh Lane Solar Park – Feld Süd");
        QCOMPARE(*archive.designFor(site), QByteArray());
        QVERIFY(archive.storeDesign(site, "{\"site\": 1}"));
        QVERIFY(archive.storeDesign(QStringLiteral("Hillside Farm"), "{\"site\": 2}"));
        QVERIFY(archive.storeDesign(site, "{\"site\": 3}"));
        QVERIFY(archive.remove(middle) && archive.remove(lost));
        QVERIFY(!archive.data(lost) && !archive.summary(lost) && archive.saves(middle).isEmpty());
        QVERIFY(!archive.remove(lost) && archive.notFound());
        QVERIFY(archive.errorString().contains(QString::number(lost)));
        RawConnection raw(path);
        QCOMPARE(raw.value(QStringLiteral("SELECT count(*) FROM save")).toInt(), 1);
        QCOMPARE(raw.value(QStringLiteral("SELECT count(*) FROM download_data")).toInt(), 3);
        QCOMPARE(archive.list()->size(), 3);
        // A new download never takes a deleted one's number (scripts keep numbers).
        QVERIFY(archive.store(downloadOf("x")).value_or(0) > lost);
        QCOMPARE(*archive.designFor(site), QByteArray("{\"site\": 3}"));
        QCOMPARE(*archive.designFor(QStringLiteral("Hillside Farm")), QByteArray("{\"site\": 2}"));
        QCOMPARE(*archive.designFor(QStringLiteral("marsh lane solar park – feld süd")),
                 QByteArray());
    }

    void unusableArchive_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("mode"); // Archive::Mode
        QTest::addColumn<QString>("outcome");
        const auto rows = [](Archive::Mode mode, const char *outcome,
                             std::initializer_list<const char *> kinds) {
            static const char *const modes[] = {"read", "change", "named", "own"};
            for (const char *kind : kinds)
                QTest::newRow(qPrintable(QStringLiteral("%1: %2").arg(
                    QLatin1String(modes[int(mode)]), QLatin1String(kind))))
                    << QString::fromLatin1(kind) << int(mode) << QString::fromLatin1(outcome);
        };
        // The program's own archive is moved aside whole, a new one takes its place, and the
        // user is told once; when it cannot be moved it is left as it was and not used.
        rows(Archive::Mode::Own, "moved",
             {"not SQLite", "cut at a page", "cut mid-page", "shorter than a header",
              "random bytes", "real header, random pages", "newer version",
              "another program's database", "a folder", "cannot be moved aside"});
        // A file the user named is refused in one line and left exactly as it was.
        rows(Archive::Mode::Create, "refused",
             {"not SQLite", "a folder", "another program's database",
              "another program's database at version 0", "newer version", "version -1",
              "cut mid-page", "page size 3000", "older version, downloads damaged", "a FIFO",
              "a character device", "a dangling link"});
        rows(Archive::Mode::Read, "refused", {"missing", "missing folder"});
        rows(Archive::Mode::Change, "refused", {"missing"});
        // The download that cannot be archived is reported, quickly and without harm to the
        // ones archived before; the next one goes in once the cause is gone.
        rows(Archive::Mode::Create, "not archived",
             {"its folder is a file", "read-only folder", "full disk (file-size limit)",
              "full disk (small tmpfs)", "locked past the busy time-out"});
    }

    void unusableArchive()
    {
        QFETCH(QString, kind);
        QFETCH(int, mode);
        QFETCH(QString, outcome);
        const auto is = [&](const char *start) { return kind.startsWith(QLatin1String(start)); };
        const Archive::Mode openMode = Archive::Mode(mode);
        QTemporaryDir dir;
        QString folder = dir.filePath(QStringLiteral("data"));
        QVERIFY(QDir().mkpath(folder));
        const QByteArray earlier = randomBytes(10000, 3);
        const QByteArray big = dataOf(QStringLiteral("big0"), 1024 * 1024);
        std::optional<SmallFileSystem> small;
        if (is("full disk (small") && !small.emplace(folder, 512).mounted)
            QSKIP("no small file system can be mounted here; the file-size limit row covers a "
                  "full disk");
        if (is("its folder")) {
            QVERIFY(put(folder + QStringLiteral("/file"), "x"));
            folder += QStringLiteral("/file");
        }
        if (is("missing folder"))
            folder += QStringLiteral("/missing");
        const QString path = folder + QStringLiteral("/archive.sqlite");
        const bool damage = outcome == QLatin1String("moved") || is("cut");
        qint64 earlierId = 0;

        if (is("not SQLite")) {
            QVERIFY(put(path, "Date,Time,Test,Result\r\n2024-05-01,10:00,RCD,PASS\r\n"));
        } else if (is("random bytes") || is("cannot be moved")) {
            QVERIFY(put(path, randomBytes(64 * 1024, 42)));
        } else if (is("a folder")) {
            QVERIFY(QDir().mkpath(path) && put(path + QStringLiteral("/keep.txt"), "mine"));
        } else if (is("another program's")) {
            RawConnection raw(path);
            QVERIFY(raw.exec(QStringLiteral("CREATE TABLE results (a, b)")));
            if (!kind.endsWith(QLatin1String("version 0")))
                QVERIFY(raw.exec(QStringLiteral("PRAGMA user_version=1")));
#ifdef Q_OS_UNIX
        } else if (is("a FIFO")) {
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        } else if (is("a character device")) {
            QVERIFY(QFile::link(QStringLiteral("/dev/null"), path));
#endif
        } else if (is("a dangling link")) {
            QVERIFY(QFile::link(folder + QStringLiteral("/gone.sqlite"), path));
        } else if (!is("missing") && !is("its folder") && !is("a ")) {
            {
                Archive real;
                QVERIFY(real.open(path));
                earlierId = real.store(downloadOf(earlier)).value_or(0);
                QVERIFY(earlierId > 0);
                if (damage) // 200 KiB more
                    QVERIFY(real.store(downloadOf(randomBytes(200 * 1024, 7))));
            }
            QByteArray bytes = contents(path);
            if (damage)
                QVERIFY(bytes.size() > 16 * 4096);
            if (is("cut at a page"))
                bytes.truncate(bytes.size() / 2 / 4096 * 4096);
            else if (is("cut mid-page"))
                bytes.truncate(bytes.size() / 2 + 100);
            else if (is("shorter than a header"))
                bytes.truncate(50);
            else if (is("real header, random pages"))
                bytes = bytes.left(100) + randomBytes(bytes.size() - 100, 9);
            if (is("page size")) { // and as long as a whole number of such pages
                bytes[16] = char(3000 >> 8);
                bytes[17] = char(3000 & 0xff);
                bytes.append(QByteArray(3000 - bytes.size() % 3000, '\0'));
            }
            if (is("older")) // damage the update to the current version meets
                QVERIFY(makeOlder(path, 2) &&
                        overwriteTablePage(path, QStringLiteral("download"), 13));
            else if (is("newer") || is("version -1"))
                QVERIFY(RawConnection(path).exec(
                    QStringLiteral("PRAGMA user_version=%1")
                        .arg(is("newer") ? Archive::schemaVersion + 1 : -1)));
            else
                QVERIFY(put(path, bytes));
        }
        const QStringList namesBefore = entriesUnder(dir.path());
        const QByteArray before = QFileInfo(path).isFile() ? contents(path) : QByteArray();
        // The folder made read-only where the row asks.
        const bool locked = is("read-only") || is("cannot be moved");
        if (locked && !lockFolder(folder, true))
            QSKIP("the folder cannot be made read-only here (chattr needs CAP_LINUX_IMMUTABLE)");
        auto unlock = qScopeGuard([&] {
            if (locked)
                lockFolder(folder, false);
        });

        if (outcome == QLatin1String("refused")) {
            const bool nullJournal = QFileInfo::exists(QStringLiteral("/dev/null-journal"));
            {
                Archive archive;
                QVERIFY(!archive.open(path, openMode));
                const QString said = archive.errorString();
                QVERIFY2(archive.refused() && said.contains(QDir::toNativeSeparators(path)) &&
                             !said.contains(QLatin1Char('\n')) &&
                             said.endsWith(is("missing") ? "." : "nothing was changed"),
                         qPrintable(said));
                // Damage the header shows is named without SQLite's words.
                QVERIFY2(said.contains(is("missing")             ? "There is no archive at"
                                       : is("newer")             ? "by a newer version"
                                       : is("older")             ? "is damaged (database disk image"
                                       : is("cut") || is("page") ? "is damaged; nothing"
                                       : is("a dang")            ? "which does not exist"
                                                      : "is not an archive of this program"),
                         qPrintable(said));
                QCOMPARE(archive.notice(), QString());
                QVERIFY(!archive.store(downloadOf("x")));
            }
            QCOMPARE(entriesUnder(dir.path()), namesBefore);
            if (QFileInfo(path).isFile())
                QCOMPARE(contents(path), before);
            if (is("a folder"))
                QCOMPARE(contents(path + QStringLiteral("/keep.txt")), QByteArray("mine"));
            if (!nullJournal) // SQLite would have made it beside the device
                QVERIFY(!QFileInfo::exists(QStringLiteral("/dev/null-journal")));
            return;
        }

        if (outcome == QLatin1String("moved")) {
            if (locked) {
                {
                    Archive archive;
                    QVERIFY(!archive.open(path, openMode));
                    QVERIFY2(
                        archive.notice().contains(QStringLiteral("could not be moved aside")) &&
                            archive.notice().contains(QDir::toNativeSeparators(path)),
                        qPrintable(archive.notice()));
                    // Told once: the reason does not repeat the notice.
                    QVERIFY2(!archive.errorString().contains(QStringLiteral("moved aside")),
                             qPrintable(archive.errorString()));
                    QVERIFY(archive.movedAsidePath().isEmpty());
                    QVERIFY(!archive.store(downloadOf("kept in memory")));
                    QVERIFY2(archive.errorString().startsWith(notArchived),
                             qPrintable(archive.errorString()));
                }
                QCOMPARE(entriesUnder(dir.path()), namesBefore);
                QCOMPARE(contents(path), before);
                // Once the folder may be written again, the next start moves it aside.
                unlock.dismiss();
                QVERIFY(lockFolder(folder, false));
            }
            Archive archive;
            QVERIFY2(archive.open(path, openMode), qPrintable(archive.errorString()));
            const QString moved = archive.movedAsidePath();
            static const QRegularExpression aside(
                QStringLiteral("/archive\\.sqlite\\.damaged-\\d{8}-\\d{6}$"));
            QVERIFY2(aside.match(moved).hasMatch(), qPrintable(moved));
            const QString notice = archive.takeNotice();
            QVERIFY(notice.contains(QDir::toNativeSeparators(moved)));
            QCOMPARE(notice.contains(QStringLiteral("newer version")), is("newer"));
            QCOMPARE(archive.takeNotice(), QString());
            if (is("a folder"))
                QCOMPARE(contents(moved + QStringLiteral("/keep.txt")), QByteArray("mine"));
            else
                QCOMPARE(contents(moved), before);
            QVERIFY(archive.list()->isEmpty());
            const auto id = archive.store(downloadOf("after"));
            QVERIFY2(id, qPrintable(archive.errorString()));
            Archive again;
            QVERIFY(again.open(path, openMode));
            QCOMPARE(again.notice(), QString());
            QCOMPARE(again.data(*id), std::optional<QByteArray>("after"));
            return;
        }

        QElapsedTimer clock;
        clock.start();
        QString reason;
        if (is("full disk (file")) {
#ifdef Q_OS_UNIX
            QProcess child;
            startChild(child, {QStringLiteral("store"), path, QString::number(big.size()),
                               QString::number(QFileInfo(path).size() + 64 * 1024)});
            QVERIFY2(child.waitForFinished(20000), "the writer at its file-size limit did not "
                                                   "end within 20 s");
            QCOMPARE(child.exitCode(), 1);
            reason = QString::fromLocal8Bit(child.readAllStandardOutput()).trimmed();
#else
            QSKIP("file-size limits are a Unix feature");
#endif
        } else {
            std::optional<RawConnection> blocker;
            if (is("locked")) {
                blocker.emplace(path);
                QVERIFY(blocker->exec(QStringLiteral("BEGIN IMMEDIATE")));
            }
            Archive archive;
            archive.setBusyTimeout(300);
            archive.open(path, openMode);
            QVERIFY(!small || archive.store(downloadOf("fits")));
            QVERIFY(!archive.store(downloadOf(big)));
            reason = archive.errorString();
            QCOMPARE(archive.takeNotice(), QString()); // nothing was moved aside
            if (small) {
                QVERIFY2(reason.contains(QStringLiteral("disk is full")), qPrintable(reason));
                QVERIFY(archive.store(downloadOf("fits again")));
            }
            if (blocker) {
                QVERIFY2(reason.contains(QStringLiteral("busy")), qPrintable(reason));
                QVERIFY(blocker->exec(QStringLiteral("ROLLBACK")));
                QVERIFY2(archive.store(downloadOf("after the lock")),
                         qPrintable(archive.errorString()));
            }
        }
        QVERIFY2(reason.startsWith(notArchived) && reason.size() > notArchived.size() + 3,
                 qPrintable(reason));
        QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));

        // The ones archived before are whole, and once the cause is gone the next goes in.
        unlock.dismiss();
        QVERIFY(!locked || lockFolder(folder, false));
        if (earlierId > 0) {
            Archive archive;
            QVERIFY2(archive.open(path), qPrintable(archive.errorString()));
            QCOMPARE(archive.data(earlierId), std::optional<QByteArray>(earlier));
            const auto list = archive.list();
            QVERIFY(list);
            for (const DownloadSummary &row : *list)
                QVERIFY(row.byteCount != big.size());
            QVERIFY(archive.store(downloadOf("later")));
        }
    }

    // Other programs at the same archive: every download stored is there afterwards, byte for
    // byte, nothing was moved aside, and the next one goes in.
    // - The window and a command-line download open it at the same moment while a third
    //   program holds it: each meets the file taken when it switches it to the write-ahead log,
    //   which SQLite answers with "busy" at once, without the busy time-out. The archive is one
    //   left in the rollback journal's mode (as a copy may be), so that the switch is needed.
    // - A program killed in the middle of storing a large download.
    void otherPrograms_data()
    {
        QTest::addColumn<bool>("killed");
        QTest::newRow("two writers while a third holds it") << false;
        QTest::newRow("killed while storing") << true;
    }

    void otherPrograms()
    {
        QFETCH(bool, killed);
        QTemporaryDir dir;
        const int count = killed ? 3 : 10;
        const int bigSize = 8 * 1024 * 1024;
        for (int round = 0; round < (killed ? 1 : 3); ++round) {
            const QString path = dir.filePath(QStringLiteral("archive%1.sqlite").arg(round));
            {
                Archive made;
                QVERIFY(made.open(path));
                for (int i = 0; killed && i < count; ++i) {
                    const QString port = QStringLiteral("S%1").arg(i);
                    QVERIFY(made.store(downloadOf(dataOf(port, bigSize), port)));
                }
            }
            QByteArray said;
            if (killed) {
                QProcess child;
                startChild(child, {QStringLiteral("store"), path, QString::number(bigSize)});
                (void)QTest::qWaitFor(
                    [&] {
                        said += child.readAllStandardOutput();
                        return said.contains("stored 1\n") || child.state() == QProcess::NotRunning;
                    },
                    20000);
                QVERIFY2(said.contains("stored 1\n"),
                         ("two large downloads were not stored within 20 s: " + said).constData());
                QTest::qWait(QRandomGenerator::global()->bounded(10, 60)); // inside the next store
                QVERIFY(child.processId() > 0 && child.state() == QProcess::Running);
                child.kill(); // SIGKILL to our own child only
                QVERIFY2(child.waitForFinished(10000), "the killed writer did not end within 10 s");
                QCOMPARE(child.exitStatus(), QProcess::CrashExit);
                said.clear();
            } else {
                QCOMPARE(RawConnection(path).value(QStringLiteral("PRAGMA journal_mode=DELETE")),
                         QVariant(QStringLiteral("delete")));
                QProcess holder, writers[2];
                startChild(holder, {QStringLiteral("hold"), path, QStringLiteral("800")});
                QVERIFY2(holder.waitForReadyRead(10000) &&
                             holder.readAllStandardOutput().startsWith("held"),
                         "the holder did not take the file within 10 s");
                for (int i = 0; i < 2; ++i)
                    startChild(writers[i], {QStringLiteral("write"), path, QString::number(count),
                                            QString(QLatin1Char(char('A' + i)))});
                QVERIFY2(holder.waitForFinished(10000) && holder.exitCode() == 0,
                         "the holder did not let go within 10 s");
                for (QProcess &writer : writers) {
                    QVERIFY2(writer.waitForFinished(30000), "a writer did not end within 30 s");
                    said += writer.readAllStandardOutput();
                    QVERIFY2(writer.exitCode() == 0, said.constData());
                }
            }
            // Neither found the other's new archive damaged, and nothing was moved aside.
            QVERIFY2(said.isEmpty(), said.constData());
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files).filter(QStringLiteral(".damaged")),
                     QStringList());
            Archive archive;
            QVERIFY2(archive.open(path), qPrintable(archive.errorString()));
            QCOMPARE(archive.notice(), QString());
            const auto list = archive.list().value_or(QVector<DownloadSummary>());
            QSet<QString> seen;
            int large = 0;
            for (const DownloadSummary &row : list) {
                seen.insert(row.portName);
                large += row.portName.startsWith(QLatin1String("big"));
                QCOMPARE(archive.data(row.id),
                         std::optional<QByteArray>(dataOf(row.portName, bigSize)));
            }
            // All of both writers' once each, or the small ones and at least the two large ones
            // stored before the kill.
            QCOMPARE(seen.size(), list.size());
            QVERIFY2(killed ? list.size() - large == count && large >= 2 : list.size() == 2 * count,
                     qPrintable(QStringList(seen.values()).join(QLatin1Char(' '))));
            QVERIFY(archive.store(downloadOf("after")));
        }
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc >= 2 && qstrcmp(argv[1], "--child") == 0)
        return childMain(app.arguments().mid(2));
    TestArchive test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_archive.moc"
