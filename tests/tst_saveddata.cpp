// What a download becomes on disk: the file's bytes (bit 7, the European conversion and
// when it applies) and writing them whole or not at all.
#include "TestSupport.h"
#include "download/SavedData.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

using namespace TestSupport;

namespace {

// Makes a folder nobody may create files in, not even root (which ignores the mode).
bool lockFolder(const QString &path, bool locked)
{
    if (::geteuid() != 0)
        return QFile::setPermissions(path, locked ? QFile::ReadOwner | QFile::ExeOwner
                                                  : QFile::ReadOwner | QFile::WriteOwner |
                                                        QFile::ExeOwner);
    return QProcess::execute(QStringLiteral("chattr"),
                             {locked ? QStringLiteral("+i") : QStringLiteral("-i"), path}) == 0;
}

// What kind of file a path is now, without following a link: 'f' regular, 'p' FIFO, 'c'
// character device, 's' socket, 'l' link, '-' none.
char kindOf(const QString &path)
{
    struct stat status;
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return '-';
    if (S_ISREG(status.st_mode))
        return 'f';
    if (S_ISFIFO(status.st_mode))
        return 'p';
    if (S_ISCHR(status.st_mode))
        return 'c';
    if (S_ISSOCK(status.st_mode))
        return 's';
    return S_ISLNK(status.st_mode) ? 'l' : '?';
}

// A file system of 256 KiB, mounted for the length of one test (root only).
struct SmallFileSystem
{
    explicit SmallFileSystem(const QString &path) : path(path)
    {
        mounted =
            ::geteuid() == 0 && QDir().mkpath(path) &&
            ::mount("tmpfs", QFile::encodeName(path).constData(), "tmpfs", 0, "size=256k") == 0;
    }
    ~SmallFileSystem()
    {
        if (mounted)
            ::umount(QFile::encodeName(path).constData());
    }
    QString path;
    bool mounted = false;
};

} // namespace

class TestSavedData : public QObject
{
    Q_OBJECT

private slots:
    void fileBytes_data()
    {
        QTest::addColumn<QByteArray>("received");
        QTest::addColumn<bool>("european");
        QTest::addColumn<QByteArray>("file");

        QTest::newRow("as received")
            << QByteArray("A,1\r\nB,2.5\r\n") << false << QByteArray("A,1\r\nB,2.5\r\n");
        // Semicolons first: the new decimal commas must not become semicolons.
        QTest::newRow("European") << QByteArray("1,230.5,0.25\r\n") << true
                                  << QByteArray("1;230,5;0,25\r\n");
        QTest::newRow("quoted comma is a field comma too")
            << QByteArray("\"Farm, North\",1.5\r\n") << true
            << QByteArray("\"Farm; North\";1,5\r\n");
        QTest::newRow("bit 7 cleared") << QByteArray("\xb0\x8d\x8a\x00\x7f", 5) << false
                                       << QByteArray("\x30\x0d\x0a\x00\x7f", 5);
        // Bit 7 goes before the conversion: 0xAC is a comma with bit 7 set.
        QTest::newRow("bit 7 before the conversion") << QByteArray("1\xac"
                                                                   "2\xae"
                                                                   "5")
                                                     << true << QByteArray("1;2,5");
        QTest::newRow("nothing") << QByteArray() << true << QByteArray();
    }

    void fileBytes()
    {
        QFETCH(QByteArray, received);
        QFETCH(bool, european);
        QFETCH(QByteArray, file);
        QCOMPARE(SavedData::fileBytes(received, european), file);
    }

    void csvFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("csv");
        QTest::newRow("results.csv") << "/data/results.csv" << true;
        QTest::newRow("upper case") << "/data/RESULTS.CSV" << true;
        QTest::newRow("text file") << "/data/results.txt" << false;
        QTest::newRow("csv then txt") << "/data/results.csv.txt" << false;
        QTest::newRow("dots in the name") << "/data/site.b.csv" << true;
        QTest::newRow("csv twice") << "/data/results.csv.csv" << true;
        QTest::newRow("only the suffix") << "/data/.csv" << true;
        QTest::newRow("no suffix") << "/data/results" << false;
        QTest::newRow("folder named .csv") << "/data.csv/results" << false;
    }

    void csvFile()
    {
        QFETCH(QString, name);
        QFETCH(bool, csv);
        QCOMPARE(SavedData::isCsvFile(name), csv);
    }

    void write_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("outcome"); // SavedData::Outcome

        const int written = int(SavedData::Outcome::Written);
        const int notOpened = int(SavedData::Outcome::NotOpened);
        QTest::newRow("new file") << "new" << written;
        QTest::newRow("existing file replaced whole") << "existing" << written;
        QTest::newRow("read-only file") << "read-only" << notOpened;
        QTest::newRow("folder does not exist") << "no folder" << notOpened;
        // The file-size limit stands in for a full disk: the file opens, the writing fails.
        QTest::newRow("disk full") << "full" << int(SavedData::Outcome::WriteFailed);
        QTest::newRow("writable file in a locked folder") << "locked folder" << written;
    }

    // Whatever happens, an existing file holds either the new bytes or what it held before,
    // nothing is left beside it, and a failure says why.
    void write()
    {
        QFETCH(QString, how);
        QFETCH(int, outcome);

        QTemporaryDir dir;
        QString target = dir.filePath(QStringLiteral("results.csv"));
        const QByteArray before =
            QByteArray("results of last week, a longer file\r\n").repeated(200);
        const QByteArray data = QByteArray("1,2024-04-08,739.2\r\n").repeated(500);
        if (how != QLatin1String("new") && how != QLatin1String("no folder"))
            QVERIFY(put(target, before));
        if (how == QLatin1String("read-only"))
            QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::ReadGroup));
        if (how == QLatin1String("no folder"))
            target = dir.filePath(QStringLiteral("gone/results.csv"));
        if (how == QLatin1String("locked folder") && !lockFolder(dir.path(), true))
            QSKIP("no way to lock a folder here");

        rlimit unlimited{};
        QVERIFY(::getrlimit(RLIMIT_FSIZE, &unlimited) == 0);
        if (how == QLatin1String("full")) {
            const rlimit small{4096, unlimited.rlim_max};
            ::setrlimit(RLIMIT_FSIZE, &small);
        }
        const SavedData::Result result = SavedData::write(target, data);
        ::setrlimit(RLIMIT_FSIZE, &unlimited);
        if (how == QLatin1String("locked folder"))
            lockFolder(dir.path(), false);

        QCOMPARE(int(result.outcome), outcome);
        const bool written = result.outcome == SavedData::Outcome::Written;
        QCOMPARE(result.reason.isEmpty(), written);
        if (how != QLatin1String("no folder"))
            QCOMPARE(contents(target), written ? data : before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(),
                 how == QLatin1String("no folder") ? 0 : 1);
    }

    // Only regular files are written: a pipe, a device node or a socket stays what it is,
    // nothing is sent to it, and the reason says why.
    void refusesWhatIsNoRegularFile_data()
    {
        QTest::addColumn<char>("kind");
        QTest::newRow("FIFO") << 'p';
        QTest::newRow("device node") << 'c';
        QTest::newRow("socket") << 's';
        QTest::newRow("link to a FIFO") << 'l';
    }

    void refusesWhatIsNoRegularFile()
    {
        QFETCH(char, kind);
        QTemporaryDir dir;
        const QString fifo = dir.filePath(QStringLiteral("fifo"));
        QString target = dir.filePath(QStringLiteral("target.csv"));
        const QByteArray path = QFile::encodeName(target);
        int server = -1;
        if (kind == 'p') {
            QVERIFY(::mkfifo(path.constData(), 0600) == 0);
        } else if (kind == 'l') {
            QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
            QVERIFY(QFile::link(fifo, target));
        } else if (kind == 'c') {
            // A device node of our own (the null device) as root; else the system's, which a
            // user could not replace anyway.
            if (::geteuid() == 0)
                QVERIFY(::mknod(path.constData(), S_IFCHR | 0666, makedev(1, 3)) == 0);
            else
                target = QStringLiteral("/dev/null");
        } else {
            server = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            QVERIFY(size_t(path.size()) < sizeof address.sun_path);
            std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
            QVERIFY(::bind(server, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0);
        }
        const char before = kindOf(target);

        // A reader on the FIFO would get the bytes; opened without blocking, it shows whether any
        // came.
        const int reader = kind == 'p' || kind == 'l'
                               ? ::open(QFile::encodeName(kind == 'l' ? fifo : target).constData(),
                                        O_RDONLY | O_NONBLOCK)
                               : -1;
        const SavedData::Result checked = SavedData::check(target);
        const SavedData::Result result = SavedData::write(target, QByteArray("1,2\r\n"));
        char got[16];
        const ssize_t sent = reader >= 0 ? ::read(reader, got, sizeof got) : 0;
        if (reader >= 0)
            ::close(reader);
        if (server >= 0)
            ::close(server);

        QCOMPARE(int(checked.outcome), int(SavedData::Outcome::NotOpened));
        QCOMPARE(int(result.outcome), int(SavedData::Outcome::NotOpened));
        QCOMPARE(int(result.problem), int(SavedData::Problem::NotRegularFile));
        QVERIFY2(result.reason.contains("not a regular file"), qPrintable(result.reason));
        QCOMPARE(kindOf(target), before);
        QVERIFY(sent <= 0);
        if (target.startsWith(dir.path()))
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::System | QDir::Hidden).size(),
                     kind == 'l' ? 2 : 1);
    }

    // A full disk, and a file that can only be written in place (its folder may not be written
    // to, also when it is reached through a link from elsewhere): the file holds the new bytes
    // or exactly the old ones, and a failure names the system's reason.
    void fullDiskKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("outcome");
        const int written = int(SavedData::Outcome::Written);
        const int failed = int(SavedData::Outcome::WriteFailed);
        QTest::newRow("link to a writable file in a locked folder") << "link" << written;
        QTest::newRow("locked folder, file-size limit") << "locked limit" << failed;
        QTest::newRow("full file system") << "tmpfs" << failed;
    }

    void fullDiskKeepsTheOldFile()
    {
        QFETCH(QString, how);
        QFETCH(int, outcome);
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("locked"));
        QVERIFY(QDir().mkpath(folder));
        SmallFileSystem small(folder);
        if (how == QLatin1String("tmpfs") && !small.mounted)
            QSKIP("mounting a small file system needs root");
        const QString file = folder + QStringLiteral("/results.csv");
        const QByteArray before = QByteArray("results of last week\r\n").repeated(2000);
        const QByteArray data = QByteArray("1,2024-04-08,739.2\r\n")
                                    .repeated(how == QLatin1String("tmpfs") ? 12000 : 3000);
        QVERIFY(put(file, before));
        QString target = file;
        if (how == QLatin1String("link")) {
            target = dir.filePath(QStringLiteral("link.csv"));
            QVERIFY(QFile::link(file, target));
        }
        if (how != QLatin1String("tmpfs") && !lockFolder(folder, true))
            QSKIP("no way to lock a folder here");
        rlimit unlimited{};
        QVERIFY(::getrlimit(RLIMIT_FSIZE, &unlimited) == 0);
        if (how == QLatin1String("locked limit")) {
            const rlimit limit{rlim_t(before.size() + 1000), unlimited.rlim_max};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        }
        const SavedData::Result result = SavedData::write(target, data);
        ::setrlimit(RLIMIT_FSIZE, &unlimited);
        if (how != QLatin1String("tmpfs"))
            lockFolder(folder, false);

        QCOMPARE(int(result.outcome), outcome);
        QVERIFY(!result.oldFileChanged);
        QCOMPARE(contents(file), outcome == int(SavedData::Outcome::Written) ? data : before);
        if (how == QLatin1String("tmpfs"))
            QCOMPARE(result.reason, qt_error_string(ENOSPC));
        if (how == QLatin1String("locked limit"))
            QCOMPARE(result.reason, qt_error_string(EFBIG));
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }
};

int main(int argc, char *argv[])
{
    // A write beyond the file-size limit fails with EFBIG instead of killing us.
    std::signal(SIGXFSZ, SIG_IGN);
    QCoreApplication app(argc, argv);
    TestSavedData test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_saveddata.moc"
