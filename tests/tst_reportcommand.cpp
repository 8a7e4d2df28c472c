// The commissioning report as a PDF read back with pdftotext; --summary and --report run as a
// child process without a display, as a script would, on saved files and archived downloads:
// what it prints on each stream, its exit status, and its PDF.
#include "archive/Archive.h"
#include "archive/ArchivedDownload.h"
#include "checks/DesignChecks.h"
#include "report/CommissioningReport.h"
#include "report/ReportTrace.h"
#include "results/ResultsParser.h"

#include "ExampleData.h"
#include "ProgramRun.h"
#include "TestSupport.h"
#include "TesterDataSet.h"

#include <QtTest>

#include <algorithm>
#include <set>

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

// Every page starts with the site and the report's title and says which page of how many.
void checkPages(const QStringList &pages)
{
    for (int p = 0; p < pages.size(); ++p) {
        const QString first = pages.at(p).section(QLatin1Char('\n'), 0, 0);
        QVERIFY2(first.contains(QString(MarshLane)) && first.contains("Commissioning test report"),
                 qPrintable(QStringLiteral("page %1 starts: %2").arg(p + 1).arg(first)));
        QVERIFY(pages.at(p).contains(QStringLiteral("Page %1 of %2").arg(p + 1).arg(pages.size())));
    }
}

} // namespace

class TestReportCommand : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString dataPath, designPath;
    QMap<QString, QString> named; // the sources and archives the rows name, by their paths
    QByteArray data;

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

        // The same bytes kept in an archive of the test's own, behind another download, with the
        // design of the data's Marsh Lane site for the reports without --design.
        const QString archivePath = dir.filePath(QStringLiteral("archive/downloads.sqlite"));
        Archive archive;
        QVERIFY2(archive.open(archivePath), qPrintable(archive.errorString()));
        ArchivedDownload download;
        download.started = QDateTime(QDate(2024, 6, 3), QTime(9, 0), Qt::UTC);
        download.ended = download.started.addSecs(40);
        download.portName = QStringLiteral("ttyUSB0");
        download.data = "Record,Result\r\n1,PASS\r\n";
        QVERIFY(archive.store(download));
        QVERIFY(archive.storeDesign(MarshLane, ExampleData::designJson()));
        download.data = data;
        const std::optional<qint64> id = archive.store(download);
        QVERIFY(id);
        named = {{"DATA", dataPath},
                 {"@", QString::number(*id)},
                 {"ARCHIVE", archivePath},
                 {"NOWHERE", dir.filePath("nowhere.sqlite")},
                 {"missing.csv", dir.filePath("missing.csv")}};

        // Archives that keep designs only: none, two sites', one that no longer reads.
        const auto keep = [this](const QString &name, const QByteArrayList &sites,
                                 const QByteArray &json) {
            Archive kept;
            QVERIFY(kept.open(named[name] = dir.filePath(name + ".sqlite")));
            for (const QByteArray &site : sites)
                QVERIFY(kept.storeDesign(site, json));
        };
        keep("EMPTY", {}, {});
        keep("TWO", {"Hillside Farm", MarshLane}, ExampleData::designJson());
        keep("BROKEN", {MarshLane}, "{\"site\": ");
    }

    // Each source and each failure: the exit status, the reason on the error stream, and the
    // report's text with the SHA-256 of the bytes it was made of.
    void report_data()
    {
        // Sources and archives by the names in `named`; "Zürich Süd" for the saved file and the
        // design with that site (UTF-8) instead of Marsh Lane's.
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("archive");   // empty: no --archive
        QTest::addColumn<QByteArray>("design"); // empty: the example; "-": none; "missing"
        QTest::addColumn<QString>("output");    // where the report goes; empty: a new file
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("errorHas");
        QTest::addColumn<QString>("textHas");
        const auto row = [](const char *name, const char *source, const char *archive,
                            const QByteArray &design, const char *output, int status,
                            const char *errorHas, const char *textHas) {
            QTest::newRow(name) << QString::fromUtf8(source) << archive << design << output
                                << status << QByteArray(errorHas) << QString::fromUtf8(textHas);
        };

        row("saved file", "DATA", "", "", "", 0, "", "emulator.csv");
        row("saved file, its site in UTF-8", "Zürich Süd", "", "", "", 0, "", "Zürich Süd.csv");
        row("archive id, the archive's time in local time", "@", "ARCHIVE", "", "", 0, "",
            "in the archive Downloaded 3 Jun 2024 11:00 CEST");
        row("no such download", "9999", "ARCHIVE", "", "", 7, "There is no download 9999", "");
        row("no archive at all", "1", "NOWHERE", "", "", 1, "There is no archive at", "");
        row("damaged design", "DATA", "",
            ExampleData::designJson().replace("\"isc_stc\": 10.45", "\"x\": 1"), "", 2,
            "damaged-design.design.json\" cannot be used: The design file has no member "
            "\"arrays[0].isc_stc\".",
            "");
        row("no such design file", "DATA", "", "missing", "", 2,
            "no-such-design-file.design.json\" could not be read", "");
        row("no such source", "missing.csv", "", "", "", 2, "could not be read", "");
        // A report that cannot be written says where and why, and leaves nothing behind nor
        // touches what was there.
        row("no such folder", "DATA", "", "", "no-folder/report.pdf", 5,
            "no-folder/report.pdf: No such file or directory", "");
        row("a folder", "DATA", "", "", "archive", 5, "The report could not be written to ", "");
        row("below a file", "DATA", "", "", "emulator.csv/report.pdf", 5,
            "emulator.csv/report.pdf: Not a directory", "");
        row("the design kept in the archive", "@", "ARCHIVE", "-", "", 0, "", "in the archive");
        row("a saved file, the design kept in the archive", "DATA", "ARCHIVE", "-", "", 0, "",
            "emulator.csv");
        row("a kept design that no longer reads", "DATA", "BROKEN", "-", "", 2,
            "The design kept in the archive for \"Marsh Lane Solar Park\" cannot be used: ", "");
        row("no design kept", "DATA", "EMPTY", "-", "", 2,
            "No design is kept in the archive for the site of these results (Hillside Farm, ", "");
        // Results of seven sites, two of them with a design kept: the user chooses.
        row("designs kept for two of the sites", "DATA", "TWO", "-", "", 2,
            "The archive keeps designs for several sites of these results (Hillside Farm, Marsh "
            "Lane Solar Park); choose one with --design.",
            "");
    }
    void report()
    {
        QFETCH(QString, source);
        QFETCH(QString, archive);
        QFETCH(QByteArray, design);
        QFETCH(QString, output);
        QFETCH(int, status);
        QFETCH(QByteArray, errorHas);
        QFETCH(QString, textHas);

        const QString tag = QString::fromLatin1(QTest::currentDataTag()).replace(' ', '-');
        const QByteArray site = source == "Zürich Süd" ? source.toUtf8() : MarshLane;
        const QByteArray bytes = QByteArray(data).replace(MarshLane, site);
        QString from = named.value(source, source);
        if (site != MarshLane) {
            design = ExampleData::designJson().replace(MarshLane, site);
            QVERIFY(put(from = dir.filePath(source + ".csv"), bytes));
        }
        output = dir.filePath(output.isEmpty() ? tag + QStringLiteral("-report.pdf") : output);
        QStringList arguments{"--report", from, "--output", output};
        if (design != "-") {
            const QString path = dir.filePath(tag + QStringLiteral(".design.json"));
            QVERIFY(design == "missing" || design.isEmpty() || put(path, design));
            arguments << "--design" << (design.isEmpty() ? designPath : path);
        }
        if (!archive.isEmpty())
            arguments << "--archive" << named.value(archive);

        const QStringList before = QDir(dir.path()).entryList();
        ProgramRun run(arguments, ProgramRun::inCLocale(true)); // and no runtime folder
        const int exitStatus = run.wait();
        QVERIFY2(run.error.contains(errorHas), run.error.constData());
        QCOMPARE(exitStatus, status);
        QCOMPARE(QFileInfo(output).isFile(), status == 0);
        QCOMPARE(contents(dataPath), data);
        QVERIFY(QFile::exists(named.value("ARCHIVE")));
        if (status != 0) { // nothing left behind, no archive made
            QCOMPARE(QDir(dir.path()).entryList(), before);
            return;
        }
        QVERIFY2(run.error.isEmpty(), run.error.constData());

        const QString text = pdfPages(output, false).join(QLatin1Char(' ')).simplified();
        const QByteArray sha = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
        for (const QString &part : {QString::fromLatin1(sha), QString::fromUtf8(site),
                                    QStringLiteral("21 modules measured, 22 designed"), textHas})
            QVERIFY2(text.contains(part), qPrintable(part + " not in: " + text.right(600)));
    }

    void summary_data()
    {
        QTest::addColumn<QByteArray>("file"); // empty: no such file; "sparse": 1 GiB of holes
        QTest::addColumn<QString>("format");  // empty: no --format
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("output");   // the standard output, exactly
        QTest::addColumn<QByteArray>("errorHas"); // a part of the error stream
        const auto row = [](const char *name, const QByteArray &file, const char *format,
                            int status, const QByteArray &output, const char *errorHas) {
            QTest::newRow(name) << file << format << status << output << QByteArray(errorHas);
        };

        const QByteArray data = builtIn();
        const int records = data.count('\n') - 1;
        const int pass = endingWith(data, ",PASS");
        const int fail = endingWith(data, ",FAIL");
        QVERIFY(pass + fail == records && fail > 0);
        const QString line = QStringLiteral("%1 records · %2 PASS · %3 FAIL\n");
        const QByteArray counts = line.arg(records).arg(pass).arg(fail).toUtf8();
        const QByteArray cut = data.left(data.size() - 7); // mid-way through the last record

        row("whole, --format text", data, "text", 0, counts, "");
        // The cut record's result is gone: it counts as other.
        row("cut, text", cut, "", 6,
            line.arg(records)
                    .arg(endingWith(cut, ",PASS"))
                    .arg(endingWith(cut, ",FAIL"))
                    .replace("\n", " · 1 other\n")
                    .toUtf8() +
                CutText.toUtf8() + '\n',
            "");
        row("no result column, lower-case file", "no,volts\n1,3.5\n2,3.6\n4,3.4\n", "", 6,
            "3 records\nThe record numbers jump from 2 to 4 on line 4: records may be missing.\n",
            "");
        // A user's file is read as it is: UTF-8 (京 is E4 BA AC, no comma in it).
        row("UTF-8 text in a field", QByteArray(data).replace(MarshLane, "\xe4\xba\xac"), "", 0,
            counts, "");
        // Refused by its size before it is read: a sparse file, and a device without an end.
        row("1 GiB sparse file", "sparse", "", 2, "",
            "is too large to read as results: 1,073,741,824 bytes (at most 67,108,864)");
        if (QFile::exists("/dev/zero"))
            row("endless device", "/dev/zero", "", 2, "", "is too large to read");
        row("empty file", "\n", "", 0, "0 records\n", "");
        row("missing file", "", "", 2, "", "could not be read");
        // --format json: one compact line with the figures, the columns and the warnings (each
        // figure's rules: tst_results); only the members given are compared.
        const QString columns =
            QString::fromLatin1(data.left(data.indexOf('\r'))).split(',').join("\", \"");
        row("whole, json", data, "json", 0,
            QStringLiteral(R"({"records": %1, "pass": %2, "fail": %3, "other": 0, "columns": ["%4"],
                "warnings": [], "complete": true})")
                .arg(records)
                .arg(pass)
                .arg(fail)
                .arg(columns)
                .toUtf8(),
            "");
        row("starts mid-record, no header, json", data.mid(data.indexOf('\n') + 30), "json", 6,
            R"({"columns": [], "complete": false})", "");
        row("unknown format", data, "xml", 2, "", "--format takes text or json");
    }
    void summary()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, format);
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
        QStringList arguments{"--summary", path};
        if (!format.isEmpty())
            arguments << "--format" << format;
        ProgramRun run(arguments, ProgramRun::inCLocale());
        QCOMPARE(run.wait(), status);
        if (format == "json" && status != 2) {
            QVERIFY(run.output.endsWith("}\n"));
            QCOMPARE(run.output.count('\n'), 1);
            const QJsonObject object = QJsonDocument::fromJson(run.output).object();
            const QJsonObject expected = QJsonDocument::fromJson(output).object();
            QVERIFY(!expected.isEmpty());
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
        if (status == 2 && format.isEmpty()) // a file refused: named
            QVERIFY(run.error.contains(path.toUtf8()));
        sparse.remove();
    }

    // --design: the emulator's data checked against its example design, as JSON and as text,
    // the site in the design (JSON: UTF-8) and in a UTF-8 or a Latin-1 file. Which rows fail and
    // why is the checks' own (tst_results); here: a short string at its row, with the
    // tester's FAIL count beside the checks'. Design files that cannot be used: report_data.
    void design_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QByteArray>("site"); // in the data file for the site's name
        QTest::newRow("json") << "json" << MarshLane;
        QTest::newRow("text") << "text" << MarshLane;
        QTest::newRow("UTF-8 site") << "json" << QStringLiteral("Zürich Süd").toUtf8();
        QTest::newRow("Latin-1 site") << "text" << QStringLiteral("Zürich Süd").toLatin1();
    }
    void design()
    {
        QFETCH(QString, format);
        QFETCH(QByteArray, site);

        const QByteArray bytes = builtIn().replace(MarshLane, site);
        const QString dataFile = dir.filePath(QStringLiteral("summary.csv"));
        const QString designFile = dir.filePath(QStringLiteral("summary.design.json"));
        QVERIFY(put(dataFile, bytes));
        const QByteArray inDesign =
            site == MarshLane ? site : QStringLiteral("Zürich Süd").toUtf8();
        QVERIFY(put(designFile, designJson().replace(MarshLane, inDesign)));
        ProgramRun run({"--summary", dataFile, "--design", designFile, "--format", format},
                       ProgramRun::inCLocale());
        QCOMPARE(run.wait(), 0);

        const QMap<QString, int> shortStrings = ExampleData::shortStrings(bytes, site);
        QVERIFY(!shortStrings.isEmpty());
        const auto shortString = shortStrings.constBegin();
        const int testerFail = endingWith(bytes, ",FAIL");
        const QString reason = QStringLiteral("21 modules measured, 22 designed");
        if (format == "json") {
            const QJsonObject object = QJsonDocument::fromJson(run.output).object();
            const QJsonObject checks = object.value("design").toObject();
            QCOMPARE(object.value("fail").toInt(), testerFail);
            QVERIFY(checks.value("checked").toInt() > 0);
            QVERIFY(checks.value("failures")
                        .toArray()
                        .contains(QJsonObject{{"row", shortString.value()},
                                              {"string", shortString.key()},
                                              {"check", "module_count"},
                                              {"reason", reason}}));
            return;
        }
        const QByteArray counts = run.output.split('\n').value(1);
        QVERIFY2(counts.startsWith(QByteArray::number(testerFail) + " FAIL by the tester · ") &&
                     counts.endsWith(" more by the design checks"),
                 counts.constData());
        const QByteArray line = QStringLiteral("row %1, %2: module_count: %3\n")
                                    .arg(shortString.value())
                                    .arg(shortString.key(), reason)
                                    .toUtf8();
        QVERIFY2(run.output.contains(line), line.constData());
    }

    void cleanup() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // The emulator's data with the Marsh Lane design, in two locales: every string of the site
    // has its row with both verdicts, the summary counts agree with the data set's own account
    // of its strings, every failure is listed with its reason, the trace holds the SHA-256 of
    // the bytes, and every page has the header and its number.
    void emulatorData_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::newRow("en_US") << QStringLiteral("en_US");
        QTest::newRow("de_DE") << QStringLiteral("de_DE");
    }
    void emulatorData()
    {
        QFETCH(QString, locale);
        QLocale::setDefault(QLocale(locale));

        const QByteArray received = ExampleData::builtIn();
        const ResultTable table = ResultsParser::parse(received);
        const SiteDesign design = ExampleData::design();
        const ReportTrace trace =
            ReportTrace::of(received, QDateTime(QDate(2024, 4, 16), QTime(17, 5, 9)), 42);
        const QByteArray sha =
            QCryptographicHash::hash(received, QCryptographicHash::Sha256).toHex();

        const DesignChecks checks(table, design);
        const CommissioningReport report(table, design, checks, trace);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("marsh-lane.pdf"));
        QString error;
        QVERIFY2(report.save(path, &error), qPrintable(error));
        QVERIFY(contents(path).startsWith("%PDF-1.4"));
        QVERIFY(contents(path).contains("pdfaid:part")); // PDF/A-1b metadata

        const QStringList pages = pdfPages(path);
        QVERIFY(pages.size() >= 3);
        checkPages(pages);
        const QString text = pages.join(QLatin1Char('\n'));
        const QString flatText = text.simplified();

        // The first page: who, where, when, with what.
        const QString first = pages.at(0).simplified();
        QString dateFormat = QLocale().dateFormat(QLocale::ShortFormat);
        if (!dateFormat.contains(QLatin1String("yyyy")))
            dateFormat.replace(QLatin1String("yy"), QLatin1String("yyyy"));
        for (const QString &expected :
             {QString(MarshLane), QStringLiteral("Marsh Lane, Eastwick"),
              QStringLiteral("Marsh Lane Energy Ltd"), QStringLiteral("J. Okafor"),
              QStringLiteral("MT-204871"), QLocale().toString(QDate(2024, 1, 15), dateFormat),
              QLocale().toString(QDate(2024, 4, 15), dateFormat),
              QLocale().toString(QDate(2024, 4, 16), dateFormat)}) {
            QVERIFY2(first.contains(expected), qPrintable(expected));
        }

        // Each string's row: its name, its measured Voc, the tester's verdict and the checks'.
        const QRegularExpression rowPattern(
            QStringLiteral("^\\s*(INV\\d+-S\\d+)\\s+(\\S+)\\s.*\\s(PASS|FAIL)\\s+(PASS|FAIL)\\s*$"),
            QRegularExpression::MultilineOption);
        QMap<QString, QStringList> rows;
        for (auto match = rowPattern.globalMatch(text); match.hasNext();) {
            const auto m = match.next();
            rows.insert(m.captured(1), {m.captured(2), m.captured(3), m.captured(4)});
        }
        // The summary, counted from the data set's own account of its strings.
        const std::vector<int> shortList = TesterDataSet::oneModuleShort();
        const std::set<int> shortRecords(shortList.cbegin(), shortList.cend());
        const auto column = [&table](const char *name) { return table.columnNamed({name}); };
        const int site = column("Site"), string = column("String"), voc = column("Voc");
        int records = 0, testerFail = 0, shortPassed = 0;
        for (int r = 0; r < table.rowCount(); ++r) {
            if (table.field(r, site) != QString(MarshLane))
                continue;
            const QString result = table.field(r, table.resultColumn);
            ++records;
            testerFail += result == "FAIL";
            shortPassed += result != "FAIL" && shortRecords.count(r + 1);
            const QString where = table.field(r, string);
            const QStringList row = rows.value(where);
            QVERIFY2(row.size() == 3, qPrintable(where));
            QCOMPARE(row.at(0),
                     QString(table.field(r, voc)).replace('.', QLocale().decimalPoint()));
            QCOMPARE(row.at(1), result);
            QCOMPARE(row.at(2), checks.rows().at(r).failed() ? "FAIL" : "PASS");
            // Every failing check is listed with its reason.
            for (int c = 0; c < DesignChecks::checkCount; ++c) {
                const QString reason = checks.reason(r, DesignChecks::Check(c)).simplified();
                if (checks.verdict(r, DesignChecks::Check(c)) == DesignChecks::Verdict::Fail)
                    QVERIFY2(flatText.contains(reason), qPrintable(where + ": " + reason));
            }
        }
        QCOMPARE(records, 96);
        QCOMPARE(rows.size(), records);
        QCOMPARE(report.siteRows().size(), records);
        QVERIFY(shortPassed > 0);
        const QString summary = QStringLiteral("%1 FAIL by the tester \u00b7 %2 more by the design "
                                               "checks")
                                    .arg(testerFail)
                                    .arg(shortPassed);
        QVERIFY2(first.contains(summary), qPrintable(summary));
        QVERIFY(first.contains(QStringLiteral("%1 records: %2 PASS and %3 FAIL by the tester")
                                   .arg(records)
                                   .arg(records - testerFail)
                                   .arg(testerFail)));
        // No other site's strings (the other visits use INV1 to INV4 too, on other days).
        QVERIFY(!text.contains(QLatin1String("Hillside Farm")));

        // The criteria, the signatures and the trace.
        for (const QString &expected :
             QStringList{"Pass criteria", "Solwind SW-400M", "Signature",
                         "download 42 in the archive", sha, QLocale().toString(received.size())}) {
            QVERIFY2(flatText.contains(expected), qPrintable(expected));
        }
        // The preview holds the same report.
        QVERIFY(report.html().contains(sha) && report.html().contains(summary));
    }

    // Data that gives nothing to report, and designs that make no sense: a report all the same,
    // one that says what there is, never a crash.
    void edgeCases_data()
    {
        QTest::addColumn<QString>("csv");
        QTest::addColumn<QString>("design"); // "marsh lane", "zeros" or "no arrays"
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("pages"); // 0: any number

        const auto row = [](const char *name, const QString &csv, const char *design,
                            const char *expected, int pages) {
            QTest::newRow(name) << csv << QString(design) << QString::fromUtf8(expected) << pages;
        };
        const QString header = "Record,Date,Time,Site,String,Voc (V),Isc (A),Irradiance (W/m2),"
                               "Module Temp (C),Riso (MOhm),Continuity (Ohm),Result\n";
        const char *nothing = "Nothing to report: the data holds no records.";
        row("empty data", QString(), "marsh lane", nothing, 1);
        row("header only", header, "marsh lane", nothing, 1);
        row("another site only",
            header +
                "1,2024-04-08,09:00:00,Hillside Farm,INV1-S01,760.1,9.1,880,40.0,500,0.2,PASS\n",
            "marsh lane",
            "Nothing to report: the data holds no records of the site \"Marsh Lane Solar Park\".",
            1);
        const QString rows =
            header + "1,2024-04-15,09:00:00,Marsh Lane Solar Park,INV1-S01,nan,,-5,1e308,> 999,"
                     "< 0.01,PASS\n"
                     "2,15.04.2024,09:05:00,Marsh Lane Solar Park,INV1-S02,806.4,10.4,1000,25,0.3,"
                     "2.5,FAIL\n"
                     "3,,,Marsh Lane Solar Park,,,,,,,,\n"
                     "4,2024-04-15,09:10:00,Marsh Lane Solar Park,XYZ-1,844.8\n";
        const char *odd = "4 records: 1 PASS, 1 FAIL and 2 other by the tester";
        // One verdict rule everywhere: the tester's words in other forms counted as by --summary
        // (tst_results), the records neither PASS nor FAIL as other.
        QString words = header;
        int record = 0;
        for (const char *word :
             {"PASS", " passed", "Ok", "PASS\t", "FAILED", "NOT OK", "nok ", "FAIL\t", "---"}) {
            words += QString("%1,2024-04-15,09:00:00,Marsh Lane Solar Park,INV1-S%1,844.8,10.4,"
                             "1000,25,100,0.1,%2\r\n")
                         .arg(++record)
                         .arg(word);
        }
        row("the tester's words in other forms", words, "marsh lane",
            "9 records: 4 PASS, 4 FAIL and 1 other by the tester", 0);
        row("odd fields", rows, "marsh lane", odd, 0);
        row("zero modules, zero Voc, no Isc", rows, "zeros", odd, 0);
        row("no arrays", rows, "no arrays",
            "The design has no arrays: no string was checked against it.", 0);
        // T of 1e308 with β of -10 %/°C: no expected Voc rather than a negative one.
        row("nonsense temperature factor", rows, "nonsense beta", "INV1-S01 nan — — — -5 1e+308",
            0);
        // A long name without spaces: cut, the numbers beside it whole, a page or two.
        row("a 5,000-character string name",
            header + QString("1,2024-04-15,09:00:00,Marsh Lane Solar Park,INV1-S%1,806.4,10.4,"
                             "1000,25,0.3,2.5,FAIL\n")
                         .arg(QString(5000, 'X')),
            "marsh lane", "INV1-SXXXXXXXXXXXXX… 806.4 844.8 10.4", 2);
        // A right-to-left override in the design's texts reverses only those texts.
        row("right-to-left override", rows, "right to left",
            "serial number MT-204871, calibrated on 1/15/2024", 0);
        // Arrays without strings: a line in the criteria, no page each.
        row("1,000 arrays without strings", rows, "1000 arrays",
            "Arrays without strings in the data (1,000): Empty 1, Empty 2, ", 2);
    }
    void edgeCases()
    {
        QFETCH(QString, csv);
        QFETCH(QString, design);
        QFETCH(QString, expected);
        QFETCH(int, pages);

        SiteDesign site = ExampleData::design();
        if (design == QLatin1String("no arrays")) {
            site.arrays.clear();
        } else if (design == QLatin1String("zeros")) {
            site.arrays[0].modulesInSeries = 0;
            site.arrays[0].vocStc = 0.0;
            site.arrays[0].iscStc = qQNaN();
            site.arrays[0].betaVoc = -400.0;
        } else if (design == QLatin1String("nonsense beta")) {
            site.arrays[0].betaVoc = -10.0;
        } else if (design == QLatin1String("right to left")) {
            site.instrument.model = QStringLiteral("\u202ePV tester");
            site.client = QStringLiteral("\u202eMarsh Lane Energy Ltd\u2069\u202e");
        } else if (design == QLatin1String("1000 arrays")) {
            for (int a = 1; a <= 1000; ++a) {
                SiteDesign::Array empty = site.arrays.at(0);
                empty.name = QStringLiteral("Empty %1").arg(a);
                empty.match = QStringLiteral("NONE%1-").arg(a);
                site.arrays.append(empty);
            }
        }
        const QByteArray received = csv.toUtf8();
        const CommissioningReport report(ResultsParser::parse(received), site,
                                         ReportTrace::of(received,
                                                         QDateTime(QDate(2024, 5, 2), QTime(10, 0)),
                                                         0, QStringLiteral("results.csv")));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("report.pdf"));
        QString error;
        QVERIFY2(report.save(path, &error), qPrintable(error));
        // The model: the tester's counts add up to the site's records, and an expected Voc is
        // a figure of at least 0 or none (DesignChecks' guard against a nonsensical factor).
        const ReportModel &model = report.model();
        const ResultTable::VerdictCounts &counts = model.testerCounts();
        QCOMPARE(counts.pass + counts.fail + counts.other(), model.siteRows().size());
        for (const QVector<ReportModel::StringRow> &rows : model.arrayRows()) {
            for (const ReportModel::StringRow &row : rows)
                QVERIFY2(std::isnan(row.expectedVoc) || row.expectedVoc >= 0,
                         qPrintable(QString::number(row.expectedVoc)));
        }
        const QStringList text = pdfPages(path);
        if (pages > 0)
            QCOMPARE(text.size(), pages);
        checkPages(text);
        const QString all = text.join(QLatin1Char(' ')).simplified();
        QVERIFY2(all.contains(expected), qPrintable(all.left(2000)));
        // The date of the tests: the site's rows' dates (ISO or day.month.year) when there are
        // any, else the day of the download.
        const QString testDate = report.isEmpty() ? QStringLiteral("Date of the tests 5/2/2024 ")
                                                  : QStringLiteral("Date of the tests 4/15/2024 ");
        QVERIFY2(all.contains(testDate), qPrintable(all.left(600)));
        QVERIFY2(all.contains(QStringLiteral("file results.csv")), qPrintable(all.right(600)));
        QVERIFY(all.contains(QString::fromLatin1(
            QCryptographicHash::hash(received, QCryptographicHash::Sha256).toHex())));
    }
};

QTEST_MAIN(TestReportCommand)
#include "tst_reportcommand.moc"
