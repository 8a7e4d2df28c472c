// A download read as a table of results: rows, fields, the header and notes, the delimiter,
// numbers and verdicts, on well-formed, odd and random bytes, and the table model over it;
// whether it looks whole (cut short, started mid-record, odd rows, record numbers that skip or
// repeat), and the summary of it in words and as JSON.
#include "ExampleData.h"
#include "checks/DesignChecks.h"
#include "results/ResultsCheck.h"
#include "results/ResultsModel.h"
#include "results/ResultsParser.h"
#include "results/ResultsSummary.h"

#include <QtTest>

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

} // namespace

class TestResultsParser : public QObject
{
    Q_OBJECT

private slots:
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
    void fuzz()
    {
        const QByteArray clean = ExampleData::builtIn();
        const SiteDesign design = ExampleData::design();
        using Check = DesignChecks::Check;
        QRandomGenerator random(20240408);
        const char inserts[] = {'"', ',', ';', '\t', '\r', '\n', '"'};
        for (int round = 0; round < 12000; ++round) {
            QByteArray data;
            if (round % 4 == 0) {
                data.resize(static_cast<int>(random.bounded(300)));
                for (char &c : data)
                    c = static_cast<char>(random.bounded(256));
            } else {
                const int length = 1 + static_cast<int>(random.bounded(1500));
                data = clean.mid(static_cast<int>(random.bounded(clean.size() - length)), length);
                const int mutations = static_cast<int>(random.bounded(8));
                for (int m = 0; m < mutations && !data.isEmpty(); ++m) {
                    const int at = static_cast<int>(random.bounded(data.size()));
                    switch (random.bounded(4)) {
                    case 0:
                        data[at] = static_cast<char>(data.at(at) ^ (1 << random.bounded(8)));
                        break;
                    case 1:
                        data.truncate(at);
                        break;
                    case 2:
                        data.insert(at, inserts[random.bounded(int(sizeof inserts))]);
                        break;
                    default:
                        data.remove(at, static_cast<int>(random.bounded(20)));
                        break;
                    }
                }
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

QTEST_GUILESS_MAIN(TestResultsParser)
#include "tst_resultsparser.moc"
