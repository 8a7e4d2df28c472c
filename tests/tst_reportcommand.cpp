// --report SOURCE --output FILE.pdf --design DESIGN.json [--archive FILE]: the program run as a
// child process without a display, as a script would; the PDF read back with pdftotext.
#include "archive/Archive.h"
#include "archive/ArchivedDownload.h"

#include "ExampleData.h"
#include "ProgramRun.h"
#include "TestSupport.h"

#include <QCryptographicHash>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace TestSupport;

class TestReportCommand : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString dataPath, designPath, archivePath;
    QByteArray data;
    qint64 archivedId = 0;

private slots:
    void initTestCase()
    {
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
                 "pdftotext (poppler-utils) is needed: tools/install-deps.sh installs it");
        data = ExampleData::builtIn();
        dataPath = dir.filePath(QStringLiteral("emulator.csv"));
        designPath = dir.filePath(QStringLiteral("marsh-lane.design.json"));
        QVERIFY(put(dataPath, data));
        QVERIFY(put(designPath, ExampleData::designJson()));

        // The same bytes kept in an archive of the test's own, behind another download.
        archivePath = dir.filePath(QStringLiteral("archive/downloads.sqlite"));
        Archive archive;
        QVERIFY2(archive.open(archivePath), qPrintable(archive.errorString()));
        ArchivedDownload download;
        download.started = QDateTime(QDate(2024, 6, 3), QTime(9, 0), Qt::UTC);
        download.ended = download.started.addSecs(40);
        download.portName = QStringLiteral("ttyUSB0");
        download.data = "Record,Result\r\n1,PASS\r\n";
        QVERIFY(archive.store(download));
        // The design of the data's Marsh Lane site, kept for the reports without --design.
        QVERIFY(archive.storeDesign(QStringLiteral("Marsh Lane Solar Park"),
                                    ExampleData::designJson()));
        download.data = data;
        const std::optional<qint64> id = archive.store(download);
        QVERIFY(id);
        archivedId = *id;
    }

    // Each source and each failure: the exit status, the reason on the error stream, and the
    // report's text with the SHA-256 of the bytes it was made of.
    void report_data()
    {
        QTest::addColumn<QString>("source"); // "@" stands for the archived download's id
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QByteArray>("design"); // empty: the example design; "-": no --design
        QTest::addColumn<bool>("writable");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("errorHas");
        QTest::addColumn<QString>("textHas");

        const QStringList inArchive{"--archive", "ARCHIVE"};
        QTest::newRow("saved file") << "DATA" << QStringList() << QByteArray() << true << 0
                                    << QByteArray() << "emulator.csv";
        QTest::newRow("archive id")
            << "@" << inArchive << QByteArray() << true << 0 << QByteArray() << "in the archive";
        QTest::newRow("no such download") << "9999" << inArchive << QByteArray() << true << 7
                                          << QByteArray("There is no download 9999") << QString();
        QTest::newRow("no archive at all")
            << "1" << QStringList{"--archive", "NOWHERE"} << QByteArray() << true << 1
            << QByteArray("There is no archive at") << QString();
        QTest::newRow("damaged design")
            << "DATA" << QStringList()
            << ExampleData::designJson().replace("\"isc_stc\": 10.45", "\"x\": 1") << true << 2
            << QByteArray("arrays[0].isc_stc") << QString();
        QTest::newRow("no such source") << "missing.csv" << QStringList() << QByteArray() << true
                                        << 2 << QByteArray("could not be read") << QString();
        QTest::newRow("not written") << "DATA" << QStringList() << QByteArray() << false << 5
                                     << QByteArray("report.pdf") << QString();
        QTest::newRow("the design kept in the archive")
            << "@" << inArchive << QByteArray("-") << true << 0 << QByteArray() << "in the archive";
        QTest::newRow("a saved file, the design kept in the archive")
            << "DATA" << inArchive << QByteArray("-") << true << 0 << QByteArray()
            << "emulator.csv";
        QTest::newRow("no design kept")
            << "DATA" << QStringList{"--archive", "EMPTY"} << QByteArray("-") << true << 2
            << QByteArray("No design is kept in the archive for the site of these results "
                          "(Hillside Farm, ")
            << QString();
    }
    void report()
    {
        QFETCH(QString, source);
        QFETCH(QStringList, options);
        QFETCH(QByteArray, design);
        QFETCH(bool, writable);
        QFETCH(int, status);
        QFETCH(QByteArray, errorHas);
        QFETCH(QString, textHas);

        const QString tag = QString::fromLatin1(QTest::currentDataTag()).replace(' ', '-');
        QString thisDesign = designPath;
        if (!design.isEmpty() && design != "-") {
            thisDesign = dir.filePath(tag + QStringLiteral(".design.json"));
            QVERIFY(put(thisDesign, design));
        }
        // A folder that does not exist cannot take the report.
        const QString output = dir.filePath((writable ? QString() : QStringLiteral("no-folder/")) +
                                            tag + QStringLiteral("-report.pdf"));
        QString from = source;
        if (source == "DATA")
            from = dataPath;
        else if (source == "@")
            from = QString::number(archivedId);
        else if (source == "missing.csv")
            from = dir.filePath(source);
        QStringList arguments{"--report", from, "--output", output};
        if (design != "-")
            arguments += QStringList{"--design", thisDesign};
        for (QString option : options) {
            option.replace("NOWHERE", dir.filePath("nowhere.sqlite"));
            if (option == "EMPTY") { // an archive without designs
                option = dir.filePath("empty.sqlite");
                QVERIFY(Archive().open(option));
            }
            arguments.append(option == "ARCHIVE" ? archivePath : option);
        }

        ProgramRun run(arguments, ProgramRun::inCLocale(true)); // and no runtime folder
        const int exitStatus = run.wait();
        QVERIFY2(run.error.contains(errorHas), run.error.constData());
        QCOMPARE(exitStatus, status);
        QCOMPARE(QFile::exists(output), status == 0);
        QVERIFY(!QFile::exists(dir.filePath("nowhere.sqlite")));
        if (status != 0)
            return;
        QVERIFY2(run.error.isEmpty(), run.error.constData());

        const QString text = pdfPages(output, false).join(QLatin1Char(' ')).simplified();
        const QByteArray sha = QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex();
        QVERIFY2(text.contains(QString::fromLatin1(sha)), qPrintable(text.right(600)));
        QVERIFY(text.contains(QStringLiteral("Marsh Lane Solar Park")));
        QVERIFY(text.contains(QStringLiteral("21 modules measured, 22 designed")));
        QVERIFY2(text.contains(textHas), qPrintable(text.right(600)));
    }
};

QTEST_MAIN(TestReportCommand)
#include "tst_reportcommand.moc"
