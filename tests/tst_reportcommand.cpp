// --report SOURCE --output FILE.pdf --design DESIGN.json [--archive FILE]: the program run as a
// child process without a display, as a script would; the PDF read back with pdftotext.
#include "archive/Archive.h"
#include "archive/ArchivedDownload.h"

#include "ExampleData.h"
#include "ProgramRun.h"
#include "TestSupport.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace TestSupport;

class TestReportCommand : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString dataPath, designPath, archivePath, brokenArchivePath;
    QByteArray data;
    qint64 archivedId = 0;

private slots:
    void initTestCase()
    {
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
                 "pdftotext (poppler-utils) is needed: tools/install-deps.sh installs it");
        // Local time in a zone of its own, for the report's "Downloaded" line.
        qputenv("TZ", "Europe/Berlin");
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

        // An archive whose design of the site no longer reads.
        brokenArchivePath = dir.filePath(QStringLiteral("broken.sqlite"));
        Archive broken;
        QVERIFY(broken.open(brokenArchivePath));
        QVERIFY(broken.storeDesign(QStringLiteral("Marsh Lane Solar Park"), "{\"site\": "));
    }

    // One verdict rule everywhere: the tester's words in other forms give the same counts in
    // --summary (text and JSON), in the design checks' line and in the report of the site, and
    // the records neither PASS nor FAIL are counted as other.
    void verdicts_data()
    {
        QTest::addColumn<QByteArray>("pass"); // what the file holds for PASS
        QTest::addColumn<QByteArray>("fail"); // and for FAIL
        QTest::addColumn<int>("others");      // PASS records made "---" (the first ones)

        QTest::newRow("FAILED, 10 other") << QByteArray("PASS") << QByteArray("FAILED") << 10;
        QTest::newRow("tabs after") << QByteArray("PASS\t") << QByteArray("FAIL\t") << 0;
        QTest::newRow("passed, NOT OK, 1 other")
            << QByteArray(" passed") << QByteArray("NOT OK") << 1;
        QTest::newRow("ok, nok") << QByteArray("Ok") << QByteArray("nok ") << 0;
    }
    void verdicts()
    {
        QFETCH(QByteArray, pass);
        QFETCH(QByteArray, fail);
        QFETCH(int, others);

        // The file, and the counts of all records and of the site's, from the lines.
        QByteArray file;
        int all[3] = {0, 0, 0}; // PASS, FAIL, other
        int site[3] = {0, 0, 0};
        int othersLeft = others;
        for (QByteArray line : data.split('\n')) {
            if (line.isEmpty())
                continue;
            int kind = -1;
            if (line.endsWith(",FAIL\r")) {
                line = line.left(line.size() - 5) + fail + '\r';
                kind = 1;
            } else if (line.endsWith(",PASS\r")) {
                kind = othersLeft-- > 0 ? 2 : 0;
                line = line.left(line.size() - 5) + (kind == 2 ? "---" : pass) + '\r';
            }
            if (kind >= 0) {
                ++all[kind];
                site[kind] += line.contains(",Marsh Lane Solar Park,");
            }
            file += line + '\n';
        }
        const QString path = dir.filePath(QStringLiteral("verdicts.csv"));
        QVERIFY(put(path, file));
        const auto counts = [](const int *c) {
            const QString line = QStringLiteral("%1 records · %2 PASS · %3 FAIL")
                                     .arg(c[0] + c[1] + c[2])
                                     .arg(c[0])
                                     .arg(c[1]);
            return c[2] ? line + QStringLiteral(" · %1 other").arg(c[2]) : line;
        };
        const auto testerLine = [](const int *c) {
            return c[2] ? QStringLiteral("%1 PASS · %2 FAIL · %3 other by the tester · ")
                              .arg(c[0])
                              .arg(c[1])
                              .arg(c[2])
                        : QStringLiteral("%1 FAIL by the tester · ").arg(c[1]);
        };

        ProgramRun summary({"--summary", path}, ProgramRun::inCLocale());
        QCOMPARE(summary.wait(), 0);
        QCOMPARE(QString::fromUtf8(summary.output), counts(all) + '\n');

        ProgramRun json({"--summary", path, "--format", "json"}, ProgramRun::inCLocale());
        QCOMPARE(json.wait(), 0);
        const QJsonObject object = QJsonDocument::fromJson(json.output).object();
        QCOMPARE(object.value("pass").toInt(), all[0]);
        QCOMPARE(object.value("fail").toInt(), all[1]);
        QCOMPARE(object.value("other").toInt(), all[2]);

        ProgramRun design({"--summary", path, "--design", designPath}, ProgramRun::inCLocale());
        QCOMPARE(design.wait(), 0);
        const QString designLine = QString::fromUtf8(design.output.split('\n').value(1));
        QVERIFY2(designLine.startsWith(testerLine(all)), qPrintable(designLine));

        const QString output = dir.filePath(QStringLiteral("verdicts.pdf"));
        ProgramRun report({"--report", path, "--design", designPath, "--output", output},
                          ProgramRun::inCLocale(true));
        QCOMPARE(report.wait(), 0);
        const QString text = pdfPages(output, false).join(QLatin1Char(' ')).simplified();
        const QString siteCounts =
            site[2] ? QStringLiteral("%1 records: %2 PASS, %3 FAIL and %4 other by the tester")
                          .arg(site[0] + site[1] + site[2])
                          .arg(site[0])
                          .arg(site[1])
                          .arg(site[2])
                    : QStringLiteral("%1 records: %2 PASS and %3 FAIL by the tester")
                          .arg(site[0] + site[1])
                          .arg(site[0])
                          .arg(site[1]);
        QVERIFY2(text.contains(siteCounts), qPrintable(text.left(1500)));
        QVERIFY2(text.contains(testerLine(site)), qPrintable(text.left(1500)));
    }

    // Each source and each failure: the exit status, the reason on the error stream, and the
    // report's text with the SHA-256 of the bytes it was made of.
    void report_data()
    {
        // "@" stands for the archived download's id, "DATA" for the saved file, "Zürich Süd" for
        // the saved file and the design with that site (UTF-8) instead of Marsh Lane's.
        QTest::addColumn<QString>("source");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QByteArray>("design"); // empty: the example design; "-": no --design
        QTest::addColumn<bool>("writable");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("errorHas");
        QTest::addColumn<QString>("textHas");

        const QStringList inArchive{"--archive", "ARCHIVE"};
        QTest::newRow("saved file") << "DATA" << QStringList() << QByteArray() << true << 0
                                    << QByteArray() << "emulator.csv";
        QTest::newRow("saved file, its site in UTF-8")
            << QStringLiteral("Zürich Süd") << QStringList() << QByteArray() << true << 0
            << QByteArray() << "Zürich Süd.csv";
        QTest::newRow("archive id, the archive's time in local time")
            << "@" << inArchive << QByteArray() << true << 0 << QByteArray()
            << "in the archive Downloaded 3 Jun 2024 11:00 CEST";
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
        QTest::newRow("a kept design that no longer reads")
            << "DATA" << QStringList{"--archive", "BROKEN"} << QByteArray("-") << true << 2
            << QByteArray("The design kept in the archive for \"Marsh Lane Solar Park\" cannot be "
                          "used: ")
            << QString();
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
        const QByteArray site = source == "Zürich Süd" ? source.toUtf8() : ExampleData::MarshLane;
        QByteArray bytes = data;
        bytes.replace(ExampleData::MarshLane, site);
        QString thisDesign = designPath;
        if (site != ExampleData::MarshLane)
            design = ExampleData::designJson().replace(ExampleData::MarshLane, site);
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
        else if (site != ExampleData::MarshLane)
            QVERIFY(put(from = dir.filePath(source + ".csv"), bytes));
        QStringList arguments{"--report", from, "--output", output};
        if (design != "-")
            arguments += QStringList{"--design", thisDesign};
        for (QString option : options) {
            option.replace("NOWHERE", dir.filePath("nowhere.sqlite"));
            option.replace("BROKEN", brokenArchivePath);
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
        const QByteArray sha = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
        QVERIFY2(text.contains(QString::fromLatin1(sha)), qPrintable(text.right(600)));
        QVERIFY(text.contains(QString::fromUtf8(site)));
        QVERIFY(text.contains(QStringLiteral("21 modules measured, 22 designed")));
        QVERIFY2(text.contains(textHas), qPrintable(text.right(600)));
    }
};

QTEST_MAIN(TestReportCommand)
#include "tst_reportcommand.moc"
