// The download from the command line, as a script or a service runs it: the program as a
// child process with no display and no platform plugin named, against the tester emulator.
// Its exit statuses, the file it leaves (byte for byte), the standard output, and SIGTERM.
#include "TestSupport.h"
#include "TesterEmulatorProcess.h"

#include "serial/WinSerialDeviceAsync.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

using namespace TestSupport;

namespace {

// The program, started as a user's script would, without a display.
struct Run
{
    explicit Run(const QStringList &arguments)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
        process.setProcessEnvironment(environment);
        process.start(QCoreApplication::applicationDirPath() + "/marlune-datalogger",
                      QStringList{"--download"} + arguments);
    }
    // The exit status, -1 when the program did not end in time or crashed.
    int wait(int timeoutMs = 20000)
    {
        if (!process.waitForFinished(timeoutMs)) {
            process.kill();
            process.waitForFinished();
            return -1;
        }
        error = process.readAllStandardError();
        output = process.readAllStandardOutput();
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }
    QProcess process;
    QByteArray output, error;
};

} // namespace

class TestHeadlessDownload : public QObject
{
    Q_OBJECT

    QByteArray builtIn;
    QTemporaryDir dir;

private slots:
    void initTestCase()
    {
        builtIn = TesterEmulatorProcess::builtInData();
        QVERIFY(builtIn.startsWith("Record,Date,Time,Site,String,"));
    }

    void download_data()
    {
        QTest::addColumn<QStringList>("emulator"); // its arguments; empty: no emulator
        QTest::addColumn<QStringList>("options");  // PORT and FILE stand for the port and file
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("file"); // what the file holds afterwards
        QTest::addColumn<QString>("said");    // a line of the error stream

        const QStringList unpaced{"--baud", "0"};
        const QStringList usual{"--port", "PORT", "--output", "FILE"};
        const QByteArray sevenBit = builtIn; // what the tester sent, bit 7 cleared
        const QByteArray european = QByteArray(builtIn).replace(',', ';').replace('.', ',');
        QTest::newRow("bit 7 set, NUL bytes first, a pause shorter than the time-out")
            << (unpaced + QStringList{"--bit7", "--nul-prefix", "300", "--pause-after", "3000",
                                      "--pause-ms", "100"})
            << (usual + QStringList{"--read-timeout", "400"}) << 0 << sevenBit
            << "File successfully saved";
        QTest::newRow("European .csv")
            << unpaced << (usual + QStringList{"--european"}) << 0 << european << "";
        QTest::newRow("European asked, .txt written as received")
            << unpaced
            << QStringList{"--port", "PORT", "--output", "FILE.txt", "--european", "--quiet"} << 0
            << builtIn << "The European format applies to .csv files only";
        QTest::newRow("standard output")
            << unpaced << QStringList{"--port", "PORT", "--output", "-"} << 0
            << QByteArray("<missing>") << "";
        // Saved, but cut mid-record: the summary's warning follows on the error stream, exit 6.
        QTest::newRow("line lost after data")
            << (unpaced + QStringList{"--hangup-after", "3000"}) << usual << 6 << builtIn.left(3000)
            << "The connection to the device was lost. The data received";
        QTest::newRow("a pause longer than the time-out")
            << (unpaced + QStringList{"--pause-after", "5000", "--pause-ms", "1000"}) << usual << 6
            << builtIn.left(5000) << "The last record is incomplete: the tester may have paused";
        QTest::newRow("whole: the summary on the error stream")
            << unpaced << usual << 0 << sevenBit
            << QStringLiteral("%1 records ").arg(builtIn.count('\n') - 1);
        QTest::newRow("line lost before data")
            << (unpaced + QStringList{"--hangup-after", "0"}) << usual << 4
            << QByteArray("<missing>")
            << "The connection to the device was lost before any data arrived.";
        QTest::newRow("port held by another program")
            << unpaced << (usual + QStringList{"HOLD"}) << 3 << QByteArray("<missing>")
            << "The port is in use by another program.";
        QTest::newRow("no such port")
            << QStringList() << usual << 3 << QByteArray("<missing>") << "No such device.";
        QTest::newRow("read-only target") << unpaced << (usual + QStringList{"READONLY"}) << 5
                                          << QByteArray("last week\r\n") << "Error opening";
        QTest::newRow("no port given") << QStringList() << QStringList{"--output", "FILE"} << 2
                                       << QByteArray("<missing>") << "--download needs --port.";
        QTest::newRow("time-out no number")
            << QStringList() << (usual + QStringList{"--read-timeout", "soon"}) << 2
            << QByteArray("<missing>") << "--read-timeout needs a whole number";
    }

    void download()
    {
        QFETCH(QStringList, emulator);
        QFETCH(QStringList, options);
        QFETCH(int, status);
        QFETCH(QByteArray, file);
        QFETCH(QString, said);

        TesterEmulatorProcess tester;
        QString port = "/dev/ml-no-such-port";
        if (!emulator.isEmpty()) {
            QVERIFY(tester.start(emulator));
            port = tester.devicePath;
        }
        const QString target = dir.filePath(QTest::currentDataTag() + QStringLiteral(".csv"));
        QFile::remove(target);
        Ml::WinSerialDeviceAsync holder(nullptr, port);
        if (options.removeAll("HOLD"))
            QVERIFY(holder.open(QIODevice::ReadWrite, 100));
        if (options.removeAll("READONLY")) {
            QVERIFY(put(target, "last week\r\n"));
            QVERIFY(QFile::setPermissions(target, QFile::ReadOwner));
        }
        QString written = target;
        for (QString &option : options) {
            if (option == "FILE.txt")
                option = written = dir.filePath(QTest::currentDataTag() + QStringLiteral(".txt"));
            option.replace("PORT", port).replace("FILE", target);
        }

        Run run(options);
        QCOMPARE(run.wait(), status);
        QVERIFY2(contents(written).size() == file.size(), run.error.constData());
        QCOMPARE(contents(written), file);
        if (options.contains("-"))
            QCOMPARE(run.output, builtIn);
        else
            QVERIFY(run.output.isEmpty());
        QVERIFY2(run.error.contains(said.toUtf8()), run.error.constData());
        QVERIFY(!run.error.contains("Win32SerialDevice::close()")); // no debug log
    }

    // A service stopped, or Ctrl+C: the session ends cleanly, no partial file is left, and
    // the port is free for the next run.
    void stoppedBySignal()
    {
        TesterEmulatorProcess tester;
        QVERIFY(tester.start({"--baud", "2400"}));
        const QString target = dir.filePath("stopped.csv");
        Run run({"--port", tester.devicePath, "--output", target});
        QTest::qWait(1500);
        ::kill(pid_t(run.process.processId()), SIGTERM);
        QCOMPARE(run.wait(), 143);
        QVERIFY(!QFile::exists(target));
        QVERIFY(
            Ml::WinSerialDeviceAsync(nullptr, tester.devicePath).open(QIODevice::ReadWrite, 50));
    }
};

QTEST_GUILESS_MAIN(TestHeadlessDownload)

#include "tst_headlessdownload.moc"
