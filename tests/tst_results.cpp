// A download read as a table of results: rows, fields, the header and notes, the delimiter,
// numbers and verdicts, on well-formed, odd and random bytes, and the table model over it;
// whether it looks whole (cut short, started mid-record, odd rows, record numbers that skip or
// repeat), and the summary of it in words and as JSON. The design of a site as its JSON file
// (what is read, the defaults, what is refused and why), and the results checked against it.
#include "ExampleData.h"
#include "TesterDataSet.h"
#include "checks/DesignChecks.h"
#include "checks/DesignFile.h"
#include "results/ResultsCheck.h"
#include "results/ResultsModel.h"
#include "results/ResultsParser.h"
#include "results/ResultsSummary.h"

#include <QtTest>

#include <set>

using Kind = ResultWarning::Kind;

namespace {

// The rows as text: the line of each in the data, a colon and its fields joined by '|'; rows
// joined by '/'.
QString rowsOf(const ResultTable &table)
{
    QStringList rows;
    for (int row = 0; row < table.rowCount(); ++row) {
        QStringList fields;
        for (int column = 0; column < table.fieldCount(row); ++column)
            fields.append(table.field(row, column));
        rows.append(QString::number(table.rowLines.value(row)) + QLatin1Char(':') +
                    fields.join(QLatin1Char('|')));
    }
    return rows.join(QLatin1Char('/'));
}

// "n" for a numeric column, "," for one with decimal commas, "-" for text.
QString kindsOf(const ResultTable &table)
{
    QString kinds;
    for (int column = 0; column < table.numeric.size(); ++column)
        kinds += !table.numeric.at(column)          ? QLatin1Char('-')
                 : table.decimalComma.value(column) ? QLatin1Char(',')
                                                    : QLatin1Char('n');
    return kinds;
}

// What any table read from size bytes must satisfy.
void checkInvariants(const QByteArray &data, const ResultTable &table)
{
    QVERIFY(table.text.size() <= data.size());
    long long fields = table.columns.size();
    for (int row = 0; row < table.rowCount(); ++row) {
        QVERIFY(table.fieldCount(row) >= 1);
        fields += table.fieldCount(row);
        QVERIFY(table.rowLines.at(row) > (row > 0 ? table.rowLines.at(row - 1) : 0));
    }
    QVERIFY(fields <= data.size() + 1);
    QCOMPARE(table.rowLines.size(), table.rowCount());
    QCOMPARE(table.numeric.size(), table.decimalComma.size());
    QVERIFY(table.numeric.size() >= table.columns.size());
    QVERIFY(table.resultColumn < table.numeric.size());
    for (const char c : table.text)
        QVERIFY((c & 0x80) == 0);
    QVERIFY(table.endsWithLineEnd ==
            (data.isEmpty() || (data.back() & 0x7f) == '\n' || (data.back() & 0x7f) == '\r'));
    // Without quotes no byte is lost: the fields hold all but the delimiters and line ends.
    if (!data.contains('"') && !data.contains('\xa2')) {
        QByteArray kept;
        for (const char c : data) {
            const char plain = static_cast<char>(c & 0x7f);
            if (plain != table.delimiter && plain != '\r' && plain != '\n')
                kept += plain;
        }
        QCOMPARE(table.text, kept);
    }
}

// The warnings as "kind@line" words, e.g. "FieldCount@3".
QString describe(const QVector<ResultWarning> &warnings)
{
    static const char *const names[] = {"LastRecordIncomplete", "StartsMidRecord", "FieldCount",
                                        "RecordNumberGap", "RecordNumberRepeat"};
    QStringList words;
    for (const ResultWarning &warning : warnings)
        words.append(QStringLiteral("%1@%2")
                         .arg(QLatin1String(names[static_cast<int>(warning.kind)]))
                         .arg(warning.line));
    return words.join(QLatin1Char(' '));
}

using Check = DesignChecks::Check;
using Verdict = DesignChecks::Verdict;

SiteDesign designOf(const QByteArray &json)
{
    QString error;
    const auto design = DesignFile::read(json, &error);
    if (!design)
        qFatal("test design refused: %s", qPrintable(error));
    return *design;
}

// "P", "F" or "-" per check of a row.
QString verdicts(const DesignChecks &checks, int row)
{
    QString text;
    for (int c = 0; c < DesignChecks::checkCount; ++c) {
        const Verdict verdict = checks.verdict(row, Check(c));
        text += verdict == Verdict::Pass   ? QLatin1Char('P')
                : verdict == Verdict::Fail ? QLatin1Char('F')
                                           : QLatin1Char('-');
    }
    return text;
}

Check checkNamed(const QString &key)
{
    for (int c = 0; c < DesignChecks::checkCount; ++c) {
        if (DesignChecks::checkKey(Check(c)) == key)
            return Check(c);
    }
    qFatal("no check %s", qPrintable(key));
    return Check::ModuleCount;
}

// Isc of a healthy string: 10.45 A at STC, +0.05 %/°C.
double iscAt(double irradiance, double temperature)
{
    return 10.45 * irradiance / 1000.0 * (1.0 + 0.0005 * (temperature - 25.0));
}

// A design of one array, with only the members it needs.
QByteArray minimal()
{
    return R"({"site": "Marsh Lane Solar Park",
  "arrays": [{"name": "A", "match": "INV1-", "modules_in_series": 22,
              "voc_stc": 38.4, "isc_stc": 10.45}]})";
}

// Every member set, names with quotes and umlauts.
SiteDesign full()
{
    SiteDesign design = designOf(R"x({"site": "Hillside Farm", "address": "Hill Rd 4, Dunmore",
  "client": "Hillside Farm Partners", "inspector": "A. Brennan",
  "instrument": {"model": "PV tester", "serial": "SN 0042", "calibrated": "2023-11-30"},
  "tolerances": {"voc_neighbours": 1.5, "isc_stc": 7.5, "min_irradiance": 300},
  "columns": {"voc": "Uoc (V)", "temperature": "Tmod"},
  "arrays": [{"name": "Barn roof", "match": "INV1-", "module": "Solwind SW-400M",
    "modules_in_series": 20, "voc_stc": 38.4, "isc_stc": 10.45, "beta_voc": -0.29},
   {"name": "Shed", "match": "INV2-", "module": "Solwind SW-400M",
    "modules_in_series": 3, "voc_stc": 38.4, "isc_stc": 10.45, "beta_voc": -0.29,
    "insulation_test_voltage": 500, "insulation_min": 2.5, "continuity_max": 0.8}]})x");
    design.arrays[1].name = QStringLiteral("Shed \"B\" – östlich");
    return design;
}

// bytes changed as a line or an editor can change them, from random: a byte replaced (by one of
// pieces, or any byte), a run removed, one of pieces inserted, or cut short.
QByteArray mutated(QByteArray bytes, QRandomGenerator &random, int edits, const QByteArray &pieces)
{
    for (int e = 0; e < edits && !bytes.isEmpty(); ++e) {
        const int at = random.bounded(bytes.size());
        const char piece = pieces.at(random.bounded(pieces.size()));
        switch (random.bounded(5)) {
        case 0:
            bytes[at] = random.bounded(2) ? piece : char(random.bounded(256));
            break;
        case 1:
            bytes.remove(at, 1 + random.bounded(19));
            break;
        case 2:
            bytes.insert(at, piece);
            break;
        case 3:
            bytes[at] = char(bytes.at(at) ^ (1 << random.bounded(8)));
            break;
        default:
            bytes.truncate(at);
        }
    }
    return bytes;
}

} // namespace

class TestResults : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void initTestCase() { cleanup(); }

    // One string beside four healthy neighbours of the same array (at 25 °C, 1000 W/m²): the
    // five checks' verdicts and a reason, by the worked examples of their formulas.
    void checks_data()
    {
        // "modules Voc(STC) temp Voc Isc G Riso continuity continuity-max"; Isc "*" is a healthy
        // string's, "-" no value.
        QTest::addColumn<QString>("reading");
        QTest::addColumn<QString>("expected"); // module count, neighbours, Isc, Riso, continuity
        QTest::addColumn<QString>("check");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("locale");
        const auto row = [](const char *name, const char *reading, const char *expected,
                            const char *check, const char *reason, const char *locale = "en_US") {
            QTest::newRow(name) << reading << expected << check << QString::fromUtf8(reason)
                                << locale;
        };
        // Module count (β −0.29 %/°C, 38.4 V per module at STC).
        const char *count = "module_count";
        row("22 of 22, 25 °C", "22 38.4 25 844.8 * 1000 100 0.1 -", "PPPP-", count,
            "22 modules measured, 22 designed");
        row("21 of 22, 25 °C", "22 38.4 25 806.4 * 1000 100 0.1 -", "FFPP-", count,
            "21 modules measured, 22 designed");
        row("21 of 22, 25 °C, neighbours", "22 38.4 25 806.4 * 1000 100 0.1 -", "FFPP-",
            "voc_neighbours",
            "Voc at 25 °C -4.5 % from the array's median of 844.8 V (at most 2.0 %)");
        // Cold: 22 modules at 5 °C give 893.8 V, 5.8 % above 22 × 38.4 V, and 21 give 853.2 V,
        // only 1 % above it: a band around the STC voltage gets both wrong, the count does not.
        row("22 of 22, 5 °C", "22 38.4 5 893.8 * 1000 100 0.1 -", "PPPP-", "voc_neighbours",
            "Voc at 25 °C 0.0 % from the array's median of 844.8 V (at most 2.0 %)");
        row("21 of 22, 5 °C", "22 38.4 5 853.2 * 1000 100 0.1 -", "FFPP-", count,
            "21 modules measured, 22 designed");
        row("9 of 10, 65 °C", "10 38.4 65 305.5 * 1000 100 0.1 -", "FFPP-", count,
            "9 modules measured, 10 designed");
        row("no temperature", "22 38.4 - 844.8 10.45 1000 100 0.1 -", "---P-", count,
            "The row has no value of module temperature.");
        // Isc at STC (α +0.05 %/°C, 10.45 A).
        const char *isc = "isc_stc";
        row("Isc at 800 W/m², 45 °C", "22 38.4 45 795.8 * 800 100 0.1 -", "PPPP-", isc,
            "Isc at STC 10.45 A, 0.0 % from the designed 10.45 A (at most 10.0 %)");
        row("Isc 13.9 % low, German", "22 38.4 25 844.8 9.0 1000 100 0.1 -", "PPFP-", isc,
            "Isc at STC 9,00 A, -13,9 % from the designed 10,45 A (at most 10,0 %)", "de_DE");
        row("Isc 9.9 % high", "22 38.4 25 844.8 11.48 1000 100 0.1 -", "PPPP-", isc,
            "Isc at STC 11.48 A, 9.9 % from the designed 10.45 A (at most 10.0 %)");
        row("Isc 10.2 % high", "22 38.4 25 844.8 11.52 1000 100 0.1 -", "PPFP-", isc,
            "Isc at STC 11.52 A, 10.2 % from the designed 10.45 A (at most 10.0 %)");
        row("399 W/m²", "22 38.4 25 844.8 3.0 399 100 0.1 -", "PP-P-", isc,
            "Irradiance of 399 W/m² below the 400 W/m² the check needs");
        row("400 W/m²", "22 38.4 25 844.8 * 400 100 0.1 -", "PPPP-", isc,
            "Isc at STC 10.45 A, 0.0 % from the designed 10.45 A (at most 10.0 %)");
        // Insulation by the band of N × Voc(STC) × 1.25 (the bands: insulationBands).
        row("119.75 V, 0.50 MΩ", "2 47.9 25 95.8 * 1000 0.5 0.1 -", "PPPP-", "insulation",
            "0.50 MΩ, at least 0.50 MΩ designed");
        row("120 V, 0.99 MΩ", "2 48 25 96 * 1000 0.99 0.1 -", "PPPF-", "insulation",
            "0.99 MΩ, at least 1.00 MΩ designed");
        row("over range", "22 38.4 25 844.8 * 1000 >999 0.1 -", "PPPP-", "insulation",
            "999.00 MΩ, at least 1.00 MΩ designed");
        row("no reading", "22 38.4 25 844.8 * 1000 --- 0.1 -", "PPP--", "insulation",
            "The row has no value of insulation resistance.");
        // Continuity, only when the design sets a maximum.
        row("continuity 1.00 Ω of 1", "22 38.4 25 844.8 * 1000 100 1.00 1", "PPPPP", "continuity",
            "1.00 Ω, at most 1.00 Ω designed");
        row("continuity 1.01 Ω of 1", "22 38.4 25 844.8 * 1000 100 1.01 1", "PPPPF", "continuity",
            "1.01 Ω, at most 1.00 Ω designed");
        row("continuity 50 Ω, no maximum", "22 38.4 25 844.8 * 1000 100 50 -", "PPPP-",
            "continuity", "The design sets no maximum for continuity.");
    }

    void checks()
    {
        QFETCH(QString, reading);
        QFETCH(QString, expected);
        QFETCH(QString, check);
        QFETCH(QString, reason);
        QFETCH(QString, locale);
        QStringList field = reading.split(QLatin1Char(' '));
        const int modules = field.at(0).toInt();
        const double vocStc = field.at(1).toDouble();
        if (field.at(4) == QLatin1String("*"))
            field[4] =
                QString::number(iscAt(field.at(5).toDouble(), field.at(2).toDouble()), 'f', 4);
        field.replaceInStrings(QRegularExpression(QStringLiteral("^-$")), QString());
        const QString maximum =
            field.at(8).isEmpty() ? QString() : ", \"continuity_max\": " + field.at(8);
        const SiteDesign design =
            designOf(QStringLiteral(R"({"site": "Test Site", "arrays": [{"name": "A", "match":
                "INV1-", "modules_in_series": %1, "voc_stc": %2, "isc_stc": 10.45,
                "beta_voc": -0.29%3}]})")
                         .arg(field.at(0), field.at(1), maximum)
                         .toUtf8());
        QString csv = QStringLiteral("Site,String,Voc (V),Isc (A),Irradiance (W/m2),Module Temp "
                                     "(C),Riso (MOhm),Continuity (Ohm),Result\n");
        csv +=
            QStringLiteral("Test Site,INV1-S01,%1,%2,%3,%4,%5,%6,PASS\n")
                .arg(field.at(3), field.at(4), field.at(5), field.at(2), field.at(6), field.at(7));
        for (int i = 2; i <= 5; ++i) {
            csv += QStringLiteral("Test Site,INV1-S%1,%2,10.45,1000,25.0,100,0.10,PASS\n")
                       .arg(i, 2, 10, QLatin1Char('0'))
                       .arg(modules * vocStc, 0, 'f', 2);
        }
        QLocale::setDefault(QLocale(locale));
        const DesignChecks checks(ResultsParser::parse(csv.toUtf8()), design);
        QCOMPARE(checks.checkedRows(), 5);
        QCOMPARE(verdicts(checks, 0), expected);
        QCOMPARE(checks.reason(0, checkNamed(check)), reason);
        for (int i = 1; i <= 4; ++i)
            QCOMPARE(verdicts(checks, i).left(4), QStringLiteral("PPPP"));
        QCOMPARE(checks.failedRows(), expected.contains(QLatin1Char('F')) ? 1 : 0);
        QCOMPARE(checks.failedByDesignOnly(), checks.failedRows());
    }

    // Whole tables: which rows are checked against which array, the columns found by their
    // headers or the design's mapping, the counts and the JSON of the failures.
    void tables_data()
    {
        QTest::addColumn<QString>("csv");
        QTest::addColumn<QByteArray>("design");
        QTest::addColumn<int>("checked");
        QTest::addColumn<int>("failed");
        QTest::addColumn<int>("byDesignOnly");
        QTest::addColumn<QStringList>("failures"); // "row:check"
        QTest::addColumn<QString>("reason");       // "row:check:reason" of any check
        const QByteArray hillside = R"({"site": "Hillside Farm", "arrays": [
            {"name": "Roof", "match": "INV1-", "modules_in_series": 20, "voc_stc": 38.4,
             "isc_stc": 10.45, "continuity_max": 1},
            {"name": "Shed", "match": "INV1-S9", "modules_in_series": 10, "voc_stc": 38.4,
             "isc_stc": 10.45}]})";
        const QString header = QStringLiteral("Site,String,Voc (V),Isc (A),G,Temp,Riso,"
                                              "Continuity,Result\n");
        // A line of a Hillside Farm string: healthy but for what is given.
        const auto hill = [](const char *string, const char *voc = "768.0",
                             const char *rest = "10.45,1000,25,100,0.1,PASS") {
            return QStringLiteral("Hillside Farm,%1,%2,%3\n").arg(string, voc, rest);
        };
        const auto row = [](const char *name, const QString &csv, const QByteArray &design,
                            int checked, int failed, int byDesignOnly, const QStringList &failures,
                            const char *reason) {
            QTest::newRow(name) << csv << design << checked << failed << byDesignOnly << failures
                                << QString::fromUtf8(reason);
        };
        row("rows matched to arrays",
            header + hill("INV1-S01") + hill("inv1-s02") + hill("INV1-S03", "729.6") +
                "Other Site,INV1-S04,768.0,10.45,1000,25,100,0.1,PASS\n"
                "HILLSIDE FARM,INV9-S01,768.0,10.45,1000,25,100,0.1,PASS\n"
                ",INV1-S05,768.0,10.45,1000,25,100,0.1,PASS\n" +
                hill("") + hill("INV1-S06", "768.0", "10.45,1000,25,0.2,0.1,FAIL") +
                hill("INV1-S91", "384.0"),
            hillside, 6, 2, 1, {"3:module_count", "3:voc_neighbours", "8:insulation"},
            "4:module_count:The site \"Other Site\" is not the design's site \"Hillside Farm\".");
        row("no array for the string", header + hill("INV9-S01"), hillside, 0, 0, 0, {},
            "1:insulation:No array of the design matches the string \"INV9-S01\".");
        row("no string name", header + hill("  "), hillside, 0, 0, 0, {},
            "1:continuity:The row has no string name.");
        row("a shed of three strings, one short",
            header + hill("INV1-S91", "384.0") + hill("INV1-S92", "384.0") +
                hill("INV1-S93", "345.6", "10.45,1000,25,100,1.5,FAIL"),
            hillside, 3, 1, 0, {"3:module_count", "3:voc_neighbours"},
            "3:continuity:The design sets no maximum for continuity.");
        row("two strings: no neighbours to compare",
            header + hill("INV1-S91", "384.0") + hill("INV1-S92", "345.6"), hillside, 2, 1, 1,
            {"2:module_count"},
            "2:voc_neighbours:2 strings of this array to compare, at least 3 needed");
        row("one array at four temperatures",
            header + hill("INV1-S01", "802.6", "10.37,1000,10,100,0.1,PASS") + hill("INV1-S02") +
                hill("INV1-S03", "721.9", "10.55,1000,45,100,0.1,PASS") +
                hill("INV1-S04", "687.4", "10.63,1000,60,100,0.1,PASS"),
            hillside, 4, 0, 0, {}, "4:module_count:20 modules measured, 20 designed");
        row("units in the headers",
            "String,Voc (mV),Isc (mA),Irradiance (W/m2),Module Temp (C),Riso (kOhm),"
            "Continuity (mOhm)\n"
            "INV1-S01,768000,10450,1000,25,800,1200\n"
            "INV1-S02,768000,10450,1000,25,1500,200\n"
            "INV1-S03,768000,10450,1000,25,1500,200\n",
            hillside, 3, 1, 1, {"1:insulation", "1:continuity"},
            "1:continuity:1.20 Ω, at most 1.00 Ω designed");
        row("columns named by the design",
            "Location,Circuit,Uoc (V),Isc (A),E,Tmod (C),R insulation\n"
            "Hillside Farm,INV1-S01,768.0,10.45,1000,25,0.3\n"
            "Hillside Farm,INV1-S02,768.0,10.45,1000,25,100\n"
            "Elsewhere,INV1-S03,768.0,10.45,1000,25,100\n",
            QByteArray(hillside).replace("\"arrays\"",
                                         R"x("columns": {"site": "Location", "string": "Circuit",
                "voc": "uoc", "irradiance": "E", "temperature": "Tmod (C)",
                "insulation": "R insulation"}, "arrays")x"),
            2, 1, 1, {"1:insulation"}, "2:continuity:The data has no column of continuity.");
        row("a named column missing", header + hill("INV1-S01"),
            QByteArray(hillside).replace("\"arrays\"", R"("columns": {"voc": "Open V"}, "arrays")"),
            1, 0, 0, {}, "1:module_count:The data has no column \"Open V\".");
        row("no module temperature column",
            "String,Voc,Isc,G,Riso\nINV1-S01,768.0,10.45,1000,100\n", hillside, 1, 0, 0, {},
            "1:isc_stc:The data has no column of module temperature.");
        row("any site", header + "Elsewhere,INV1-S01,768.0,10.45,1000,25,0.1,0.1,FAIL\n",
            QByteArray(hillside).replace("Hillside Farm", ""), 1, 1, 0, {"1:insulation"},
            "1:insulation:0.10 MΩ, at least 1.00 MΩ designed");
        row("header only", header, hillside, 0, 0, 0, {}, "");
    }

    void tables()
    {
        QFETCH(QString, csv);
        QFETCH(QByteArray, design);
        QFETCH(int, checked);
        QFETCH(int, failed);
        QFETCH(int, byDesignOnly);
        QFETCH(QStringList, failures);
        QFETCH(QString, reason);

        const ResultTable table = ResultsParser::parse(csv.toUtf8());
        const DesignChecks checks(table, designOf(design));
        QCOMPARE(checks.rows().size(), table.rowCount());
        QCOMPARE(checks.checkedRows(), checked);
        QCOMPARE(checks.failedRows(), failed);
        QCOMPARE(checks.failedByDesignOnly(), byDesignOnly);

        const QJsonObject json = checks.toJson();
        QCOMPARE(json.value("checked").toInt(-1), checked);
        QCOMPARE(json.value("fail").toInt(-1), failed);
        QStringList listed;
        for (const QJsonValue &value : json.value("failures").toArray()) {
            const QJsonObject failure = value.toObject();
            const int row = failure.value("row").toInt();
            const QString key = failure.value("check").toString();
            listed << QStringLiteral("%1:%2").arg(row).arg(key);
            QCOMPARE(failure.value("string").toString(), checks.rows().at(row - 1).string);
            QCOMPARE(failure.value("reason").toString(), checks.reason(row - 1, checkNamed(key)));
            QCOMPARE(checks.verdict(row - 1, checkNamed(key)), Verdict::Fail);
        }
        QCOMPARE(listed, failures);

        if (!reason.isEmpty()) {
            const QStringList parts = reason.split(QLatin1Char(':'));
            const int row = parts.at(0).toInt() - 1;
            QCOMPARE(checks.reason(row, checkNamed(parts.at(1))), parts.mid(2).join(':'));
        }
    }

    // The emulator's results with a design per site: every string one module short is flagged
    // by the module count, the tester's FAILs are the insulation and continuity failures, and
    // nothing else raises an alarm.
    void emulatorDataSet()
    {
        const ResultTable table = ResultsParser::parse(ExampleData::builtIn());
        QCOMPARE(table.rowCount(), 250);
        const std::vector<int> shortList = TesterDataSet::oneModuleShort();
        const std::set<int> shortRecords(shortList.cbegin(), shortList.cend());
        QVERIFY(shortRecords.size() >= 3);

        const int irradiance = table.columnNamed({QStringLiteral("Irradiance")});
        int checked = 0;
        int byDesignOnly = 0;
        std::set<int> flagged;
        const QVector<QPair<QString, int>> sites{
            {"Marsh Lane Solar Park", 22}, {"Hillside Farm", 20},  {"Riverside Depot", 18},
            {"St Aidan's School", 16},     {"Oakfield Dairy", 19}, {"Harbour View Apartments", 14},
            {"Greenway Business Park", 20}};
        for (const auto &site : sites) {
            SiteDesign design = ExampleData::design();
            design.site = site.first;
            design.arrays[0].modulesInSeries = site.second;
            const DesignChecks checks(table, design);
            checked += checks.checkedRows();
            byDesignOnly += checks.failedByDesignOnly();
            for (int r = 0; r < table.rowCount(); ++r) {
                if (checks.rows().at(r).array < 0)
                    continue;
                const bool isShort = shortRecords.count(r + 1) > 0; // records 1 to 250 in order
                const auto failed = [&](Check c) { return checks.verdict(r, c) == Verdict::Fail; };
                const QByteArray where =
                    QStringLiteral("record %1: %2").arg(r + 1).arg(verdicts(checks, r)).toUtf8();
                QVERIFY2(failed(Check::ModuleCount) == isShort, where);
                QVERIFY2(failed(Check::VocNeighbours) == isShort, where);
                QVERIFY2(!failed(Check::IscStc), where);
                QCOMPARE(checks.verdict(r, Check::IscStc) == Verdict::NotChecked,
                         table.field(r, irradiance).toInt() < 400);
                QVERIFY2((failed(Check::Insulation) || failed(Check::Continuity)) ==
                             checks.rows().at(r).testerFail,
                         where);
                if (isShort) {
                    flagged.insert(r + 1);
                    QCOMPARE(checks.reason(r, Check::ModuleCount),
                             QStringLiteral("%1 modules measured, %2 designed")
                                 .arg(design.arrays[0].modulesInSeries - 1)
                                 .arg(design.arrays[0].modulesInSeries));
                }
            }
        }
        QCOMPARE(checked, 250);
        QCOMPARE(flagged, shortRecords);
        int shortPassedByTester = 0;
        for (int number : shortRecords)
            shortPassedByTester += table.field(number - 1, table.resultColumn) == "PASS";
        QCOMPARE(byDesignOnly, shortPassedByTester);
        QVERIFY(byDesignOnly > 0);
    }

    // Members left out take their defaults; members the reading does not know are allowed; a
    // design written reads back the same, and the example beside the emulator byte for byte.
    void roundTrip()
    {
        QString error;
        const auto design = DesignFile::read(minimal(), &error);
        QVERIFY2(design && error.isEmpty(), qPrintable(error));
        QCOMPARE(design->arrays.size(), 1);
        QCOMPARE(design->arrays.at(0).modulesInSeries, 22);
        QVERIFY(!design->arrays.at(0).insulationMin && !design->arrays.at(0).continuityMax);
        QCOMPARE(design->tolerances, SiteDesign::Tolerances());
        const QByteArray more = minimal()
                                    .replace("\"site\"", "\"notes\": [1, {\"x\": null}], \"site\"")
                                    .replace("\"name\"", "\"colour\": \"blue\", \"name\"");
        QCOMPARE(DesignFile::read(more, &error), design);

        // Limits left to their band are not written, so they follow the modules in series.
        QCOMPARE(DesignFile::read(DesignFile::write(full()), &error), std::optional(full()));
        for (const QByteArray &bytes : {DesignFile::write(full()), ExampleData::designJson()}) {
            const auto read = DesignFile::read(bytes, &error);
            QVERIFY2(read, qPrintable(error));
            QCOMPARE(DesignFile::write(*read), bytes);
        }
    }

    // The insulation test voltage and minimum by the system voltage N × Voc × 1.25 (120 V and
    // 500 V belong to the middle band), unless the design sets them.
    void insulationBands()
    {
        const struct
        {
            int modules;
            double voc, testVoltage, minimum;
        } bands[] = {{2, 47.9, 250, 0.5}, {2, 48, 500, 1}, {10, 40, 500, 1}, {10, 40.01, 1000, 1}};
        for (const auto &band : bands) {
            SiteDesign::Array array;
            array.modulesInSeries = band.modules;
            array.vocStc = band.voc;
            QCOMPARE(array.effectiveInsulationTestVoltage(), band.testVoltage);
            QCOMPARE(array.effectiveInsulationMin(), band.minimum);
            array.insulationTestVoltage = 1500.0;
            array.insulationMin = 40.0;
            QCOMPARE(array.effectiveInsulationTestVoltage(), 1500.0);
            QCOMPARE(array.effectiveInsulationMin(), 40.0);
        }
    }

    // Damaged and incomplete files are refused with the member named (or the line of a
    // syntax error) and what is wrong with it.
    void refused_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QStringList>("reason"); // each part in the reason
        const QByteArray good = minimal();
        const auto with = [&good](const char *from, const char *to) {
            return QByteArray(good).replace(from, to);
        };
        const auto row = [](const char *name, const QByteArray &json, const QString &reason) {
            QTest::newRow(name) << json << reason.split('|');
        };
        row("empty", QByteArray(), "not valid JSON");
        row("syntax, line 3", with("\"voc_stc\": 38.4,", "\"voc_stc\": 38.4,,"), "on line 3.");
        row("syntax, line 1", "{\"site\" \"x\"}", "on line 1.");
        row("truncated", good.left(good.size() - 5), "on line 3.");
        row("a list", "[1, 2]", "does not hold a JSON object");
        row("no site", with("\"site\"", "\"sight\""), "no member \"site\"");
        row("site a number", with("\"Marsh Lane Solar Park\"", "7"), "\"site\"|must be text");
        row("no arrays", with("\"arrays\"", "\"arrayz\""), "no member \"arrays\"");
        row("arrays an object", R"({"site": "", "arrays": {"name": "A"}})",
            "\"arrays\"|must be a list");
        row("arrays empty", R"({"site": "", "arrays": []})", "\"arrays\"|is empty");
        row("array item a string", with("[{", "[\"INV1\", {"), "\"arrays[0]\"|must be an object");
        row("second array no isc_stc",
            with("}]}", "}, {\"name\": \"B\", \"match\": \"INV2-\", \"modules_in_series\": 20, "
                        "\"voc_stc\": 38.4}]}"),
            "no member \"arrays[1].isc_stc\"");
        row("no name", with("\"name\"", "\"label\""), "\"arrays[0].name\"");
        row("voc_stc as text", with("38.4", "\"38.4\""), "\"arrays[0].voc_stc\"|must be a number");
        row("voc_stc zero", with("38.4", "0"), "\"arrays[0].voc_stc\"|must be greater than zero");
        row("modules 21.5", with("22", "21.5"),
            "\"arrays[0].modules_in_series\"|must be a whole number");
        row("modules 0", with("22", "0"), "\"arrays[0].modules_in_series\"");
        row("match null", with("\"INV1-\"", "null"), "\"arrays[0].match\"|must be text");
        row("beta as text", with("\"isc_stc\"", "\"beta_voc\": \"-0.3\", \"isc_stc\""),
            "\"arrays[0].beta_voc\"");
        row("beta 30 %/°C", with("\"isc_stc\"", "\"beta_voc\": -30, \"isc_stc\""),
            "from -10 to 10");
        row("continuity negative", with("\"isc_stc\"", "\"continuity_max\": -1, \"isc_stc\""),
            "\"arrays[0].continuity_max\"|must be greater than zero");
        row("instrument a string", with("\"site\"", "\"instrument\": \"PV tester\", \"site\""),
            "\"instrument\"|must be an object");
        row("calibrated not a date",
            with("\"site\"", "\"instrument\": {\"calibrated\": \"15/01/2024\"}, \"site\""),
            "\"instrument.calibrated\"|must be a date");
        row("tolerance as text",
            with("\"site\"", "\"tolerances\": {\"isc_stc\": \"10 %\"}, \"site\""),
            "\"tolerances.isc_stc\"|must be a number");
        row("column a number", with("\"site\"", "\"columns\": {\"voc\": 5}, \"site\""),
            "\"columns.voc\"");
    }

    void refused()
    {
        QFETCH(QByteArray, json);
        QFETCH(QStringList, reason);
        QString error;
        const auto design = DesignFile::read(json, &error);
        QVERIFY(!design);
        for (const QString &part : reason)
            QVERIFY2(error.contains(part), qPrintable(error));
    }

    // Mutated files from a fixed seed: each is read or refused with a reason, never a crash;
    // what is read writes out and reads back the same.
    void fuzzDesignFile()
    {
        QRandomGenerator random(20240415);
        const QByteArray seeds[] = {minimal(), DesignFile::write(full())};
        int readCount = 0;
        for (int round = 0; round < 3000; ++round) {
            const QByteArray json = mutated(seeds[round % 2], random, 1 + random.bounded(6),
                                            "{}[],:\"0123456789.-eE \ntruenull\\\xff");
            QString error;
            const auto design = DesignFile::read(json, &error);
            if (!design) {
                QVERIFY2(!error.isEmpty(), json.constData());
                continue;
            }
            ++readCount;
            const auto again = DesignFile::read(DesignFile::write(*design), &error);
            QVERIFY2(again && *again == *design, json.constData());
        }
        QVERIFY(readCount > 0);
    }

    void parse_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("delimiter");
        QTest::addColumn<QStringList>("notes");
        QTest::addColumn<QString>("columns"); // joined by '|'
        QTest::addColumn<QString>("rows");    // as rowsOf() writes them
        QTest::addColumn<QString>("kinds");
        QTest::addColumn<int>("resultColumn");
        const auto row = [](const char *name, const QByteArray &data, const char *delimiter,
                            const char *columns, const char *rows, const char *kinds, int result,
                            const QStringList &notes = {}) {
            QTest::newRow(name) << data << delimiter << notes << columns << rows << kinds << result;
        };
        row("tester's form",
            "Record,Site,Voc (V),Result\r\n1,Farm,742.3,PASS\r\n2,Depot,-1.5e2,FAIL\r\n", ",",
            "Record|Site|Voc (V)|Result", "2:1|Farm|742.3|PASS/3:2|Depot|-1.5e2|FAIL", "n-n-", 3);
        row("quotes: delimiters, line ends and doubled quotes inside",
            "Name,Note\r\n\"Farm, North\",\"first\r\nsecond\"\r\n\"say \"\"hi\"\"\",\"\"\r\n"
            "\"a\"b,c\"d\r\n",
            ",", "Name|Note", "2:Farm, North|first\r\nsecond/4:say \"hi\"|/5:ab|c\"d", "--", -1);
        row("CR-only lines", "A,B\r1,2\r\r3,4\r", ",", "A|B", "2:1|2/4:3|4", "nn", -1);
        row("LF-only lines, blank lines left out", "A,B\n\n1,x\n\n2,y\n", ",", "A|B", "3:1|x/5:2|y",
            "n-", -1);
        row("European: semicolons and decimal commas",
            "Nr;Ort;Uoc (V);Riso;Ergebnis\r\n1;Hof, Nord;742,3;12;pass\r\n2;Depot;0,5;1.5;nok\r\n",
            ";", "Nr|Ort|Uoc (V)|Riso|Ergebnis",
            "2:1|Hof, Nord|742,3|12|pass/3:2|Depot|0,5|1.5|nok", "n-,n-", 4);
        row("tab", "Record\tVoc\tStatus\n1\t1,5\tdone\n", "\t", "Record|Voc|Status", "2:1|1,5|done",
            "n--", 2);
        row("no header", "1,2.5,OK\r\n2,3.5,NOK\r\n", ",", "", "1:1|2.5|OK/2:2|3.5|NOK", "nn-", 2);
        row("notes before the header",
            "Marlune MT-500, firmware 2.1\r\nSerial "
            "1234\r\n\r\nRecord,Voc,Verdict\r\n1,700,PASS\r\n",
            ",", "Record|Voc|Verdict", "5:1|700|PASS", "nn-", 2,
            {"Marlune MT-500, firmware 2.1", "Serial 1234", ""});
        row("header only", "Record,Voc,Result\r\n", ",", "Record|Voc|Result", "", "---", 2);
        row("empty data", QByteArray(), ",", "", "", "", -1);
        row("bit 7 cleared: CR LF and a comma with bit 7 set",
            "A,B\x8d\x8a"
            "1\xac"
            "2\r\n",
            ",", "A|B", "2:1|2", "nn", -1);
        // A quote that never closes is a plain character, not the start of the rest of the data.
        row("quote never closed", "A,B\r\n\"x,1\r\n2,3\r\n", ",", "A|B", "2:\"x|1/3:2|3", "-n", -1);
        row("a row with more fields, a last row cut short", "A,B\r\n1,2,3\r\n5,6\r\n4,", ",", "A|B",
            "2:1|2|3/3:5|6/4:4|", "nnn", -1);
        row("not numbers", "A,B,C,D\r\n1.2.3,1e,.5,+7\r\n", ",", "A|B|C|D", "2:1.2.3|1e|.5|+7",
            "--nn", -1);
        // As many words as numbers is a record, not a header.
        row("no header, half the fields words", "1,Farm,742.3,PASS\r\n2,Depot,700.1,FAIL\r\n", ",",
            "", "1:1|Farm|742.3|PASS/2:2|Depot|700.1|FAIL", "n-n-", 3);
        // Two field counts on as many rows: the first one's; a last row cut short does not count.
        row("field counts tied, a last row cut short", "A,B\r\n1,2\r\n3,4,5\r\n6,7,8\r\n9,1,", ",",
            "A|B", "2:1|2/3:3|4|5/4:6|7|8/5:9|1|", "nnn", -1);
    }

    void parse()
    {
        QFETCH(QByteArray, data);
        QFETCH(QString, delimiter);
        QFETCH(QStringList, notes);
        QFETCH(QString, columns);
        QFETCH(QString, rows);
        QFETCH(QString, kinds);
        QFETCH(int, resultColumn);

        const ResultTable table = ResultsParser::parse(data);
        QCOMPARE(QString(QLatin1Char(table.delimiter)), delimiter);
        QCOMPARE(table.notes, notes);
        QCOMPARE(table.columns.join(QLatin1Char('|')), columns);
        QCOMPARE(rowsOf(table), rows);
        QCOMPARE(kindsOf(table), kinds);
        QCOMPARE(table.resultColumn, resultColumn);
        checkInvariants(data, table);
    }

    // Large and odd inputs: a table comes back whatever the bytes, with nothing lost.
    void oddInputs_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");

        const QByteArray fields = QByteArray("ab,").repeated(1024 * 1024 / 3 + 1);
        QTest::newRow("1 MB single line of fields") << fields << fields.size() / 3 + 1 << 0;
        QTest::newRow("1 MB single field") << QByteArray(1024 * 1024, 'x') << 1 << 0;
        QTest::newRow("1 MB quote never closed")
            << QByteArray("A,B\r\n\"") + QByteArray(1024 * 1024, ',') << 2 << 1;
        QTest::newRow("1 MB of line ends") << QByteArray(1024 * 1024, '\n') << 0 << 0;
    }

    void oddInputs()
    {
        QFETCH(QByteArray, data);
        QFETCH(int, columns);
        QFETCH(int, rows);
        const ResultTable table = ResultsParser::parse(data);
        checkInvariants(data, table);
        QCOMPARE(table.columns.size(), columns);
        QCOMPARE(table.rowCount(), rows);
        const ResultsSummary summary(table, ResultsCheck::check(table));
        QCOMPARE(summary.records(), table.rowCount());
    }

    // Random bytes and the emulator's data damaged as a line can damage it (bits flipped, cut
    // short, quotes, delimiters and carriage returns thrown in), from a fixed seed: read, summed
    // up, shown and checked against the site's design.
    void fuzzResults()
    {
        const QByteArray clean = ExampleData::builtIn();
        const SiteDesign design = ExampleData::design();
        QRandomGenerator random(20240408);
        for (int round = 0; round < 12000; ++round) {
            QByteArray data;
            if (round % 4 == 0) {
                data.resize(random.bounded(300));
                for (char &c : data)
                    c = char(random.bounded(256));
            } else {
                const int length = 1 + random.bounded(1500);
                data = mutated(clean.mid(random.bounded(clean.size() - length), length), random,
                               random.bounded(8), "\",;\t\r\n\"");
            }
            const ResultTable table = ResultsParser::parse(data);
            checkInvariants(data, table);
            if (QTest::currentTestFailed()) {
                qWarning() << "round" << round << "input" << data.toPercentEncoding();
                return;
            }
            const ResultsSummary summary(table, ResultsCheck::check(table));
            QVERIFY(summary.passed() + summary.failed() <= summary.records());
            ResultsModel model(table);
            QCOMPARE(model.rowCount(), table.rowCount());
            if (model.rowCount() > 0 && model.columnCount() > 0) {
                const QModelIndex last = model.index(model.rowCount() - 1, model.columnCount() - 1);
                model.data(last);
                model.data(last, ResultsModel::SortRole);
            }
            // The design checks take any table, and give no verdict without its reason.
            const DesignChecks checks(table, design);
            int failed = 0;
            for (int r = 0; r < table.rowCount(); ++r) {
                failed += checks.rows().at(r).failed();
                for (int c = 0; c < DesignChecks::checkCount; ++c)
                    QVERIFY(checks.verdict(r, Check(c)) == DesignChecks::Verdict::NotChecked ||
                            !checks.reason(r, Check(c)).isEmpty());
            }
            QCOMPARE(checks.failedRows(), failed);
        }
    }

    // The numbers (decimal commas and spaces read; empty, text and rows that are not there do
    // not), and the model: its headers and cells. FAIL rows and sorting: tst_resultswindow.
    void model()
    {
        const ResultTable table = ResultsParser::parse("Record;Site;Uoc (V);Result\r\n"
                                                       "1;Farm;9,5;PASS\r\n"
                                                       "2;Depot; 100,0 ;fail\r\n"
                                                       "3;Barn;;PASS\r\n"
                                                       "4;Mill;-10;PASS;extra\r\n");
        const auto number = [&table](int row, int column) {
            bool ok = false;
            const double value = table.number(row, column, &ok);
            return ok ? value : qQNaN();
        };
        QCOMPARE(number(0, 2), 9.5);
        QCOMPARE(number(1, 2), 100.0);
        QCOMPARE(number(3, 2), -10.0);
        QVERIFY(qIsNaN(number(2, 2)) && qIsNaN(number(0, 1)) && qIsNaN(number(7, 0)));
        ResultsModel model(table);
        QCOMPARE(model.rowCount(), 4);
        QCOMPARE(model.columnCount(), 5); // a row with a field beyond the header shows it
        QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral("Uoc (V)"));
        QCOMPARE(model.headerData(4, Qt::Horizontal).toString(), QStringLiteral("5"));
        QCOMPARE(model.headerData(1, Qt::Vertical).toInt(), 3); // the line in the data
        QCOMPARE(model.data(model.index(0, 2)).toString(), QStringLiteral("9,5"));
        QCOMPARE(model.data(model.index(3, 4)).toString(), QStringLiteral("extra"));
        QCOMPARE(model.data(model.index(0, 4)), QVariant());
    }

    void warnings_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("warnings");
        QTest::addColumn<QString>("text"); // of the first warning, when given
        const auto row = [](const char *name, const QByteArray &data, const QString &warnings = {},
                            const QString &text = {}) {
            QTest::newRow(name) << data << warnings << text;
        };
        row("whole", "Record,Voc,Result\r\n1,700,PASS\r\n2,701,FAIL\r\n");
        row("last record cut short", "Record,Voc,Result\r\n1,700,PASS\r\n2,8.",
            "LastRecordIncomplete@3",
            "The last record is incomplete: the tester may have paused longer than the read "
            "time-out. Download again with a longer time-out.");
        row("ends with a CR alone: a line end", "Record,Voc,Result\r\n1,700,PASS\r");
        row("row with fewer fields", "Record,Voc,Result\r\n1,700,PASS\r\n2,701\r\n3,702,PASS\r\n",
            "FieldCount@3", "Line 3 has 2 fields where the header has 3.");
        row("row with more fields, quoted line end before it",
            "Record,Note,Result\r\n1,\"a\r\nb\",PASS\r\n2,x,PASS,extra\r\n", "FieldCount@4");
        row("starts in the middle of a record",
            "84,PASS\r\n43,2024-04-09,700.1,PASS\r\n44,2024-04-09,701.0,FAIL\r\n",
            "StartsMidRecord@1",
            "This download starts in the middle of a record: the previous one may have been "
            "cut short.");
        row("no header, whole records", "43,2024-04-09,700.1,PASS\r\n44,2024-04-09,701.0,FAIL\r\n");
        row("no header, an odd row later", "1,7.5,PASS\r\n2,7.5,PASS\r\n3,7.5\r\n4,7.5,PASS\r\n",
            "FieldCount@3");
        row("record numbers skip", "Record,Voc\r\n1,700\r\n2,700\r\n5,700\r\n6,700\r\n",
            "RecordNumberGap@4",
            "The record numbers jump from 2 to 5 on line 4: records may be missing.");
        row("record numbers repeat and go back", "No.,Voc\r\n7,700\r\n8,700\r\n8,700\r\n3,700\r\n",
            "RecordNumberRepeat@4 RecordNumberRepeat@5",
            "The record number 8 on line 4 repeats or goes back (the one before is 8).");
        row("record numbers counting down", "#;Uoc\r\n3;1,5\r\n2;1\r\n1;2\r\n");
        row("record column in any case with a unit", "NR (id),Voc\r\n1,700\r\n3,700\r\n",
            "RecordNumberGap@3");
        row("record number of a last row cut short is not judged",
            "Record,Voc\r\n1,700\r\n2,700\r\n3", "LastRecordIncomplete@4");
        row("empty data", QByteArray());
        QByteArray many("Record,Voc,Result\r\n");
        for (int record = 1; record <= 22; ++record) // eleven odd rows: one past the list
            many += QByteArray::number(record) + (record % 2 ? ",700,PASS\r\n" : ",700\r\n");
        QString fifteen;
        for (int line = 3; line <= 21; line += 2)
            fifteen += QStringLiteral("FieldCount@%1 ").arg(line);
        row("many odd rows: ten listed, the one more counted", many, fifteen + "FieldCount@0");
    }

    void warnings()
    {
        QFETCH(QByteArray, data);
        QFETCH(QString, warnings);
        QFETCH(QString, text);
        const QVector<ResultWarning> found = ResultsCheck::check(ResultsParser::parse(data));
        QCOMPARE(describe(found), warnings);
        if (!text.isEmpty())
            QCOMPARE(found.value(0).text, text);
        for (const ResultWarning &warning : found) {
            QVERIFY(!warning.text.isEmpty());
            if (warning.line > 0 && warning.kind != Kind::LastRecordIncomplete &&
                warning.kind != Kind::StartsMidRecord)
                QVERIFY2(warning.text.contains(QString::number(warning.line)),
                         qPrintable(warning.text));
        }
    }

    // The data cut at every position, as a stall past the read time-out cuts it: the first part
    // warns when it ends in the middle of a line and only then; the rest warns that it starts in
    // the middle of a record when its first line lacks fields; between them every record is there.
    void cutAtEveryPosition()
    {
        const QByteArray whole = ExampleData::builtIn();
        int end = 0;
        for (int line = 0; line < 4; ++line)
            end = whole.indexOf("\r\n", end) + 2;
        const QByteArray data = whole.left(end);
        for (int cut = 1; cut < data.size(); ++cut) {
            const QByteArray first = data.left(cut);
            const ResultTable firstTable = ResultsParser::parse(first);
            const QVector<ResultWarning> firstWarnings = ResultsCheck::check(firstTable);
            const bool lineEnded = first.endsWith('\n') || first.endsWith('\r');
            QCOMPARE(ResultsSummary(firstTable, firstWarnings).isComplete(), lineEnded);
            QVERIFY2(
                describe(firstWarnings) ==
                    (lineEnded
                         ? QString()
                         : QStringLiteral("LastRecordIncomplete@%1").arg(first.count('\n') + 1)),
                qPrintable(QStringLiteral("cut at %1: %2").arg(cut).arg(describe(firstWarnings))));

            const QByteArray rest = data.mid(cut);
            if (cut < data.indexOf('\n') + 1)
                continue; // the header cut: the rest is read with a header of its own
            const ResultTable restTable = ResultsParser::parse(rest);
            const QVector<ResultWarning> restWarnings = ResultsCheck::check(restTable);
            if (rest.count('\n') >= 2) // one line alone may read as a header
                QCOMPARE(firstTable.rowCount() + restTable.rowCount(),
                         3 + (!lineEnded && !rest.startsWith('\r')));
            // A line end at the start is a blank line, left out.
            QByteArray records = rest;
            while (records.startsWith('\r') || records.startsWith('\n'))
                records.remove(0, 1);
            const QByteArray firstLine = records.left(records.indexOf("\r\n"));
            const bool cutFields = firstLine.count(',') != 11 && records.count('\n') >= 2;
            const QString words = describe(restWarnings);
            QVERIFY2(words.contains("StartsMidRecord") == cutFields &&
                         !words.contains("LastRecordIncomplete") && !words.contains("FieldCount"),
                     qPrintable(QStringLiteral("cut at %1: %2").arg(cut).arg(words)));
        }
    }

    // The counts, counted here from the raw lines, in words and as JSON.
    void summary_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("records");
        QTest::addColumn<int>("pass");
        QTest::addColumn<int>("fail");
        QTest::addColumn<QString>("text");

        const auto row = [](const char *name, const QByteArray &data, const char *locale,
                            int records, int pass, int fail, const QString &text) {
            QTest::newRow(name) << data << locale << records << pass << fail << text;
        };
        const QByteArray emulator = ExampleData::builtIn();
        const int fail = emulator.count(",FAIL\r\n");
        const int pass = emulator.count(",PASS\r\n");
        const QString counts =
            QStringLiteral("250 records · %1 PASS · %2 FAIL").arg(pass).arg(fail);
        row("emulator's data set", emulator, "en_GB", 250, pass, fail, counts);
        // As this program saves it in the European form: semicolons, decimal commas.
        row("emulator's data set, European form",
            QByteArray(emulator).replace(',', ';').replace('.', ','), "en_GB", 250, pass, fail,
            counts);

        QByteArray lower("id;uoc;result\r\n");
        for (int record = 1; record <= 1234; ++record)
            lower += QByteArray::number(record) + ";1,5;" +
                     (record % 10 == 0   ? "fail"
                      : record % 10 == 1 ? "Pass"
                                         : "pass") +
                     "\r\n";
        row("lower-case verdicts, German counts", lower, "de_DE", 1234, 1111, 123,
            "1.234 records · 1.111 PASS · 123 FAIL");
        row("OK and NOK in a column of no verdict name", "Nr,Check\r\n1,ok\r\n2,NOK\r\n3,\r\n",
            "en_GB", 3, 1, 1, "3 records · 1 PASS · 1 FAIL · 1 other");
        row("no result column", "Record,Voc\r\n1,700\r\n2,701\r\n", "en_GB", 2, -1, -1,
            "2 records");
        row("no result column, cut short", "Record,Voc\r\n1,700\r\n2,7", "en_GB", 2, -1, -1,
            "2 records");
    }

    void summary()
    {
        QFETCH(QByteArray, data);
        QFETCH(QString, locale);
        QFETCH(int, records);
        QFETCH(int, pass);
        QFETCH(int, fail);
        QFETCH(QString, text);

        const QLocale before;
        QLocale::setDefault(QLocale(locale));
        const ResultTable table = ResultsParser::parse(data);
        const ResultsSummary summary(table, ResultsCheck::check(table));
        const QString shown = summary.text();
        QLocale::setDefault(before);

        QCOMPARE(summary.records(), records);
        QCOMPARE(summary.hasVerdicts(), pass >= 0);
        QCOMPARE(shown, text); // the counts, as the JSON below has them too

        const QJsonObject json = summary.toJson();
        QCOMPARE(json.value("records").toInt(-1), records);
        QCOMPARE(json.value("pass"), pass < 0 ? QJsonValue() : QJsonValue(pass));
        QCOMPARE(json.value("fail"), fail < 0 ? QJsonValue() : QJsonValue(fail));
        QCOMPARE(json.value("other").isNull(), pass < 0);
        QCOMPARE(json.value("columns").toVariant().toStringList(), table.columns);
    }
};

QTEST_GUILESS_MAIN(TestResults)
#include "tst_results.moc"
