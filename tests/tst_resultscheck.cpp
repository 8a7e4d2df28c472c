// Whether a download read as results looks whole (cut short, started mid-record, odd rows,
// record numbers that skip or repeat), and the summary of it in words and as JSON.
#include "ExampleData.h"
#include "results/ResultsCheck.h"
#include "results/ResultsParser.h"
#include "results/ResultsSummary.h"

#include <QJsonDocument>
#include <QtTest>

using Kind = ResultWarning::Kind;

namespace {

QVector<ResultWarning> warningsOf(const QByteArray &data)
{
    return ResultsCheck::check(ResultsParser::parse(data));
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

bool has(const QVector<ResultWarning> &warnings, Kind kind)
{
    for (const ResultWarning &warning : warnings) {
        if (warning.kind == kind)
            return true;
    }
    return false;
}

} // namespace

class TestResultsCheck : public QObject
{
    Q_OBJECT

private slots:
    void warnings_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("warnings");
        QTest::addColumn<QString>("text"); // of the first warning, when given

        QTest::newRow("whole") << QByteArray("Record,Voc,Result\r\n1,700,PASS\r\n2,701,FAIL\r\n")
                               << "" << QString();
        QTest::newRow("last record cut short")
            << QByteArray("Record,Voc,Result\r\n1,700,PASS\r\n2,8.") << "LastRecordIncomplete@3"
            << "The last record is incomplete: the tester may have paused longer than the read "
               "time-out. Download again with a longer time-out.";
        QTest::newRow("ends with a CR alone: a line end")
            << QByteArray("Record,Voc,Result\r\n1,700,PASS\r") << "" << QString();
        QTest::newRow("row with fewer fields") << QByteArray("Record,Voc,Result\r\n1,700,PASS\r\n"
                                                             "2,701\r\n3,702,PASS\r\n")
                                               << "FieldCount@3"
                                               << "Line 3 has 2 fields where the header has 3.";
        QTest::newRow("row with more fields, quoted line end before it")
            << QByteArray("Record,Note,Result\r\n1,\"a\r\nb\",PASS\r\n2,x,PASS,extra\r\n")
            << "FieldCount@4" << QString();
        QTest::newRow("starts in the middle of a record")
            << QByteArray("84,PASS\r\n43,2024-04-09,700.1,PASS\r\n44,2024-04-09,701.0,FAIL\r\n")
            << "StartsMidRecord@1"
            << "This download starts in the middle of a record: the previous one may have been "
               "cut short.";
        QTest::newRow("no header, whole records")
            << QByteArray("43,2024-04-09,700.1,PASS\r\n44,2024-04-09,701.0,FAIL\r\n") << ""
            << QString();
        QTest::newRow("no header, an odd row later")
            << QByteArray("1,7.5,PASS\r\n2,7.5,PASS\r\n3,7.5\r\n4,7.5,PASS\r\n") << "FieldCount@3"
            << QString();
        QTest::newRow("record numbers skip")
            << QByteArray("Record,Voc\r\n1,700\r\n2,700\r\n5,700\r\n6,700\r\n")
            << "RecordNumberGap@4"
            << "The record numbers jump from 2 to 5 on line 4: records may be missing.";
        QTest::newRow("record numbers repeat and go back")
            << QByteArray("No.,Voc\r\n7,700\r\n8,700\r\n8,700\r\n3,700\r\n")
            << "RecordNumberRepeat@4 RecordNumberRepeat@5"
            << "The record number 8 on line 4 repeats or goes back (the one before is 8).";
        QTest::newRow("record numbers counting down")
            << QByteArray("#;Uoc\r\n3;1,5\r\n2;1\r\n1;2\r\n") << "" << QString();
        QTest::newRow("record column in any case with a unit")
            << QByteArray("NR (id),Voc\r\n1,700\r\n3,700\r\n") << "RecordNumberGap@3" << QString();
        QTest::newRow("record number of a last row cut short is not judged")
            << QByteArray("Record,Voc\r\n1,700\r\n2,700\r\n3") << "LastRecordIncomplete@4"
            << QString();
        QTest::newRow("empty data") << QByteArray() << "" << QString();
        QByteArray many("Record,Voc,Result\r\n");
        for (int record = 1; record <= 22; ++record) // eleven odd rows: one past the list
            many += QByteArray::number(record) + (record % 2 ? ",700,PASS\r\n" : ",700\r\n");
        QString fifteen;
        for (int line = 3; line <= 21; line += 2)
            fifteen += QStringLiteral("FieldCount@%1 ").arg(line);
        QTest::newRow("many odd rows: ten listed, the one more counted")
            << many << fifteen + "FieldCount@0" << QString();
    }

    void warnings()
    {
        QFETCH(QByteArray, data);
        QFETCH(QString, warnings);
        QFETCH(QString, text);
        const QVector<ResultWarning> found = warningsOf(data);
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
            QVERIFY2(
                has(restWarnings, Kind::StartsMidRecord) == cutFields,
                qPrintable(QStringLiteral("cut at %1: %2").arg(cut).arg(describe(restWarnings))));
            QVERIFY(!has(restWarnings, Kind::LastRecordIncomplete));
            QVERIFY(!has(restWarnings, Kind::FieldCount));
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

        const QByteArray emulator = ExampleData::builtIn();
        const int fail = emulator.count(",FAIL\r\n");
        const int pass = emulator.count(",PASS\r\n");
        QTest::newRow("emulator's data set")
            << emulator << "en_GB" << 250 << pass << fail
            << QStringLiteral("250 records · %1 PASS · %2 FAIL").arg(pass).arg(fail);

        // As this program saves it in the European form: semicolons, decimal commas.
        QByteArray european = emulator;
        european.replace(',', ';').replace('.', ',');
        QTest::newRow("emulator's data set, European form")
            << european << "en_GB" << 250 << pass << fail
            << QStringLiteral("250 records · %1 PASS · %2 FAIL").arg(pass).arg(fail);

        QByteArray lower("id;uoc;result\r\n");
        for (int record = 1; record <= 1234; ++record)
            lower += QByteArray::number(record) + ";1,5;" +
                     (record % 10 == 0   ? "fail"
                      : record % 10 == 1 ? "Pass"
                                         : "pass") +
                     "\r\n";
        QTest::newRow("lower-case verdicts, German counts")
            << lower << "de_DE" << 1234 << 1111 << 123
            << QStringLiteral("1.234 records · 1.111 PASS · 123 FAIL");
        QTest::newRow("OK and NOK in a column of no verdict name")
            << QByteArray("Nr,Check\r\n1,ok\r\n2,NOK\r\n3,\r\n") << "en_GB" << 3 << 1 << 1
            << QStringLiteral("3 records · 1 PASS · 1 FAIL · 1 other");
        QTest::newRow("no result column")
            << QByteArray("Record,Voc\r\n1,700\r\n2,701\r\n") << "en_GB" << 2 << -1 << -1
            << QStringLiteral("2 records");
        QTest::newRow("no result column, cut short")
            << QByteArray("Record,Voc\r\n1,700\r\n2,7") << "en_GB" << 2 << -1 << -1
            << QStringLiteral("2 records");
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
        if (pass >= 0) {
            QCOMPARE(summary.passed(), pass);
            QCOMPARE(summary.failed(), fail);
        }
        QCOMPARE(shown, text);

        const QJsonObject json = summary.toJson();
        QCOMPARE(json.value("records").toInt(-1), records);
        QCOMPARE(json.value("pass"), pass < 0 ? QJsonValue() : QJsonValue(pass));
        QCOMPARE(json.value("fail"), fail < 0 ? QJsonValue() : QJsonValue(fail));
        QCOMPARE(json.value("other").isNull(), pass < 0);
        QCOMPARE(json.value("columns").toVariant().toStringList(), table.columns);

        // Every field of a column of numbers reads as a number, whatever its decimal separator.
        for (int column = 0; column < table.numeric.size(); ++column) {
            for (int row = 0; table.numeric.at(column) && row < table.rowCount(); ++row) {
                bool ok = false;
                table.number(row, column, &ok);
                QVERIFY(ok || table.field(row, column).trimmed().isEmpty());
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestResultsCheck)
#include "tst_resultscheck.moc"
