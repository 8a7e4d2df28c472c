// --summary FILE [--format json]: the program run as a child process, as a script would, on
// saved files: what it prints on each stream and its exit status.
#include "ExampleData.h"
#include "ProgramRun.h"
#include "TestSupport.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
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

class TestSummaryCommand : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private slots:
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
        // figure's rules: tst_resultscheck); only the members given are compared.
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
    // design files that cannot be used refused with the reason (each reason: tst_sitedesign).
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

        const QByteArray data = builtIn().replace(MarshLane, site);
        const QString dataPath = dir.filePath(QStringLiteral("emulator.csv"));
        const QString designPath = dir.filePath(QTest::currentDataTag() + QString(".design.json"));
        QVERIFY(put(dataPath, data));
        if (!design.isEmpty())
            QVERIFY(put(designPath, design));
        ProgramRun run(QStringList{"--summary", dataPath, "--design", designPath} + options,
                       ProgramRun::inCLocale());
        const int exitStatus = run.wait();
        QVERIFY2(run.error.contains(errorHas), run.error.constData());
        QCOMPARE(exitStatus, status);
        if (status != 0) {
            QVERIFY(run.error.contains(designPath.toUtf8()));
            QVERIFY(run.output.isEmpty());
            return;
        }

        // Which rows fail and why is the checks' own (tst_designchecks); here: a short string
        // at its row, with the tester's FAIL count beside the checks'.
        const QMap<QString, int> shortStrings = ExampleData::shortStrings(data, site);
        QVERIFY(!shortStrings.isEmpty());
        const auto shortString = shortStrings.constBegin();
        const int testerFail = endingWith(data, ",FAIL");
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

QTEST_MAIN(TestSummaryCommand)
#include "tst_summarycommand.moc"
