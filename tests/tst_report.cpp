#include "checks/DesignChecks.h"
#include "checks/DesignFile.h"
#include "report/CommissioningReport.h"
#include "report/ReportTrace.h"
#include "results/ResultTable.h"
#include "results/ResultsParser.h"

#include "ExampleData.h"
#include "TestSupport.h"
#include "TesterDataSet.h"

#include <QCryptographicHash>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <set>

using namespace TestSupport;

namespace {

const QString marshLane = QStringLiteral("Marsh Lane Solar Park");

// Every page starts with the site and the report's title and says which page of how many.
void checkPages(const QStringList &pages)
{
    for (int p = 0; p < pages.size(); ++p) {
        const QString first = pages.at(p).section(QLatin1Char('\n'), 0, 0);
        QVERIFY2(first.contains(marshLane) && first.contains("Commissioning test report"),
                 qPrintable(QStringLiteral("page %1 starts: %2").arg(p + 1).arg(first)));
        QVERIFY(pages.at(p).contains(QStringLiteral("Page %1 of %2").arg(p + 1).arg(pages.size())));
    }
}

} // namespace

// The commissioning report as a PDF: what its pages say, read back with pdftotext.
class TestReport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
                 "pdftotext (poppler-utils) is needed: tools/install-deps.sh installs it");
    }
    void cleanup() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // The emulator's data with the Marsh Lane design, in two locales: every string of the site
    // has its row with both verdicts, the summary counts agree with the data set's own account
    // of its strings, every failure is listed with its reason, the trace holds the SHA-256 of
    // the bytes, and every page has the header and its number.
    void emulatorData_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("vocOfRecord"); // how the Voc of the site's first row reads
        QTest::newRow("en_US") << QStringLiteral("en_US") << QStringLiteral(".");
        QTest::newRow("de_DE") << QStringLiteral("de_DE") << QStringLiteral(",");
    }
    void emulatorData()
    {
        QFETCH(QString, locale);
        QFETCH(QString, vocOfRecord);
        QLocale::setDefault(QLocale(locale));

        const QByteArray received = ExampleData::builtIn();
        const ResultTable table = ResultsParser::parse(received);
        const SiteDesign design = ExampleData::design();
        const QDateTime downloaded(QDate(2024, 4, 16), QTime(17, 5, 9));
        const ReportTrace trace = ReportTrace::of(received, downloaded, 42);
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
             {marshLane, QStringLiteral("Marsh Lane, Eastwick"),
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
            if (table.field(r, site) != marshLane)
                continue;
            const QString result = table.field(r, table.resultColumn);
            ++records;
            testerFail += result == "FAIL";
            shortPassed += result != "FAIL" && shortRecords.count(r + 1);
            const QString where = table.field(r, string);
            const QStringList row = rows.value(where);
            QVERIFY2(row.size() == 3, qPrintable(where));
            QCOMPARE(row.at(0), QString(table.field(r, voc)).replace('.', vocOfRecord));
            QCOMPARE(row.at(1), result);
            QCOMPARE(row.at(2), checks.rows().at(r).failed() ? "FAIL" : "PASS");
            // Every failing check is listed with its reason.
            for (int c = 0; c < DesignChecks::checkCount; ++c) {
                if (checks.verdict(r, DesignChecks::Check(c)) != DesignChecks::Verdict::Fail)
                    continue;
                const QString reason = checks.reason(r, DesignChecks::Check(c)).simplified();
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

QTEST_MAIN(TestReport)
#include "tst_report.moc"
