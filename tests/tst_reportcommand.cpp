// --summary FILE [--format json] [--design DESIGN.json] and --report SOURCE --output FILE.pdf
// --design DESIGN.json [--archive FILE]: the program run as a child process without a display,
// as a script would, on saved files and archived downloads: what it prints on each stream, its
// exit status, and the PDF read back with pdftotext.
#include "archive/Archive.h"
#include "archive/ArchivedDownload.h"

#include "ExampleData.h"
#include "ProgramRun.h"
#include "TestSupport.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

using namespace ExampleData;
using namespace TestSupport;

namespace {
// The lines that end with the word, counted in the raw data.
int endingWith(const QByteArray &data, const QByteArray &word)
{
    int count = 0;
    for (const QByteArray &line : data.split('\n'))
        count += line.trimmed().endsWith(word) ? 1 : 0;
    return count;
}

const QString CutText = QStringLiteral("The last record is incomplete: the tester may have paused "
                                       "longer than the read time-out. Download again with a "
                                       "longer time-out.");

} // namespace

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

    // One verdict rule everywhere: the tester's words in other forms give the same counts in the
    // report of the site as in --summary (tst_resultsparser), and the records neither PASS nor
    // FAIL are counted as other.
    void verdicts_data()
    {
        QTest::addColumn<QByteArray>("pass"); // what the file holds for PASS
        QTest::addColumn<QByteArray>("fail"); // and for FAIL
        QTest::addColumn<int>("others");      // the site's first PASS records made "---"

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

        // The file, and the counts of the site's records (PASS, FAIL, other) from its lines.
        QByteArray file;
        int site[3] = {0, 0, 0};
        const QByteArray words[] = {pass, fail, "---"};
        for (QByteArray line : data.split('\n')) {
            const bool ours = line.contains(",Marsh Lane Solar Park,");
            int kind = line.endsWith(",FAIL\r") ? 1 : line.endsWith(",PASS\r") ? 0 : -1;
            if (kind == 0 && ours && others-- > 0)
                kind = 2;
            if (kind >= 0) {
                line = line.left(line.size() - 5) + words[kind] + '\r';
                site[kind] += ours;
            }
            file += line.isEmpty() ? QByteArray() : line + '\n';
        }
        const QString path = dir.filePath(QStringLiteral("verdicts.csv"));
        QVERIFY(put(path, file));
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
        QTest::addColumn<QString>("output");    // where the report goes; empty: a new file
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("errorHas");
        QTest::addColumn<QString>("textHas");

        const QStringList inArchive{"--archive", "ARCHIVE"};
        QTest::newRow("saved file") << "DATA" << QStringList() << QByteArray() << QString() << 0
                                    << QByteArray() << "emulator.csv";
        QTest::newRow("saved file, its site in UTF-8")
            << QStringLiteral("Zürich Süd") << QStringList() << QByteArray() << QString() << 0
            << QByteArray() << "Zürich Süd.csv";
        QTest::newRow("archive id, the archive's time in local time")
            << "@" << inArchive << QByteArray() << QString() << 0 << QByteArray()
            << "in the archive Downloaded 3 Jun 2024 11:00 CEST";
        QTest::newRow("no such download") << "9999" << inArchive << QByteArray() << QString() << 7
                                          << QByteArray("There is no download 9999") << QString();
        QTest::newRow("no archive at all")
            << "1" << QStringList{"--archive", "NOWHERE"} << QByteArray() << QString() << 1
            << QByteArray("There is no archive at") << QString();
        QTest::newRow("damaged design")
            << "DATA" << QStringList()
            << ExampleData::designJson().replace("\"isc_stc\": 10.45", "\"x\": 1") << QString() << 2
            << QByteArray("arrays[0].isc_stc") << QString();
        QTest::newRow("no such source")
            << "missing.csv" << QStringList() << QByteArray() << QString() << 2
            << QByteArray("could not be read") << QString();
        // A report that cannot be written says where and why, and leaves nothing behind nor
        // touches what was there.
        QTest::newRow("no such folder")
            << "DATA" << QStringList() << QByteArray() << "no-folder/report.pdf" << 5
            << QByteArray("no-folder/report.pdf: No such file or directory") << QString();
        QTest::newRow("a folder") << "DATA" << QStringList() << QByteArray() << "archive" << 5
                                  << QByteArray("The report could not be written to ") << QString();
        QTest::newRow("below a file")
            << "DATA" << QStringList() << QByteArray() << "emulator.csv/report.pdf" << 5
            << QByteArray("emulator.csv/report.pdf: Not a directory") << QString();
        QTest::newRow("the design kept in the archive")
            << "@" << inArchive << QByteArray("-") << QString() << 0 << QByteArray()
            << "in the archive";
        QTest::newRow("a saved file, the design kept in the archive")
            << "DATA" << inArchive << QByteArray("-") << QString() << 0 << QByteArray()
            << "emulator.csv";
        QTest::newRow("a kept design that no longer reads")
            << "DATA" << QStringList{"--archive", "BROKEN"} << QByteArray("-") << QString() << 2
            << QByteArray("The design kept in the archive for \"Marsh Lane Solar Park\" cannot be "
                          "used: ")
            << QString();
        QTest::newRow("no design kept")
            << "DATA" << QStringList{"--archive", "EMPTY"} << QByteArray("-") << QString() << 2
            << QByteArray("No design is kept in the archive for the site of these results "
                          "(Hillside Farm, ")
            << QString();
        // Results of seven sites, two of them with a design kept: the user chooses.
        QTest::newRow("designs kept for two of the sites")
            << "DATA" << QStringList{"--archive", "TWO"} << QByteArray("-") << QString() << 2
            << QByteArray("The archive keeps designs for several sites of these results "
                          "(Hillside Farm, Marsh Lane Solar Park); choose one with --design.")
            << QString();
    }
    void report()
    {
        QFETCH(QString, source);
        QFETCH(QStringList, options);
        QFETCH(QByteArray, design);
        QFETCH(QString, output);
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
        output = dir.filePath(output.isEmpty() ? tag + QStringLiteral("-report.pdf") : output);
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
            if (option == "EMPTY" || option == "TWO") { // no design kept, or two sites' designs
                Archive archive;
                QVERIFY(archive.open(dir.filePath(option + ".sqlite")));
                for (const char *site : {"Hillside Farm", "Marsh Lane Solar Park"})
                    QVERIFY(option == "EMPTY" ||
                            archive.storeDesign(site, ExampleData::designJson()));
                option = dir.filePath(option + ".sqlite");
            }
            arguments.append(option == "ARCHIVE" ? archivePath : option);
        }

        const QStringList before = QDir(dir.path()).entryList();
        ProgramRun run(arguments, ProgramRun::inCLocale(true)); // and no runtime folder
        const int exitStatus = run.wait();
        QVERIFY2(run.error.contains(errorHas), run.error.constData());
        QCOMPARE(exitStatus, status);
        QCOMPARE(QFileInfo(output).isFile(), status == 0);
        QCOMPARE(contents(dataPath), data);
        QVERIFY(QFile::exists(archivePath));
        if (status != 0) { // nothing left behind, no archive made
            QCOMPARE(QDir(dir.path()).entryList(), before);
            return;
        }
        QVERIFY2(run.error.isEmpty(), run.error.constData());

        const QString text = pdfPages(output, false).join(QLatin1Char(' ')).simplified();
        const QByteArray sha = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
        QVERIFY2(text.contains(QString::fromLatin1(sha)), qPrintable(text.right(600)));
        QVERIFY(text.contains(QString::fromUtf8(site)));
        QVERIFY(text.contains(QStringLiteral("21 modules measured, 22 designed")));
        QVERIFY2(text.contains(textHas), qPrintable(text.right(600)));
    }

    void summary_data()
    {
        QTest::addColumn<QByteArray>("file"); // empty: no such file; "sparse": 1 GiB of holes
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("output");   // the standard output, exactly
        QTest::addColumn<QByteArray>("errorHas"); // a part of the error stream

        const QByteArray data = builtIn();
        const int records = data.count('\n') - 1;
        const int pass = endingWith(data, ",PASS");
        const int fail = endingWith(data, ",FAIL");
        QVERIFY(pass + fail == records && fail > 0);
        const QString line = QStringLiteral("%1 records · %2 PASS · %3 FAIL\n");
        const QByteArray counts = line.arg(records).arg(pass).arg(fail).toUtf8();
        const QByteArray cut = data.left(data.size() - 7); // mid-way through the last record

        QTest::newRow("whole, --format text")
            << data << QStringList{"--format", "text"} << 0 << counts << QByteArray();
        // The cut record's result is gone: it counts as other.
        QTest::newRow("cut, text") << cut << QStringList() << 6
                                   << (line.arg(records)
                                           .arg(pass - (data.endsWith(",PASS\r\n") ? 1 : 0))
                                           .arg(fail - (data.endsWith(",FAIL\r\n") ? 1 : 0))
                                           .replace("\n", " · 1 other\n") +
                                       CutText + '\n')
                                          .toUtf8()
                                   << QByteArray();
        QTest::newRow("no result column, lower-case file")
            << QByteArray("no,volts\n1,3.5\n2,3.6\n4,3.4\n") << QStringList() << 6
            << QByteArray("3 records\nThe record numbers jump from 2 to 4 on line 4: records may "
                          "be missing.\n")
            << QByteArray();
        // A user's file is read as it is: UTF-8 (京 is E4 BA AC, no comma in it).
        QTest::newRow("UTF-8 text in a field")
            << QByteArray(data).replace(MarshLane, "\xe4\xba\xac") << QStringList() << 0 << counts
            << QByteArray();
        // Refused by its size before it is read: a sparse file, and a device without an end.
        QTest::newRow("1 GiB sparse file")
            << QByteArray("sparse") << QStringList() << 2 << QByteArray()
            << QByteArray(
                   "is too large to read as results: 1,073,741,824 bytes (at most 67,108,864)");
        if (QFile::exists("/dev/zero"))
            QTest::newRow("endless device") << QByteArray("/dev/zero") << QStringList() << 2
                                            << QByteArray() << QByteArray("is too large to read");
        QTest::newRow("empty file")
            << QByteArray("\n") << QStringList() << 0 << QByteArray("0 records\n") << QByteArray();
        QTest::newRow("missing file") << QByteArray() << QStringList() << 2 << QByteArray()
                                      << QByteArray("could not be read");
        // --format json: one compact line with the figures, the columns and the warnings (each
        // figure's rules: tst_resultsparser); only the members given are compared.
        const QJsonArray columns = QJsonArray::fromStringList(
            QString::fromLatin1(data.left(data.indexOf('\r'))).split(','));
        const auto json = [](const QJsonObject &object) {
            return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
        };
        QTest::newRow("whole, json") << data << QStringList{"--format", "json"} << 0
                                     << json({{"records", records},
                                              {"pass", pass},
                                              {"fail", fail},
                                              {"other", 0},
                                              {"columns", columns},
                                              {"warnings", QJsonArray()},
                                              {"complete", true}})
                                     << QByteArray();
        QTest::newRow("starts mid-record, no header, json")
            << data.mid(data.indexOf('\n') + 30) << QStringList{"--format", "json"} << 6
            << json({{"columns", QJsonArray()}, {"complete", false}}) << QByteArray();
        QTest::newRow("unknown format")
            << data << QStringList{"--format", "xml"} << 2 << QByteArray()
            << QByteArray("--format takes text or json");
    }
    void summary()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, options);
        QFETCH(int, status);
        QFETCH(QByteArray, output);
        QFETCH(QByteArray, errorHas);

        QString path = dir.filePath(QTest::currentDataTag() + QStringLiteral(".csv"));
        QFile sparse(path);
        if (file == "/dev/zero")
            path = file;
        else if (file == "sparse")
            QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.resize(qint64(1) << 30));
        else if (!file.isEmpty())
            QVERIFY(put(path, file));
        ProgramRun run(QStringList{"--summary", path} + options, ProgramRun::inCLocale());
        QCOMPARE(run.wait(), status);
        if (options.contains("json") && status != 2) {
            QVERIFY(run.output.endsWith("}\n"));
            QCOMPARE(run.output.count('\n'), 1);
            const QJsonObject object = QJsonDocument::fromJson(run.output).object();
            const QJsonObject expected = QJsonDocument::fromJson(output).object();
            for (auto it = expected.constBegin(); it != expected.constEnd(); ++it)
                QCOMPARE(object.value(it.key()), it.value());
            QCOMPARE(object.value("warnings")
                         .toArray()
                         .first()
                         .toString()
                         .contains("starts in the middle of a record"),
                     status != 0);
        } else {
            QCOMPARE(run.output, output);
        }
        QVERIFY2(run.error.contains(errorHas), run.error.constData());
        if (status == 2 && !options.contains("--format")) // a file refused: named
            QVERIFY(run.error.contains(path.toUtf8()));
        sparse.remove();
    }

    // --design: the emulator's data checked against its example design, as JSON and as text;
    // design files that cannot be used refused with the reason (each reason: tst_designchecks).
    void design_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QByteArray>("design"); // empty: no such file
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("errorHas");
        QTest::addColumn<QByteArray>("site"); // in the data file for the site's name

        const QByteArray example = designJson();
        QVERIFY(example.contains(MarshLane));
        QTest::newRow("json") << QStringList{"--format", "json"} << example << 0 << QByteArray()
                              << MarshLane;
        QTest::newRow("text") << QStringList() << example << 0 << QByteArray() << MarshLane;
        // The same site in the design (JSON: UTF-8) and in a UTF-8 or a Latin-1 file.
        const QByteArray zurich = QStringLiteral("Zürich Süd").toUtf8();
        QTest::newRow("UTF-8 site")
            << QStringList{"--format", "json"} << QByteArray(example).replace(MarshLane, zurich)
            << 0 << QByteArray() << zurich;
        QTest::newRow("Latin-1 site")
            << QStringList() << QByteArray(example).replace(MarshLane, zurich) << 0 << QByteArray()
            << QStringLiteral("Zürich Süd").toLatin1();
        QTest::newRow("not JSON") << QStringList() << example.left(example.size() / 2) << 2
                                  << QByteArray("line") << MarshLane;
        QTest::newRow("no such design file")
            << QStringList() << QByteArray() << 2 << QByteArray("could not be read") << MarshLane;
    }
    void design()
    {
        QFETCH(QStringList, options);
        QFETCH(QByteArray, design);
        QFETCH(int, status);
        QFETCH(QByteArray, errorHas);
        QFETCH(QByteArray, site);

        const QByteArray bytes = builtIn().replace(MarshLane, site);
        const QString dataFile = dir.filePath(QStringLiteral("summary.csv"));
        const QString designFile = dir.filePath(QTest::currentDataTag() + QString(".design.json"));
        QVERIFY(put(dataFile, bytes));
        if (!design.isEmpty())
            QVERIFY(put(designFile, design));
        ProgramRun run(QStringList{"--summary", dataFile, "--design", designFile} + options,
                       ProgramRun::inCLocale());
        const int exitStatus = run.wait();
        QVERIFY2(run.error.contains(errorHas), run.error.constData());
        QCOMPARE(exitStatus, status);
        if (status != 0) {
            QVERIFY(run.error.contains(designFile.toUtf8()));
            QVERIFY(run.output.isEmpty());
            return;
        }

        // Which rows fail and why is the checks' own (tst_designchecks); here: a short string
        // at its row, with the tester's FAIL count beside the checks'.
        const QMap<QString, int> shortStrings = ExampleData::shortStrings(bytes, site);
        QVERIFY(!shortStrings.isEmpty());
        const auto shortString = shortStrings.constBegin();
        const int testerFail = endingWith(bytes, ",FAIL");
        if (options.contains("json")) {
            const QJsonObject object = QJsonDocument::fromJson(run.output).object();
            QCOMPARE(object.value("fail").toInt(), testerFail);
            const QJsonObject checks = object.value("design").toObject();
            QVERIFY(checks.value("checked").toInt() > 0 && checks.value("fail").toInt() > 0);
            const QJsonArray failures = checks.value("failures").toArray();
            QVERIFY(std::any_of(failures.begin(), failures.end(), [&](const QJsonValue &value) {
                const QJsonObject failure = value.toObject();
                return failure.value("check") == "module_count" &&
                       failure.value("string") == shortString.key() &&
                       failure.value("row") == shortString.value() &&
                       !failure.value("reason").toString().isEmpty();
            }));
        } else {
            const QByteArray counts = run.output.split('\n').value(1);
            QVERIFY2(counts.startsWith(QByteArray::number(testerFail) + " FAIL by the tester · ") &&
                         counts.endsWith(" more by the design checks"),
                     counts.constData());
            const QByteArray line = QStringLiteral("row %1, %2: module_count: 21 modules "
                                                   "measured, 22 designed\n")
                                        .arg(shortString.value())
                                        .arg(shortString.key())
                                        .toUtf8();
            QVERIFY2(run.output.contains(line), line.constData());
        }
    }
};

QTEST_MAIN(TestReportCommand)
#include "tst_reportcommand.moc"
