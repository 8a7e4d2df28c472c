// What a download becomes on disk: the file's bytes (bit 7, the European conversion and
// when it applies) and writing them whole or not at all.
#include "SmallFileSystem.h"
#include "TestSupport.h"
#include "download/SavedData.h"

#include <QLocalServer>
#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

Q_DECLARE_METATYPE(SavedData::Outcome)

using namespace TestSupport;

// What kind of file a path is now, without following a link; 0 when there is none.
static mode_t kindOf(const QString &path)
{
    struct stat status;
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & S_IFMT : 0;
}

class TestSavedData : public QObject
{
    Q_OBJECT

private slots:
    // A write beyond the file-size limit fails with EFBIG instead of killing us.
    void initTestCase() { std::signal(SIGXFSZ, SIG_IGN); }

    // The bytes saved in a file of that name, the European format asked for: only a .csv file
    // takes it.
    void fileBytes_data()
    {
        QTest::addColumn<QByteArray>("received");
        QTest::addColumn<bool>("european");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("name");

        const auto row = [](const char *name, const QByteArray &received, bool european,
                            const QByteArray &file, const char *path = "/data/results.csv") {
            QTest::newRow(name) << received << european << file << QString(path);
        };
        row("as received", "A,1\r\nB,2.5\r\n", false, "A,1\r\nB,2.5\r\n");
        // Semicolons first: the new decimal commas must not become semicolons.
        row("European", "1,230.5,0.25\r\n", true, "1;230,5;0,25\r\n");
        row("quoted comma is a field comma too", "\"Farm, North\",1.5\r\n", true,
            "\"Farm; North\";1,5\r\n");
        row("bit 7 cleared", QByteArray("\xb0\x8d\x8a\x00\x7f", 5), false,
            QByteArray("\x30\x0d\x0a\x00\x7f", 5));
        // Bit 7 goes before the conversion: 0xAC is a comma with bit 7 set, 0xAE a point.
        row("bit 7 before the conversion", "1\xac\x32\xae\x35", true, "1;2,5");
        row("nothing", "", true, "");
        // By the name's suffix, in any case.
        for (const char *csv : {"/data/RESULTS.CSV", "/data/site.b.csv", "/data/.csv"})
            row(csv, "1.5", true, "1,5", csv);
        for (const char *other :
             {"/data/results.txt", "/data/results.csv.txt", "/data/results", "/data.csv/results"})
            row(other, "1.5", true, "1.5", other);
    }

    void fileBytes()
    {
        QFETCH(QByteArray, received);
        QFETCH(bool, european);
        QFETCH(QByteArray, file);
        QFETCH(QString, name);
        QCOMPARE(SavedData::fileBytes(received, european && SavedData::isCsvFile(name)), file);
    }

    void write_data() // the tag says how the file is
    {
        QTest::addColumn<SavedData::Outcome>("outcome");
        QTest::addColumn<int>("error"); // the errno the reason names; 0: any

        using O = SavedData::Outcome;
        const auto row = [](const char *how, O outcome, int error = 0) {
            QTest::newRow(how) << outcome << error;
        };
        row("new", O::Written);
        row("existing", O::Written); // replaced whole
        row("read-only", O::NotOpened);
        row("no folder", O::NotOpened);
        // The file-size limit stands in for a full disk: the file opens, the writing fails.
        row("full", O::WriteFailed);
        // Files that can only be written in place: their folder may not be written to, also
        // when reached through a link from elsewhere.
        row("locked", O::Written);
        row("link", O::Written);
        row("locked limit", O::WriteFailed, EFBIG);
        row("tmpfs", O::WriteFailed, ENOSPC); // a full file system
        // Only regular files are written: a pipe, a device node or a socket stays what it is,
        // nothing is sent to it, and the reason says why.
        for (const char *kind : {"FIFO", "device node", "socket", "link to a FIFO"})
            row(kind, O::NotOpened);
    }

    // Whatever happens, an existing file holds either the new bytes or exactly what it held
    // before, nothing is left beside it, and a failure says why.
    void write()
    {
        const QString how = QTest::currentDataTag();
        QFETCH(SavedData::Outcome, outcome);
        QFETCH(int, error);

        const auto is = [&how](const char *name) { return how == QLatin1String(name); };
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("folder"));
        QVERIFY(QDir().mkpath(folder));
        const auto small = is("tmpfs") ? std::make_unique<SmallFileSystem>(folder, 256) : nullptr;
        if (small && !small->mounted)
            QSKIP("mounting a small file system needs root");
        const QString file = folder + QStringLiteral("/results.csv");
        const QString fifo = folder + QStringLiteral("/fifo");
        const bool special = how.contains("FIFO") || is("device node") || is("socket");
        const QByteArray before =
            QByteArray("results of last week, a longer file\r\n").repeated(200);
        const QByteArray data =
            QByteArray("1,2024-04-08,739.2\r\n").repeated(is("tmpfs") ? 14000 : 3000);
        if (!is("new") && !is("no folder") && !special)
            QVERIFY(put(file, before));
        if (is("read-only"))
            QVERIFY(QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup));
        QString target = file;
        if (is("no folder"))
            target = folder + QStringLiteral("/gone/results.csv");
        if (is("link")) {
            target = dir.filePath(QStringLiteral("link.csv"));
            QVERIFY(QFile::link(file, target));
        }
        if (how.contains("FIFO"))
            QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        if (is("FIFO"))
            target = fifo;
        if (is("link to a FIFO"))
            QVERIFY(QFile::link(fifo, file));
        QLocalServer server;
        if (is("socket"))
            QVERIFY(server.listen(file));
        if (is("device node")) {
            // A device node of our own (the null device) as root; else the system's, which a
            // user could not replace anyway.
            if (::geteuid() == 0)
                QVERIFY(::mknod(QFile::encodeName(file).constData(), S_IFCHR | 0666,
                                makedev(1, 3)) == 0);
            else
                target = QStringLiteral("/dev/null");
        }
        const mode_t kindBefore = kindOf(target);
        // A reader on the FIFO would get the bytes; opened without blocking, it shows whether any
        // came.
        const int reader = how.contains("FIFO")
                               ? ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK)
                               : -1;
        const SavedData::Result checked = SavedData::check(target);
        const bool locked = how.startsWith(QLatin1String("locked")) || is("link");
        if (locked && !lockFolder(folder, true))
            QSKIP("no way to lock a folder here");
        rlimit unlimited{};
        QVERIFY(::getrlimit(RLIMIT_FSIZE, &unlimited) == 0);
        if (is("full") || is("locked limit")) {
            const rlimit limit{rlim_t(is("full") ? 4096 : before.size() + 1000),
                               unlimited.rlim_max};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        }
        const SavedData::Result result = SavedData::write(target, data);
        ::setrlimit(RLIMIT_FSIZE, &unlimited);
        if (locked)
            lockFolder(folder, false);
        char got[16];
        const ssize_t sent = reader >= 0 ? ::read(reader, got, sizeof got) : 0;
        if (reader >= 0)
            ::close(reader);

        QCOMPARE(result.outcome, outcome);
        const bool written = result.outcome == SavedData::Outcome::Written;
        QCOMPARE(result.reason.isEmpty(), written);
        if (error != 0)
            QCOMPARE(result.reason, qt_error_string(error));
        QVERIFY(!result.oldFileChanged);
        if (special) {
            QCOMPARE(int(checked.outcome), int(SavedData::Outcome::NotOpened));
            QCOMPARE(int(result.problem), int(SavedData::Problem::NotRegularFile));
            QVERIFY2(result.reason.contains("not a regular file"), qPrintable(result.reason));
            QCOMPARE(kindOf(target), kindBefore);
            QVERIFY(sent <= 0);
        } else if (!is("no folder")) {
            QCOMPARE(contents(file), written ? data : before);
        }
        if (target.startsWith(dir.path()))
            QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::System | QDir::Hidden).size(),
                     int(!is("no folder")) + int(is("link to a FIFO"))); // and what it links to
    }
};

QTEST_GUILESS_MAIN(TestSavedData)

#include "tst_saveddata.moc"
