// What a download becomes on disk: the file's bytes (bit 7, the European conversion and
// when it applies) and writing them whole or not at all.
#include "TestSupport.h"
#include "download/SavedData.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
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
