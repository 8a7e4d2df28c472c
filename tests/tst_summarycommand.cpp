// --summary FILE [--format json]: the program run as a child process, as a script would, on
// saved files: what it prints on each stream and its exit status.
#include "TestSupport.h"
#include "TesterDataSet.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace TestSupport;

namespace {

struct Run
{
    explicit Run(const QStringList &arguments)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        process.setProcessEnvironment(environment);
        process.start(QCoreApplication::applicationDirPath() + "/marlune-datalogger", arguments);
        if (!process.waitForFinished(20000)) {
            process.kill();
            process.waitForFinished();
            return;
        }
        output = process.readAllStandardOutput();
        error = process.readAllStandardError();
        if (process.exitStatus() == QProcess::NormalExit)
            status = process.exitCode();
    }
    QProcess process;
    QByteArray output, error;
    int status = -1;
};

QByteArray builtIn()
{
    return QByteArray::fromStdString(TesterDataSet::builtIn());
}

// The lines that end with the word, counted in the raw data.
int endingWith(const QByteArray &data, const QByteArray &word)
{
    int count = 0;
    for (const QByteArray &line : data.split('\n'))
        count += line.trimmed().endsWith(word) ? 1 : 0;
    return count;
}

const char *const CutText = "The last record is incomplete: the tester may have paused longer "
                            "than the read time-out. Download again with a longer time-out.";

} // namespace

class TestSummaryCommand : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void summary_data()
    {
        QTest::addColumn<QByteArray>("file"); // empty: no such file
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("output");   // the standard output, exactly
        QTest::addColumn<QByteArray>("errorHas"); // a part of the error stream

        const QByteArray data = builtIn();
        const int records = data.count('\n') - 1;
        const int pass = endingWith(data, ",PASS");
        const int fail = endingWith(data, ",FAIL");
        QVERIFY(pass + fail == records && fail > 0);
        const QByteArray counts = QStringLiteral("%1 records · %2 PASS · %3 FAIL\n")
                                      .arg(records)
                                      .arg(pass)
                                      .arg(fail)
                                      .toUtf8();
        const QByteArray cut = data.left(data.size() - 7); // mid-way through the last record
        const QByteArray european = QByteArray(data).replace(',', ';').replace('.', ',');

        QTest::newRow("whole, text") << data << QStringList() << 0 << counts << QByteArray();
        QTest::newRow("whole, --format text")
            << data << QStringList{"--format", "text"} << 0 << counts << QByteArray();
        QTest::newRow("European file") << european << QStringList() << 0 << counts << QByteArray();
        QTest::newRow("cut, text") << cut << QStringList() << 6
                                   << QStringLiteral("%1 records · %2 PASS · %3 FAIL\n%4\n")
                                          .arg(records)
                                          .arg(pass - (data.endsWith(",PASS\r\n") ? 1 : 0))
                                          .arg(fail - (data.endsWith(",FAIL\r\n") ? 1 : 0))
                                          .arg(CutText)
                                          .toUtf8()
                                   << QByteArray();
        QTest::newRow("no result column, lower-case file")
            << QByteArray("no,volts\n1,3.5\n2,3.6\n4,3.4\n") << QStringList() << 6
            << QByteArray("3 records\nThe record numbers jump from 2 to 4 on line 4: records may "
                          "be missing.\n")
            << QByteArray();
        QTest::newRow("empty file")
            << QByteArray("\n") << QStringList() << 0 << QByteArray("0 records\n") << QByteArray();
        QTest::newRow("missing file") << QByteArray() << QStringList() << 2 << QByteArray()
                                      << QByteArray("could not be read");
        QTest::newRow("unknown format")
            << data << QStringList{"--format", "xml"} << 2 << QByteArray()
            << QByteArray("--format takes text or json");
        QTest::newRow("--format without --summary")
            << QByteArray("-") << QStringList{"--format", "json"} << 2 << QByteArray()
            << QByteArray("--format goes with --list-ports, --list-downloads or --summary.");
    }
    void summary()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, options);
        QFETCH(int, status);
        QFETCH(QByteArray, output);
        QFETCH(QByteArray, errorHas);

        const QString path = dir.filePath(QTest::currentDataTag() + QStringLiteral(".csv"));
        QStringList arguments = options;
        if (file != "-") {
            if (!file.isEmpty())
                QVERIFY(put(path, file));
            arguments = QStringList{"--summary", path} + options;
        }
        const Run run(arguments);
        QCOMPARE(run.status, status);
        QCOMPARE(run.output, output);
        QVERIFY2(run.error.contains(errorHas), run.error.constData());
        if (status == 2 && file.isEmpty())
            QVERIFY(run.error.contains(path.toUtf8()));
    }

    // --format json: one compact line, the figures, the columns and the warnings.
    void json_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("status");
        QTest::addColumn<QJsonObject>("expected");

        const QByteArray data = builtIn();
        const QJsonArray columns = QJsonArray::fromStringList(
            QString::fromLatin1(data.left(data.indexOf('\r'))).split(','));
        const int records = data.count('\n') - 1;
        const int fail = endingWith(data, ",FAIL");
        QTest::newRow("whole") << data << 0 << QJsonObject{{"records", records},
                                                           {"pass", records - fail},
                                                           {"fail", fail},
                                                           {"columns", columns},
                                                           {"warnings", QJsonArray()},
                                                           {"complete", true}};
        const QByteArray shifted = data.mid(data.indexOf('\n') + 30);
        // Without a header the result column is found by its values.
        const QJsonObject cutStart{{"columns", QJsonArray()}, {"complete", false}};
        QTest::newRow("starts mid-record, no header") << shifted << 6 << cutStart;
        QTest::newRow("no result column") << QByteArray("Name,Volts\r\na,1.5\r\nb,2.5\r\n") << 0
                                          << QJsonObject{{"records", 2},
                                                         {"pass", QJsonValue()},
                                                         {"fail", QJsonValue()},
                                                         {"columns", QJsonArray{"Name", "Volts"}},
                                                         {"warnings", QJsonArray()},
                                                         {"complete", true}};
    }
    void json()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, status);
        QFETCH(QJsonObject, expected);

        const QString path = dir.filePath(QTest::currentDataTag() + QStringLiteral(".txt"));
        QVERIFY(put(path, file));
        const Run run({"--summary", path, "--format", "json"});
        QCOMPARE(run.status, status);
        QVERIFY(run.output.endsWith("}\n"));
        QCOMPARE(run.output.count('\n'), 1);
        QJsonParseError error;
        const QJsonObject object = QJsonDocument::fromJson(run.output, &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        for (auto it = expected.constBegin(); it != expected.constEnd(); ++it)
            QCOMPARE(object.value(it.key()), it.value());
        QCOMPARE(object.value("complete").toBool(), status == 0);
        QCOMPARE(object.value("warnings").toArray().isEmpty(), status == 0);
        if (status != 0)
            QVERIFY(object.value("warnings")
                        .toArray()
                        .first()
                        .toString()
                        .contains("starts in the middle of a record"));
    }
};

QTEST_MAIN(TestSummaryCommand)
#include "tst_summarycommand.moc"
