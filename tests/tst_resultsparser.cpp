// A download read as a table of results: rows, fields, the header and notes, the delimiter,
// numbers and verdicts, on well-formed, odd and random bytes; and the table model over it.
#include "ExampleData.h"
#include "checks/DesignChecks.h"
#include "results/ResultsCheck.h"
#include "results/ResultsModel.h"
#include "results/ResultsParser.h"
#include "results/ResultsSummary.h"

#include <QRandomGenerator>
#include <QSortFilterProxyModel>
#include <QtTest>

namespace {

// The rows as text: fields joined by '|', rows by '/'.
QString rowsOf(const ResultTable &table)
{
    QStringList rows;
    for (int row = 0; row < table.rowCount(); ++row) {
        QStringList fields;
        for (int column = 0; column < table.fieldCount(row); ++column)
            fields.append(table.field(row, column));
        rows.append(fields.join(QLatin1Char('|')));
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
        QVERIFY(table.rowLines.at(row) >= 1);
        if (row > 0)
            QVERIFY(table.rowLines.at(row) > table.rowLines.at(row - 1));
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
        QTest::addColumn<QString>("lines");   // the line of each row in the data
        QTest::addColumn<QString>("kinds");
        QTest::addColumn<int>("resultColumn");
        const auto row = [](const char *name, const QByteArray &data, const char *delimiter,
                            const char *columns, const char *rows, const char *lines,
                            const char *kinds, int result, const QStringList &notes = {}) {
            QTest::newRow(name) << data << delimiter << notes << columns << rows << lines << kinds
                                << result;
        };
        row("tester's form",
            "Record,Site,Voc (V),Result\r\n1,Farm,742.3,PASS\r\n2,Depot,-1.5e2,FAIL\r\n", ",",
            "Record|Site|Voc (V)|Result", "1|Farm|742.3|PASS/2|Depot|-1.5e2|FAIL", "2 3", "n-n-",
            3);
        row("quotes: delimiters, line ends and doubled quotes inside",
            "Name,Note\r\n\"Farm, North\",\"first\r\nsecond\"\r\n\"say \"\"hi\"\"\",\"\"\r\n"
            "\"a\"b,c\"d\r\n",
            ",", "Name|Note", "Farm, North|first\r\nsecond/say \"hi\"|/ab|c\"d", "2 4 5", "--", -1);
        row("CR-only lines", "A,B\r1,2\r\r3,4\r", ",", "A|B", "1|2/3|4", "2 4", "nn", -1);
        row("LF-only lines, blank lines left out", "A,B\n\n1,x\n\n2,y\n", ",", "A|B", "1|x/2|y",
            "3 5", "n-", -1);
        row("European: semicolons and decimal commas",
            "Nr;Ort;Uoc (V);Riso;Ergebnis\r\n1;Hof, Nord;742,3;12;pass\r\n2;Depot;0,5;1.5;nok\r\n",
            ";", "Nr|Ort|Uoc (V)|Riso|Ergebnis", "1|Hof, Nord|742,3|12|pass/2|Depot|0,5|1.5|nok",
            "2 3", "n-,n-", 4);
        row("tab", "Record\tVoc\tStatus\n1\t1,5\tdone\n", "\t", "Record|Voc|Status", "1|1,5|done",
            "2", "n--", 2);
        row("no header", "1,2.5,OK\r\n2,3.5,NOK\r\n", ",", "", "1|2.5|OK/2|3.5|NOK", "1 2", "nn-",
            2);
        row("notes before the header",
            "Marlune MT-500, firmware 2.1\r\nSerial "
            "1234\r\n\r\nRecord,Voc,Verdict\r\n1,700,PASS\r\n",
            ",", "Record|Voc|Verdict", "1|700|PASS", "5", "nn-", 2,
            {"Marlune MT-500, firmware 2.1", "Serial 1234", ""});
        row("header only", "Record,Voc,Result\r\n", ",", "Record|Voc|Result", "", "", "---", 2);
        row("empty data", QByteArray(), ",", "", "", "", "", -1);
        row("bit 7 cleared: CR LF and a comma with bit 7 set",
            "A,B\x8d\x8a"
            "1\xac"
            "2\r\n",
            ",", "A|B", "1|2", "2", "nn", -1);
        // A quote that never closes is a plain character, not the start of the rest of the data.
        row("quote never closed", "A,B\r\n\"x,1\r\n2,3\r\n", ",", "A|B", "\"x|1/2|3", "2 3", "-n",
            -1);
        row("a row with more fields, a last row cut short", "A,B\r\n1,2,3\r\n5,6\r\n4,", ",", "A|B",
            "1|2|3/5|6/4|", "2 3 4", "nnn", -1);
        row("not numbers", "A,B,C,D\r\n1.2.3,1e,.5,+7\r\n", ",", "A|B|C|D", "1.2.3|1e|.5|+7", "2",
            "--nn", -1);
        // As many words as numbers is a record, not a header.
        row("no header, half the fields words", "1,Farm,742.3,PASS\r\n2,Depot,700.1,FAIL\r\n", ",",
            "", "1|Farm|742.3|PASS/2|Depot|700.1|FAIL", "1 2", "n-n-", 3);
        // Two field counts on as many rows: the first one's; a last row cut short does not count.
        row("field counts tied, a last row cut short", "A,B\r\n1,2\r\n3,4,5\r\n6,7,8\r\n9,1,", ",",
            "A|B", "1|2/3|4|5/6|7|8/9|1|", "2 3 4 5", "nnn", -1);
    }

    void parse()
    {
        QFETCH(QByteArray, data);
        QFETCH(QString, delimiter);
        QFETCH(QStringList, notes);
        QFETCH(QString, columns);
        QFETCH(QString, rows);
        QFETCH(QString, lines);
        QFETCH(QString, kinds);
        QFETCH(int, resultColumn);

        const ResultTable table = ResultsParser::parse(data);
        QCOMPARE(QString(QLatin1Char(table.delimiter)), delimiter);
        QCOMPARE(table.notes, notes);
        QCOMPARE(table.columns.join(QLatin1Char('|')), columns);
        QCOMPARE(rowsOf(table), rows);
        QStringList rowLines;
        for (int line : table.rowLines)
            rowLines << QString::number(line);
        QCOMPARE(rowLines.join(QLatin1Char(' ')), lines);
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

        QByteArray fields;
        while (fields.size() < 1024 * 1024)
            fields += "ab,";
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
    // not), and the model: its headers and cells, numbers sorting as numbers, FAIL rows.
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
        QCOMPARE(model.data(model.index(1, 0), ResultsModel::FailedRole).toBool(), true);
        QCOMPARE(model.data(model.index(1, 3), ResultsModel::FailedRole).toBool(), true);
        QCOMPARE(model.data(model.index(0, 0), ResultsModel::FailedRole).toBool(), false);

        QSortFilterProxyModel proxy;
        proxy.setSourceModel(&model);
        proxy.setSortRole(ResultsModel::SortRole);
        proxy.sort(2, Qt::AscendingOrder);
        QStringList order;
        for (int row = 0; row < proxy.rowCount(); ++row)
            order.append(proxy.index(row, 1).data().toString());
        // -10 < 9,5 < 100 as numbers; the empty field last.
        QCOMPARE(order, (QStringList{"Mill", "Farm", "Depot", "Barn"}));
        proxy.sort(1, Qt::AscendingOrder);
        QCOMPARE(proxy.index(0, 1).data().toString(), QStringLiteral("Barn"));
    }
};

QTEST_GUILESS_MAIN(TestResultsParser)
#include "tst_resultsparser.moc"
